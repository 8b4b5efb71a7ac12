#pragma once
// The top of a track tree: its child and its drawing distances.
#include "Papy/Model/ThreeDObject.h"
#include "Papy/Model/ThreeDObjectVisitor.h"
#include "Papy/Model/ThreeDObjectWalk.h"
#include "Util/CountedPointer.h"

namespace Velmo::Papy
{
class ThreeDObjectTrackRoot : public virtual ThreeDObject
{
public:
    virtual Util::CountedPointer<ThreeDObject> GetChild() const = 0;
    virtual Util::CountedPointer<ThreeDObject> GetDrawingDistances() const = 0;

    void Accept(ThreeDObjectVisitor& visitor) override
    {
        const ThreeDObjectWalk::Step<ThreeDObjectTrackRoot> steps[] = {
            {&ThreeDObjectVisitor::BeforeTrackRootChild, &ThreeDObjectTrackRoot::GetChild,
             &ThreeDObjectVisitor::AfterTrackRootChild},
            {&ThreeDObjectVisitor::BeforeTrackRootDrawingDistances, &ThreeDObjectTrackRoot::GetDrawingDistances,
             &ThreeDObjectVisitor::AfterTrackRootDrawingDistances},
        };
        ThreeDObjectWalk::Pairs(visitor, *this, &ThreeDObjectVisitor::EnterTrackRoot, steps,
                                &ThreeDObjectVisitor::LeaveTrackRoot);
    }
};
} // namespace Velmo::Papy
