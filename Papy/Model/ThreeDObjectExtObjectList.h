#pragma once
// One child and a list of external objects.
#include "Papy/Model/ThreeDObject.h"
#include "Papy/Model/ThreeDObjectVisitor.h"
#include "Papy/Model/ThreeDObjectWalk.h"
#include "Util/CountedPointer.h"

namespace Velmo::Papy
{
class ThreeDObjectExtObjectList : public virtual ThreeDObject
{
public:
    virtual Util::CountedPointer<ThreeDObject> GetChild() const = 0;
    virtual int GetObjectCount() const = 0;
    virtual Util::CountedPointer<ThreeDObject> GetObject(int i) const = 0;

    void Accept(ThreeDObjectVisitor& visitor) override
    {
        if (visitor.EnterExtObjectList(*this))
        {
            ThreeDObjectWalk::Pair(visitor, *this, &ThreeDObjectVisitor::BeforeExtObjectListChild,
                                   &ThreeDObjectExtObjectList::GetChild, &ThreeDObjectVisitor::AfterExtObjectListChild);
            ThreeDObjectWalk::SubList(visitor, *this, &ThreeDObjectVisitor::EnterExtObjectListObjects,
                                      &ThreeDObjectExtObjectList::GetObjectCount, &ThreeDObjectExtObjectList::GetObject,
                                      &ThreeDObjectVisitor::BeforeExtObjectListObject,
                                      &ThreeDObjectVisitor::AfterExtObjectListObject,
                                      &ThreeDObjectVisitor::LeaveExtObjectListObjects);
        }
        visitor.LeaveExtObjectList(*this);
    }
};
} // namespace Velmo::Papy
