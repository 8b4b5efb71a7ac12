#pragma once
// Orders a far, a front and a near child by a plane.
#include "Papy/Model/Plane.h"
#include "Papy/Model/ThreeDObject.h"
#include "Papy/Model/ThreeDObjectVisitor.h"
#include "Papy/Model/ThreeDObjectWalk.h"
#include "Util/CountedPointer.h"

namespace Velmo::Papy
{
class ThreeDObjectPlaneOrder3CullFront : public virtual ThreeDObject
{
public:
    virtual Util::CountedPointer<ThreeDObject> GetFarChild() const = 0;
    virtual void ClearFarChild() = 0;
    virtual Util::CountedPointer<ThreeDObject> GetFrontChild() const = 0;
    virtual void ClearFrontChild() = 0;
    virtual Util::CountedPointer<ThreeDObject> GetNearChild() const = 0;
    virtual void ClearNearChild() = 0;
    virtual Plane GetPlane() const = 0;
    virtual int GetPlaneId() const { return 0; }
    virtual void SetPlaneId(int id) { static_cast<void>(id); }

    void Accept(ThreeDObjectVisitor& visitor) override
    {
        const ThreeDObjectWalk::Step<ThreeDObjectPlaneOrder3CullFront> steps[] = {
            {&ThreeDObjectVisitor::BeforePlaneOrder3CullFrontFarChild, &ThreeDObjectPlaneOrder3CullFront::GetFarChild,
             &ThreeDObjectVisitor::AfterPlaneOrder3CullFrontFarChild},
            {&ThreeDObjectVisitor::BeforePlaneOrder3CullFrontFrontChild,
             &ThreeDObjectPlaneOrder3CullFront::GetFrontChild,
             &ThreeDObjectVisitor::AfterPlaneOrder3CullFrontFrontChild},
            {&ThreeDObjectVisitor::BeforePlaneOrder3CullFrontNearChild, &ThreeDObjectPlaneOrder3CullFront::GetNearChild,
             &ThreeDObjectVisitor::AfterPlaneOrder3CullFrontNearChild},
        };
        ThreeDObjectWalk::Ordered(visitor, *this, &ThreeDObjectVisitor::EnterPlaneOrder3CullFront, steps,
                                  &ThreeDObjectVisitor::LeavePlaneOrder3CullFront);
    }
};
} // namespace Velmo::Papy
