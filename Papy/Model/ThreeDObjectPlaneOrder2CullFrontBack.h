#pragma once
// Orders a back and a front child by a plane.
#include "Papy/Model/Plane.h"
#include "Papy/Model/ThreeDObject.h"
#include "Papy/Model/ThreeDObjectVisitor.h"
#include "Papy/Model/ThreeDObjectWalk.h"
#include "Util/CountedPointer.h"

namespace Velmo::Papy
{
class ThreeDObjectPlaneOrder2CullFrontBack : public virtual ThreeDObject
{
public:
    virtual Util::CountedPointer<ThreeDObject> GetBackChild() const = 0;
    virtual void ClearBackChild() = 0;
    virtual Util::CountedPointer<ThreeDObject> GetFrontChild() const = 0;
    virtual void ClearFrontChild() = 0;
    virtual Plane GetPlane() const = 0;
    virtual int GetPlaneId() const { return 0; }
    virtual void SetPlaneId(int id) { static_cast<void>(id); }

    void Accept(ThreeDObjectVisitor& visitor) override
    {
        const ThreeDObjectWalk::Step<ThreeDObjectPlaneOrder2CullFrontBack> steps[] = {
            {&ThreeDObjectVisitor::BeforePlaneOrder2CullFrontBackBackChild,
             &ThreeDObjectPlaneOrder2CullFrontBack::GetBackChild,
             &ThreeDObjectVisitor::AfterPlaneOrder2CullFrontBackBackChild},
            {&ThreeDObjectVisitor::BeforePlaneOrder2CullFrontBackFrontChild,
             &ThreeDObjectPlaneOrder2CullFrontBack::GetFrontChild,
             &ThreeDObjectVisitor::AfterPlaneOrder2CullFrontBackFrontChild},
        };
        ThreeDObjectWalk::Ordered(visitor, *this, &ThreeDObjectVisitor::EnterPlaneOrder2CullFrontBack, steps,
                                  &ThreeDObjectVisitor::LeavePlaneOrder2CullFrontBack);
    }
};
} // namespace Velmo::Papy
