#pragma once
// A list of vertices fixed in place.
#include "Papy/Model/ThreeDObject.h"
#include "Papy/Model/ThreeDObjectVisitor.h"
#include "Papy/Model/ThreeDObjectWalk.h"
#include "Papy/Model/Vertex.h"
#include "Util/CountedPointer.h"

namespace Velmo::Papy
{
class ThreeDObjectVertexFixer : public virtual ThreeDObject
{
public:
    virtual int GetVertexCount() const = 0;
    virtual Vertex GetVertex(int i) const = 0;
    virtual int GetVertexId(int i) const = 0;
    virtual void SetVertexId(int i, int id) = 0;

    void Accept(ThreeDObjectVisitor& visitor) override
    {
        ThreeDObjectWalk::Leaf(visitor, *this, &ThreeDObjectVisitor::VisitVertexFixer);
    }
};
} // namespace Velmo::Papy
