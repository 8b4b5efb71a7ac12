#pragma once
// Orders two children by the side of a plane the viewer is on.
#include "Papy/Model/Plane.h"
#include "Papy/Model/ThreeDObject.h"
#include "Papy/Model/ThreeDObjectVisitor.h"
#include "Papy/Model/ThreeDObjectWalk.h"
#include "Util/CountedPointer.h"

namespace Velmo::Papy
{
class ThreeDObjectPlaneOrder2 : public virtual ThreeDObject
{
public:
    virtual Util::CountedPointer<ThreeDObject> GetFarChild() const = 0;
    virtual void ClearFarChild() = 0;
    virtual Util::CountedPointer<ThreeDObject> GetNearChild() const = 0;
    virtual void ClearNearChild() = 0;
    virtual Plane GetPlane() const = 0;
    virtual int GetPlaneId() const { return 0; }
    virtual void SetPlaneId(int id) { static_cast<void>(id); }

    void Accept(ThreeDObjectVisitor& visitor) override
    {
        const ThreeDObjectWalk::Step<ThreeDObjectPlaneOrder2> steps[] = {
            {&ThreeDObjectVisitor::BeforePlaneOrder2FarChild, &ThreeDObjectPlaneOrder2::GetFarChild,
             &ThreeDObjectVisitor::AfterPlaneOrder2FarChild},
            {&ThreeDObjectVisitor::BeforePlaneOrder2NearChild, &ThreeDObjectPlaneOrder2::GetNearChild,
             &ThreeDObjectVisitor::AfterPlaneOrder2NearChild},
        };
        ThreeDObjectWalk::Ordered(visitor, *this, &ThreeDObjectVisitor::EnterPlaneOrder2, steps,
                                  &ThreeDObjectVisitor::LeavePlaneOrder2);
    }
};
} // namespace Velmo::Papy
