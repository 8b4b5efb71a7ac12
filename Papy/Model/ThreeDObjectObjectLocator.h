#pragma once
// Places objects at positions inside four planes with four sibling links and one child.
#include "Papy/Model/Plane.h"
#include "Papy/Model/ThreeDObject.h"
#include "Papy/Model/ThreeDObjectVisitor.h"
#include "Papy/Model/ThreeDObjectWalk.h"
#include "Util/CountedPointer.h"
#include "Util/Types.h"

namespace Velmo::Papy
{
class ThreeDObjectObjectLocator : public ThreeDObject
{
public:
    virtual Plane GetPlane(int i) const = 0;
    virtual Util::CountedPointer<ThreeDObject> GetSibling(int i) const = 0;
    virtual void SetPlane(int i, const Plane& plane) = 0;
    virtual U32 GetPlaneId(int i) const = 0;
    virtual void SetPlaneId(int i, U32 id) = 0;
    virtual void SetSibling(int i, const Util::CountedPointer<ThreeDObject>& sibling) = 0;
    virtual Util::CountedPointer<ThreeDObject> GetChild() const = 0;
    virtual void SetChild(const Util::CountedPointer<ThreeDObject>& child) = 0;
    virtual int GetObjectCount() const = 0;
    virtual float GetObjectX(int i) const = 0;
    virtual float GetObjectY(int i) const = 0;
    virtual float GetObjectZ(int i) const = 0;
    virtual Util::CountedPointer<ThreeDObject> GetObject(int i) const = 0;
    virtual void AddObject(const Util::CountedPointer<ThreeDObject>& object, double x, double y, double z) = 0;
    virtual void DeleteObject(int i) = 0;

    // A locator always has four planes, each with its sibling.
    static constexpr int SiblingCount = 4;

    void Accept(ThreeDObjectVisitor& visitor) override
    {
        if (visitor.EnterObjectLocator(*this))
        {
            if (visitor.EnterObjectLocatorSiblings(*this))
            {
                for (int i = 0; i < SiblingCount; ++i)
                {
                    if (visitor.BeforeObjectLocatorSibling(*this, i))
                        ThreeDObjectWalk::Descend(visitor, GetSibling(i));
                    visitor.AfterObjectLocatorSibling(*this, i);
                }
            }
            visitor.LeaveObjectLocatorSiblings(*this);
            ThreeDObjectWalk::Pair(visitor, *this, &ThreeDObjectVisitor::BeforeObjectLocatorChild,
                                   &ThreeDObjectObjectLocator::GetChild, &ThreeDObjectVisitor::AfterObjectLocatorChild);
            ThreeDObjectWalk::SubList(visitor, *this, &ThreeDObjectVisitor::EnterObjectLocatorObjects,
                                      &ThreeDObjectObjectLocator::GetObjectCount, &ThreeDObjectObjectLocator::GetObject,
                                      &ThreeDObjectVisitor::BeforeObjectLocatorObject,
                                      &ThreeDObjectVisitor::AfterObjectLocatorObject,
                                      &ThreeDObjectVisitor::LeaveObjectLocatorObjects);
        }
        visitor.LeaveObjectLocator(*this);
    }
};
} // namespace Velmo::Papy
