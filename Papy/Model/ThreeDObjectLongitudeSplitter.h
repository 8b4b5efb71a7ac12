#pragma once
// Picks among its children by the viewer's longitude.
#include "Papy/Model/ThreeDObject.h"
#include "Papy/Model/ThreeDObjectVisitor.h"
#include "Papy/Model/ThreeDObjectWalk.h"
#include "Util/CountedPointer.h"
#include "Util/Types.h"

namespace Velmo::Papy
{
class ThreeDObjectLongitudeSplitter : public virtual ThreeDObject
{
public:
    virtual U32 GetComparisonOperator() const = 0;
    virtual int GetChildCount() const = 0;
    virtual Util::CountedPointer<ThreeDObject> GetChild(int i) const = 0;
    virtual double GetLongitude(int i) const = 0;

    void Accept(ThreeDObjectVisitor& visitor) override
    {
        ThreeDObjectWalk::List(
            visitor, *this, &ThreeDObjectVisitor::EnterLongitudeSplitter, &ThreeDObjectLongitudeSplitter::GetChildCount,
            &ThreeDObjectLongitudeSplitter::GetChild, &ThreeDObjectVisitor::BeforeLongitudeSplitterChild,
            &ThreeDObjectVisitor::AfterLongitudeSplitterChild, &ThreeDObjectVisitor::LeaveLongitudeSplitter);
    }
};
} // namespace Velmo::Papy
