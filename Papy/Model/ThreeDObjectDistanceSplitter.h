#pragma once
// Picks among its children by the viewer's distance from a vertex.
#include "Papy/Model/ComparisonOperator.h"
#include "Papy/Model/ThreeDObject.h"
#include "Papy/Model/ThreeDObjectVisitor.h"
#include "Papy/Model/ThreeDObjectWalk.h"
#include "Papy/Model/Vertex.h"
#include "Util/CountedPointer.h"
#include "Util/WalkMeter.h"
#include "Util/Types.h"

namespace Velmo::Papy
{
class ThreeDObjectDistanceSplitter : public virtual ThreeDObject
{
public:
    virtual int GetChildCount() const = 0;
    virtual Util::CountedPointer<ThreeDObject> GetChild(int i) const = 0;
    // Removes the child with its distance.
    virtual void DeleteChild(int i) = 0;
    virtual double GetSplitDistance(int i) const = 0;
    virtual void SetSplitDistance(int i, double distance) = 0;
    virtual Vertex GetVertex() const = 0;
    virtual int GetVertexId() const = 0;
    virtual void SetVertexId(int id) = 0;
    virtual U32 GetComparisonOperator() const = 0;

    // Whether child i applies at the given distance (a step of the walk meter).
    bool IsChildActive(int i, double distance) const
    {
        Util::WalkMeter::Tick();
        return EvaluateComparison(ComparisonOperator(GetComparisonOperator()), i, distance, GetSplitDistance(i));
    }

    void Accept(ThreeDObjectVisitor& visitor) override
    {
        ThreeDObjectWalk::List(
            visitor, *this, &ThreeDObjectVisitor::EnterDistanceSplitter, &ThreeDObjectDistanceSplitter::GetChildCount,
            &ThreeDObjectDistanceSplitter::GetChild, &ThreeDObjectVisitor::BeforeDistanceSplitterChild,
            &ThreeDObjectVisitor::AfterDistanceSplitterChild, &ThreeDObjectVisitor::LeaveDistanceSplitter);
    }
};
} // namespace Velmo::Papy
