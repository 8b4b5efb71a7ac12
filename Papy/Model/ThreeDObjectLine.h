#pragma once
// A coloured line between two vertices.
#include "Papy/Model/Colour.h"
#include "Papy/Model/ThreeDObject.h"
#include "Papy/Model/ThreeDObjectVisitor.h"
#include "Papy/Model/ThreeDObjectWalk.h"
#include "Papy/Model/Vertex.h"
#include "Util/CountedPointer.h"

namespace Velmo::Papy
{
class ThreeDObjectLine : public virtual ThreeDObject
{
public:
    virtual Vertex GetFromVertex() const = 0;
    virtual int GetFromVertexId() const = 0;
    virtual void SetFromVertexId(int id) = 0;
    virtual Vertex GetToVertex() const = 0;
    virtual int GetToVertexId() const = 0;
    virtual void SetToVertexId(int id) = 0;
    virtual Colour GetColour() const = 0;

    void Accept(ThreeDObjectVisitor& visitor) override
    {
        ThreeDObjectWalk::Leaf(visitor, *this, &ThreeDObjectVisitor::VisitLine);
    }
};
} // namespace Velmo::Papy
