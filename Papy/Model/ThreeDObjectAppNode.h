#pragma once
// An application node: a text over one child.
#include <string>

#include "Papy/Model/ThreeDObject.h"
#include "Papy/Model/ThreeDObjectVisitor.h"
#include "Papy/Model/ThreeDObjectWalk.h"
#include "Util/CountedPointer.h"

namespace Velmo::Papy
{
class ThreeDObjectAppNode : public virtual ThreeDObject
{
public:
    virtual Util::CountedPointer<ThreeDObject> GetChild() const = 0;
    virtual std::string GetText() const = 0;

    void Accept(ThreeDObjectVisitor& visitor) override
    {
        ThreeDObjectWalk::OneChild(visitor, *this, &ThreeDObjectVisitor::EnterAppNode, &ThreeDObjectAppNode::GetChild,
                                   &ThreeDObjectVisitor::LeaveAppNode);
    }
};
} // namespace Velmo::Papy
