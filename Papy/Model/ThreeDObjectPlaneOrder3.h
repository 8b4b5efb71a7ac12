#pragma once
// Orders three children by a plane.
#include "Papy/Model/Plane.h"
#include "Papy/Model/ThreeDObject.h"
#include "Papy/Model/ThreeDObjectVisitor.h"
#include "Papy/Model/ThreeDObjectWalk.h"
#include "Util/CountedPointer.h"

namespace Velmo::Papy
{
class ThreeDObjectPlaneOrder3 : public virtual ThreeDObject
{
public:
    virtual Util::CountedPointer<ThreeDObject> GetFarChild() const = 0;
    virtual void SetFarChild(const Util::CountedPointer<ThreeDObject>& child) = 0;
    virtual void ClearFarChild() = 0;
    virtual Util::CountedPointer<ThreeDObject> GetMiddleChild() const = 0;
    virtual void ClearMiddleChild() = 0;
    virtual Util::CountedPointer<ThreeDObject> GetNearChild() const = 0;
    virtual void ClearNearChild() = 0;
    virtual Plane GetPlane() const = 0;
    virtual int GetPlaneId() const { return 0; }
    virtual void SetPlaneId(int id) { static_cast<void>(id); }

    void Accept(ThreeDObjectVisitor& visitor) override
    {
        const ThreeDObjectWalk::Step<ThreeDObjectPlaneOrder3> steps[] = {
            {&ThreeDObjectVisitor::BeforePlaneOrder3FarChild, &ThreeDObjectPlaneOrder3::GetFarChild,
             &ThreeDObjectVisitor::AfterPlaneOrder3FarChild},
            {&ThreeDObjectVisitor::BeforePlaneOrder3MiddleChild, &ThreeDObjectPlaneOrder3::GetMiddleChild,
             &ThreeDObjectVisitor::AfterPlaneOrder3MiddleChild},
            {&ThreeDObjectVisitor::BeforePlaneOrder3NearChild, &ThreeDObjectPlaneOrder3::GetNearChild,
             &ThreeDObjectVisitor::AfterPlaneOrder3NearChild},
        };
        ThreeDObjectWalk::Ordered(visitor, *this, &ThreeDObjectVisitor::EnterPlaneOrder3, steps,
                                  &ThreeDObjectVisitor::LeavePlaneOrder3);
    }
};
} // namespace Velmo::Papy
