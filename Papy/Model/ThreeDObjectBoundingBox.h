#pragma once
// Eight corner vertices around one child.
#include "Papy/Model/ThreeDObject.h"
#include "Papy/Model/ThreeDObjectVisitor.h"
#include "Papy/Model/ThreeDObjectWalk.h"
#include "Papy/Model/Vertex.h"
#include "Util/CountedPointer.h"

namespace Velmo::Papy
{
class ThreeDObjectBoundingBox : public ThreeDObject
{
public:
    virtual Util::CountedPointer<ThreeDObject> GetChild() const = 0;
    virtual Vertex GetVertex(int i) const = 0;
    virtual int GetVertexId(int i) const = 0;
    virtual void SetVertexId(int i, int id) = 0;

    // A box always has eight corners.
    static constexpr int VertexCount = 8;
    int GetVertexCount() const { return VertexCount; }

    void Accept(ThreeDObjectVisitor& visitor) override
    {
        ThreeDObjectWalk::OneChild(visitor, *this, &ThreeDObjectVisitor::EnterBoundingBox,
                                   &ThreeDObjectBoundingBox::GetChild, &ThreeDObjectVisitor::LeaveBoundingBox);
    }
};
} // namespace Velmo::Papy
