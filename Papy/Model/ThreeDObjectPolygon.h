#pragma once
// A polygon over vertices of the file's vertex table, with optional colour-map index, shades,
// normals and texture vertices. Ask the Has-operations before the matching getters.
#include "Papy/Model/Colour.h"
#include "Papy/Model/Normal.h"
#include "Papy/Model/TextureVertex.h"
#include "Papy/Model/ThreeDObject.h"
#include "Papy/Model/ThreeDObjectVisitor.h"
#include "Papy/Model/ThreeDObjectWalk.h"
#include "Papy/Model/Vertex.h"
#include "Util/CountedPointer.h"

namespace Velmo::Papy
{
class MipFile;

class ThreeDObjectPolygon : public virtual ThreeDObject
{
public:
    virtual int GetVertexCount() const = 0;
    virtual Vertex GetVertex(int i) const = 0;
    // Index of the vertex in the file's vertex table.
    virtual int GetVertexId(int i) const = 0;
    virtual void SetVertexId(int i, int id) = 0;
    virtual bool HasColour() const { return true; }
    virtual Colour GetColour() const;
    virtual bool HasColourMapIndex() const { return false; }
    virtual int GetColourMapIndex() const;
    virtual bool HasShades() const { return false; }
    virtual Colour GetShade(int i) const;
    virtual void SetShade(int i, const Colour& shade);
    virtual bool HasNormals() const { return false; }
    virtual Normal GetNormal(int i) const;
    virtual int GetNormalId(int i) const;
    virtual void SetNormalId(int i, int id);
    virtual bool HasTextureVertices() const { return false; }
    virtual TextureVertex GetTextureVertex(int i) const;
    // Converts texture vertices kept in pixels of the texture into 0..1 once; later calls do nothing.
    virtual void PrepareTextureVertices(const Util::CountedPointer<MipFile>& texture) { static_cast<void>(texture); }

    void Accept(ThreeDObjectVisitor& visitor) override
    {
        ThreeDObjectWalk::Leaf(visitor, *this, &ThreeDObjectVisitor::VisitPolygon);
    }
};
} // namespace Velmo::Papy
