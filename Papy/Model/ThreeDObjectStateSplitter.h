#pragma once
// Picks among its children by the value of a state variable.
#include "Papy/Model/ComparisonOperator.h"
#include "Papy/Model/ThreeDObject.h"
#include "Papy/Model/ThreeDObjectVisitor.h"
#include "Papy/Model/ThreeDObjectWalk.h"
#include "Util/CountedPointer.h"
#include "Util/WalkMeter.h"
#include "Util/Types.h"

namespace Velmo::Papy
{
class ThreeDObjectStateSplitter : public virtual ThreeDObject
{
public:
    virtual U32 GetVariable() const = 0;
    virtual U32 GetComparisonOperator() const = 0;
    virtual int GetChildCount() const = 0;
    virtual Util::CountedPointer<ThreeDObject> GetChild(int i) const = 0;
    virtual U32 GetValue(int i) const = 0;

    // Whether child i applies at the given state value (a step of the walk meter).
    bool IsChildActive(int i, double value) const
    {
        Util::WalkMeter::Tick();
        return EvaluateComparison(ComparisonOperator(GetComparisonOperator()), i, value, double(GetValue(i)));
    }

    void Accept(ThreeDObjectVisitor& visitor) override
    {
        ThreeDObjectWalk::List(visitor, *this, &ThreeDObjectVisitor::EnterStateSplitter,
                               &ThreeDObjectStateSplitter::GetChildCount, &ThreeDObjectStateSplitter::GetChild,
                               &ThreeDObjectVisitor::BeforeStateSplitterChild,
                               &ThreeDObjectVisitor::AfterStateSplitterChild, &ThreeDObjectVisitor::LeaveStateSplitter);
    }
};
} // namespace Velmo::Papy
