#pragma once
// A named entry point to one object of the file.
#include "Papy/Model/ThreeDObject.h"
#include "Papy/Model/ThreeDObjectVisitor.h"
#include "Papy/Model/ThreeDObjectWalk.h"
#include "Util/CountedPointer.h"

namespace Velmo::Papy
{
class ThreeDObjectHandle : public virtual ThreeDObject
{
public:
    virtual Util::CountedPointer<ThreeDObject> GetObject() const = 0;
    virtual void SetObject(const Util::CountedPointer<ThreeDObject>& object) = 0;

    void Accept(ThreeDObjectVisitor& visitor) override
    {
        ThreeDObjectWalk::OneChild(visitor, *this, &ThreeDObjectVisitor::EnterHandle, &ThreeDObjectHandle::GetObject,
                                   &ThreeDObjectVisitor::LeaveHandle);
    }
};
} // namespace Velmo::Papy
