#pragma once
// A named portal polygon set over a vertex list.
#include "Papy/Model/ThreeDObject.h"
#include "Papy/Model/ThreeDObjectVisitor.h"
#include "Papy/Model/ThreeDObjectWalk.h"
#include "Util/CountedPointer.h"

namespace Velmo::Papy
{
class ThreeDObjectPortal : public virtual ThreeDObject
{
public:
    virtual Util::CountedPointer<ThreeDObject> GetVertices() const = 0;
    virtual int GetIndexCount() const = 0;
    virtual int GetIndex(int i) const = 0;

    void Accept(ThreeDObjectVisitor& visitor) override
    {
        ThreeDObjectWalk::OneChild(visitor, *this, &ThreeDObjectVisitor::EnterPortal, &ThreeDObjectPortal::GetVertices,
                                   &ThreeDObjectVisitor::LeavePortal);
    }
};
} // namespace Velmo::Papy
