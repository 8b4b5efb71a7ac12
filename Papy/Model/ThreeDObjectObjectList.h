#pragma once
// A list of children, all of which a walk visits.
#include "Papy/Model/ThreeDObject.h"
#include "Papy/Model/ThreeDObjectVisitor.h"
#include "Papy/Model/ThreeDObjectWalk.h"
#include "Util/CountedPointer.h"

namespace Velmo::Papy
{
class ThreeDObjectObjectList : public virtual ThreeDObject
{
public:
    virtual int GetChildCount() const = 0;
    virtual Util::CountedPointer<ThreeDObject> GetChild(int i) const = 0;
    // Before position i; i equal to the count appends.
    virtual void InsertChild(const Util::CountedPointer<ThreeDObject>& child, int i) = 0;
    virtual void RemoveChild(int i) = 0;

    void Accept(ThreeDObjectVisitor& visitor) override
    {
        ThreeDObjectWalk::OpenList(visitor, *this, &ThreeDObjectVisitor::EnterObjectList,
                                   &ThreeDObjectObjectList::GetChildCount, &ThreeDObjectObjectList::GetChild,
                                   &ThreeDObjectVisitor::BeforeObjectListChild,
                                   &ThreeDObjectVisitor::AfterObjectListChild, &ThreeDObjectVisitor::LeaveObjectList);
    }
};
} // namespace Velmo::Papy
