#pragma once
// A triangle strip over a vertex list.
#include "Papy/Model/ThreeDObject.h"
#include "Papy/Model/ThreeDObjectVisitor.h"
#include "Papy/Model/ThreeDObjectWalk.h"
#include "Util/CountedPointer.h"

namespace Velmo::Papy
{
class ThreeDObjectTriangleStrip : public virtual ThreeDObject
{
public:
    virtual Util::CountedPointer<ThreeDObject> GetVertices() const = 0;
    virtual int GetIndexCount() const = 0;
    virtual int GetIndex(int i) const = 0;
    virtual void SetIndex(int i, int index) = 0;

    void Accept(ThreeDObjectVisitor& visitor) override
    {
        ThreeDObjectWalk::OneChild(visitor, *this, &ThreeDObjectVisitor::EnterTriangleStrip,
                                   &ThreeDObjectTriangleStrip::GetVertices, &ThreeDObjectVisitor::LeaveTriangleStrip);
    }
};
} // namespace Velmo::Papy
