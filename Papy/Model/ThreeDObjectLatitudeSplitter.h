#pragma once
// Picks among its children by the viewer's latitude.
#include "Papy/Model/ThreeDObject.h"
#include "Papy/Model/ThreeDObjectVisitor.h"
#include "Papy/Model/ThreeDObjectWalk.h"
#include "Util/CountedPointer.h"
#include "Util/Types.h"

namespace Velmo::Papy
{
class ThreeDObjectLatitudeSplitter : public virtual ThreeDObject
{
public:
    virtual U32 GetComparisonOperator() const = 0;
    virtual int GetChildCount() const = 0;
    virtual Util::CountedPointer<ThreeDObject> GetChild(int i) const = 0;
    virtual double GetLatitude(int i) const = 0;

    void Accept(ThreeDObjectVisitor& visitor) override
    {
        ThreeDObjectWalk::List(
            visitor, *this, &ThreeDObjectVisitor::EnterLatitudeSplitter, &ThreeDObjectLatitudeSplitter::GetChildCount,
            &ThreeDObjectLatitudeSplitter::GetChild, &ThreeDObjectVisitor::BeforeLatitudeSplitterChild,
            &ThreeDObjectVisitor::AfterLatitudeSplitterChild, &ThreeDObjectVisitor::LeaveLatitudeSplitter);
    }
};
} // namespace Velmo::Papy
