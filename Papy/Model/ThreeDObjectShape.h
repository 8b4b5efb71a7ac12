#pragma once
// An appearance and the geometry it is applied to.
#include "Papy/Model/ThreeDObject.h"
#include "Papy/Model/ThreeDObjectVisitor.h"
#include "Papy/Model/ThreeDObjectWalk.h"
#include "Util/CountedPointer.h"

namespace Velmo::Papy
{
class ThreeDObjectShape : public virtual ThreeDObject
{
public:
    virtual Util::CountedPointer<ThreeDObject> GetAppearance() const = 0;
    virtual Util::CountedPointer<ThreeDObject> GetGeometry() const = 0;

    void Accept(ThreeDObjectVisitor& visitor) override
    {
        const ThreeDObjectWalk::Step<ThreeDObjectShape> steps[] = {
            {&ThreeDObjectVisitor::BeforeShapeAppearance, &ThreeDObjectShape::GetAppearance,
             &ThreeDObjectVisitor::AfterShapeAppearance},
            {&ThreeDObjectVisitor::BeforeShapeGeometry, &ThreeDObjectShape::GetGeometry,
             &ThreeDObjectVisitor::AfterShapeGeometry},
        };
        ThreeDObjectWalk::Pairs(visitor, *this, &ThreeDObjectVisitor::EnterShape, steps,
                                &ThreeDObjectVisitor::LeaveShape);
    }
};
} // namespace Velmo::Papy
