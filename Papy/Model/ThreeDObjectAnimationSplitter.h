#pragma once
// Picks among its children by the animation tick.
#include "Papy/Model/ThreeDObject.h"
#include "Papy/Model/ThreeDObjectVisitor.h"
#include "Papy/Model/ThreeDObjectWalk.h"
#include "Util/CountedPointer.h"
#include "Util/Types.h"

namespace Velmo::Papy
{
class ThreeDObjectAnimationSplitter : public virtual ThreeDObject
{
public:
    virtual U32 GetPeriod() const = 0;
    virtual U32 GetComparisonOperator() const = 0;
    virtual int GetChildCount() const = 0;
    virtual Util::CountedPointer<ThreeDObject> GetChild(int i) const = 0;
    virtual U32 GetTick(int i) const = 0;

    void Accept(ThreeDObjectVisitor& visitor) override
    {
        ThreeDObjectWalk::List(
            visitor, *this, &ThreeDObjectVisitor::EnterAnimationSplitter, &ThreeDObjectAnimationSplitter::GetChildCount,
            &ThreeDObjectAnimationSplitter::GetChild, &ThreeDObjectVisitor::BeforeAnimationSplitterChild,
            &ThreeDObjectVisitor::AfterAnimationSplitterChild, &ThreeDObjectVisitor::LeaveAnimationSplitter);
    }
};
} // namespace Velmo::Papy
