#pragma once
// Sets one state variable.
#include "Papy/Model/ThreeDObject.h"
#include "Papy/Model/ThreeDObjectVisitor.h"
#include "Papy/Model/ThreeDObjectWalk.h"
#include "Util/CountedPointer.h"
#include "Util/Types.h"

namespace Velmo::Papy
{
class ThreeDObjectStateValueSetter : public virtual ThreeDObject
{
public:
    virtual U32 GetStateIndex() const = 0;
    virtual U32 GetStateValue() const = 0;

    void Accept(ThreeDObjectVisitor& visitor) override
    {
        ThreeDObjectWalk::Leaf(visitor, *this, &ThreeDObjectVisitor::VisitStateValueSetter);
    }
};
} // namespace Velmo::Papy
