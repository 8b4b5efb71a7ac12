#pragma once
// A named list of children with a bounding box.
#include "Papy/Model/BoundingBox.h"
#include "Papy/Model/ThreeDObject.h"
#include "Papy/Model/ThreeDObjectVisitor.h"
#include "Papy/Model/ThreeDObjectWalk.h"
#include "Util/CountedPointer.h"

namespace Velmo::Papy
{
class ThreeDObjectGroup : public virtual ThreeDObject
{
public:
    virtual int GetChildCount() const = 0;
    virtual Util::CountedPointer<ThreeDObject> GetChild(int i) const = 0;
    // Before position i; i equal to the count appends.
    virtual void InsertChild(const Util::CountedPointer<ThreeDObject>& child, int i) = 0;
    virtual void RemoveChild(int i) = 0;
    virtual BoundingBox GetBoundingBox() const = 0;

    void Accept(ThreeDObjectVisitor& visitor) override
    {
        ThreeDObjectWalk::OpenList(visitor, *this, &ThreeDObjectVisitor::EnterGroup, &ThreeDObjectGroup::GetChildCount,
                                   &ThreeDObjectGroup::GetChild, &ThreeDObjectVisitor::BeforeGroupChild,
                                   &ThreeDObjectVisitor::AfterGroupChild, &ThreeDObjectVisitor::LeaveGroup);
    }
};
} // namespace Velmo::Papy
