#pragma once
// A list of object locators.
#include "Papy/Model/ThreeDObject.h"
#include "Papy/Model/ThreeDObjectVisitor.h"
#include "Papy/Model/ThreeDObjectWalk.h"
#include "Util/CountedPointer.h"

namespace Velmo::Papy
{
class ThreeDObjectObjectLocatorList : public virtual ThreeDObject
{
public:
    virtual int GetChildCount() const = 0;
    virtual Util::CountedPointer<ThreeDObject> GetChild(int i) const = 0;
    virtual void AddChild(const Util::CountedPointer<ThreeDObject>& child) = 0;

    void Accept(ThreeDObjectVisitor& visitor) override
    {
        ThreeDObjectWalk::List(
            visitor, *this, &ThreeDObjectVisitor::EnterObjectLocatorList, &ThreeDObjectObjectLocatorList::GetChildCount,
            &ThreeDObjectObjectLocatorList::GetChild, &ThreeDObjectVisitor::BeforeObjectLocatorListChild,
            &ThreeDObjectVisitor::AfterObjectLocatorListChild, &ThreeDObjectVisitor::LeaveObjectLocatorList);
    }
};
} // namespace Velmo::Papy
