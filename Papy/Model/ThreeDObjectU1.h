#pragma once
// A four-word marker whose meaning is not known.
#include "Papy/Model/ThreeDObject.h"
#include "Papy/Model/ThreeDObjectVisitor.h"
#include "Papy/Model/ThreeDObjectWalk.h"
#include "Util/CountedPointer.h"

namespace Velmo::Papy
{
class ThreeDObjectU1 : public virtual ThreeDObject
{
public:
    virtual int GetFirst() const = 0;
    virtual int GetSecond() const = 0;
    virtual int GetThird() const = 0;
    virtual int GetFourth() const = 0;

    void Accept(ThreeDObjectVisitor& visitor) override
    {
        ThreeDObjectWalk::Leaf(visitor, *this, &ThreeDObjectVisitor::VisitU1);
    }
};
} // namespace Velmo::Papy
