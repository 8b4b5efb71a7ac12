#pragma once
// A plane over one level of a track section.
#include "Papy/Model/Plane.h"
#include "Papy/Model/ThreeDObject.h"
#include "Papy/Model/ThreeDObjectVisitor.h"
#include "Papy/Model/ThreeDObjectWalk.h"
#include "Util/CountedPointer.h"

namespace Velmo::Papy
{
class ThreeDObjectTrackLevelPlane : public virtual ThreeDObject
{
public:
    virtual Util::CountedPointer<ThreeDObject> GetChild() const = 0;
    virtual Plane GetPlane() const = 0;

    void Accept(ThreeDObjectVisitor& visitor) override
    {
        ThreeDObjectWalk::OneChild(visitor, *this, &ThreeDObjectVisitor::EnterTrackLevelPlane,
                                   &ThreeDObjectTrackLevelPlane::GetChild, &ThreeDObjectVisitor::LeaveTrackLevelPlane);
    }
};
} // namespace Velmo::Papy
