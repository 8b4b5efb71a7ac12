#pragma once
// Draws its front child only when the viewer is in front of a plane.
#include "Papy/Model/Plane.h"
#include "Papy/Model/ThreeDObject.h"
#include "Papy/Model/ThreeDObjectVisitor.h"
#include "Papy/Model/ThreeDObjectWalk.h"
#include "Util/CountedPointer.h"

namespace Velmo::Papy
{
class ThreeDObjectPlaneCullFront : public virtual ThreeDObject
{
public:
    virtual Util::CountedPointer<ThreeDObject> GetFrontChild() const = 0;
    virtual Plane GetPlane() const = 0;
    virtual int GetPlaneId() const { return 0; }
    virtual void SetPlaneId(int id) { static_cast<void>(id); }

    void Accept(ThreeDObjectVisitor& visitor) override
    {
        ThreeDObjectWalk::OneChild(visitor, *this, &ThreeDObjectVisitor::EnterPlaneCullFront,
                                   &ThreeDObjectPlaneCullFront::GetFrontChild,
                                   &ThreeDObjectVisitor::LeavePlaneCullFront);
    }
};
} // namespace Velmo::Papy
