#pragma once
// A list of plain numbers.
#include "Papy/Model/ThreeDObject.h"
#include "Papy/Model/ThreeDObjectVisitor.h"
#include "Papy/Model/ThreeDObjectWalk.h"
#include "Util/CountedPointer.h"
#include "Util/Types.h"

namespace Velmo::Papy
{
class ThreeDObjectNumberList : public virtual ThreeDObject
{
public:
    virtual int GetNumberCount() const = 0;
    // New numbers are 0.
    virtual void SetNumberCount(int count) = 0;
    virtual U32 GetNumber(int i) const = 0;
    virtual void SetNumber(int i, U32 value) = 0;

    void Accept(ThreeDObjectVisitor& visitor) override
    {
        ThreeDObjectWalk::Leaf(visitor, *this, &ThreeDObjectVisitor::VisitNumberList);
    }
};
} // namespace Velmo::Papy
