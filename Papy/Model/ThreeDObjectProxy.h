#pragma once
// Stands in for another node of the file.
#include "Papy/Model/ThreeDObject.h"
#include "Papy/Model/ThreeDObjectVisitor.h"
#include "Papy/Model/ThreeDObjectWalk.h"
#include "Util/CountedPointer.h"

namespace Velmo::Papy
{
class ThreeDObjectProxy : public virtual ThreeDObject
{
public:
    virtual Util::CountedPointer<ThreeDObject> GetTarget() const = 0;
    virtual Util::CountedPointer<ThreeDObject> GetChild() const = 0;

    void Accept(ThreeDObjectVisitor& visitor) override
    {
        ThreeDObjectWalk::OneChild(visitor, *this, &ThreeDObjectVisitor::EnterProxy, &ThreeDObjectProxy::GetChild,
                                   &ThreeDObjectVisitor::LeaveProxy);
    }
};
} // namespace Velmo::Papy
