#pragma once
// The root of a file's node tree.
#include "Papy/Model/ThreeDObject.h"
#include "Papy/Model/ThreeDObjectVisitor.h"
#include "Papy/Model/ThreeDObjectWalk.h"
#include "Util/CountedPointer.h"

namespace Velmo::Papy
{
class ThreeDObjectRoot : public virtual ThreeDObject
{
public:
    virtual int GetChildCount() const = 0;
    virtual Util::CountedPointer<ThreeDObject> GetChild(int i) const = 0;

    void Accept(ThreeDObjectVisitor& visitor) override
    {
        ThreeDObjectWalk::List(visitor, *this, &ThreeDObjectVisitor::EnterRoot, &ThreeDObjectRoot::GetChildCount,
                               &ThreeDObjectRoot::GetChild, &ThreeDObjectVisitor::BeforeRootChild,
                               &ThreeDObjectVisitor::AfterRootChild, &ThreeDObjectVisitor::LeaveRoot);
    }
};
} // namespace Velmo::Papy
