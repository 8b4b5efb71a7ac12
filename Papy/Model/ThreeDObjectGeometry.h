#pragma once
// Vertices and the polygons over them.
#include "Papy/Model/ThreeDObject.h"
#include "Papy/Model/ThreeDObjectVisitor.h"
#include "Papy/Model/ThreeDObjectWalk.h"
#include "Util/CountedPointer.h"

namespace Velmo::Papy
{
class ThreeDObjectGeometry : public virtual ThreeDObject
{
public:
    virtual Util::CountedPointer<ThreeDObject> GetVertices() const = 0;
    virtual Util::CountedPointer<ThreeDObject> GetPolygons() const = 0;

    void Accept(ThreeDObjectVisitor& visitor) override
    {
        const ThreeDObjectWalk::Step<ThreeDObjectGeometry> steps[] = {
            {&ThreeDObjectVisitor::BeforeGeometryVertices, &ThreeDObjectGeometry::GetVertices,
             &ThreeDObjectVisitor::AfterGeometryVertices},
            {&ThreeDObjectVisitor::BeforeGeometryPolygons, &ThreeDObjectGeometry::GetPolygons,
             &ThreeDObjectVisitor::AfterGeometryPolygons},
        };
        ThreeDObjectWalk::Pairs(visitor, *this, &ThreeDObjectVisitor::EnterGeometry, steps,
                                &ThreeDObjectVisitor::LeaveGeometry);
    }
};
} // namespace Velmo::Papy
