#pragma once
// Puts one child into a display class.
#include "Papy/Model/DisplayClass.h"
#include "Papy/Model/ThreeDObject.h"
#include "Papy/Model/ThreeDObjectVisitor.h"
#include "Papy/Model/ThreeDObjectWalk.h"
#include "Util/CountedPointer.h"

namespace Velmo::Papy
{
class ThreeDObjectDisplayClass : public virtual ThreeDObject
{
public:
    virtual DisplayClass GetClass() const = 0;
    virtual Util::CountedPointer<ThreeDObject> GetChild() const = 0;

    void Accept(ThreeDObjectVisitor& visitor) override
    {
        ThreeDObjectWalk::OneChild(visitor, *this, &ThreeDObjectVisitor::EnterDisplayClass,
                                   &ThreeDObjectDisplayClass::GetChild, &ThreeDObjectVisitor::LeaveDisplayClass);
    }
};
} // namespace Velmo::Papy
