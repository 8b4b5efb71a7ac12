#pragma once
// Vertex indices, three per triangle.
#include "Papy/Model/ThreeDObject.h"
#include "Papy/Model/ThreeDObjectVisitor.h"
#include "Papy/Model/ThreeDObjectWalk.h"
#include "Util/CountedPointer.h"
#include "Util/Types.h"

namespace Velmo::Papy
{
class ThreeDObjectTriangles : public virtual ThreeDObject
{
public:
    virtual int GetIndexCount() const = 0;
    virtual U32 GetIndex(int i) const = 0;
    virtual void SetIndex(int i, U32 index) = 0;

    void Accept(ThreeDObjectVisitor& visitor) override
    {
        ThreeDObjectWalk::Leaf(visitor, *this, &ThreeDObjectVisitor::VisitTriangles);
    }
};
} // namespace Velmo::Papy
