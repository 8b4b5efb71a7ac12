#pragma once
// Per-vertex positions, normals and up to two sets of texture vertices.
#include "Papy/Model/Normal.h"
#include "Papy/Model/TextureVertex.h"
#include "Papy/Model/ThreeDObject.h"
#include "Papy/Model/ThreeDObjectVisitor.h"
#include "Papy/Model/ThreeDObjectWalk.h"
#include "Papy/Model/Vertex.h"
#include "Util/CountedPointer.h"

namespace Velmo::Papy
{
class ThreeDObjectVertices : public virtual ThreeDObject
{
public:
    virtual int GetVertexCount() const = 0;
    virtual Vertex GetVertex(int i) const = 0;
    virtual void SetVertex(int i, const Vertex& vertex) = 0;
    virtual Normal GetNormal(int i) const = 0;
    virtual void SetNormal(int i, const Normal& normal) = 0;
    virtual bool HasTextureVertices() const = 0;
    virtual TextureVertex GetTextureVertex(int i) const = 0;
    virtual void SetTextureVertex(int i, const TextureVertex& vertex) = 0;
    virtual bool HasSpecularTextureVertices() const = 0;
    virtual TextureVertex GetSpecularTextureVertex(int i) const = 0;
    virtual void SetSpecularTextureVertex(int i, const TextureVertex& vertex) = 0;

    void Accept(ThreeDObjectVisitor& visitor) override
    {
        ThreeDObjectWalk::Leaf(visitor, *this, &ThreeDObjectVisitor::VisitVertices);
    }
};
} // namespace Velmo::Papy
