#pragma once
// Self-lighting values over one child.
#include "Papy/Model/ThreeDObject.h"
#include "Papy/Model/ThreeDObjectVisitor.h"
#include "Papy/Model/ThreeDObjectWalk.h"
#include "Util/CountedPointer.h"

namespace Velmo::Papy
{
class ThreeDObjectSelfLighting : public virtual ThreeDObject
{
public:
    virtual Util::CountedPointer<ThreeDObject> GetChild() const = 0;

    void Accept(ThreeDObjectVisitor& visitor) override
    {
        ThreeDObjectWalk::OneChild(visitor, *this, &ThreeDObjectVisitor::EnterSelfLighting,
                                   &ThreeDObjectSelfLighting::GetChild, &ThreeDObjectVisitor::LeaveSelfLighting);
    }
};
} // namespace Velmo::Papy
