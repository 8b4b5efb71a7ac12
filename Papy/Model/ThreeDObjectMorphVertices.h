#pragma once
// Vertices with named morphs, each replacing some of the vertices and normals.
#include <string>

#include "Papy/Model/Normal.h"
#include "Papy/Model/TextureVertex.h"
#include "Papy/Model/ThreeDObject.h"
#include "Papy/Model/ThreeDObjectVisitor.h"
#include "Papy/Model/ThreeDObjectWalk.h"
#include "Papy/Model/Vertex.h"
#include "Util/CountedPointer.h"

namespace Velmo::Papy
{
class ThreeDObjectMorphVertices : public virtual ThreeDObject
{
public:
    virtual int GetVertexCount() const = 0;
    virtual Vertex GetVertex(int i) const = 0;
    virtual Normal GetNormal(int i) const = 0;
    virtual bool HasTextureVertices() const = 0;
    virtual TextureVertex GetTextureVertex(int i) const = 0;
    virtual bool HasSpecularTextureVertices() const = 0;
    virtual TextureVertex GetSpecularTextureVertex(int i) const = 0;
    virtual int GetMorphCount() const = 0;
    virtual std::string GetMorphName(int m) const = 0;
    virtual int GetMorphValue(int m) const = 0;
    // Whether morph m replaces base vertex v.
    virtual bool IsMorphed(int m, int v) const = 0;
    virtual Vertex GetMorphedVertex(int m, int v) const = 0;
    virtual Normal GetMorphedNormal(int m, int v) const = 0;

    void Accept(ThreeDObjectVisitor& visitor) override
    {
        ThreeDObjectWalk::Leaf(visitor, *this, &ThreeDObjectVisitor::VisitMorphVertices);
    }
};
} // namespace Velmo::Papy
