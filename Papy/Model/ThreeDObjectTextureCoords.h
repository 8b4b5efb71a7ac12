#pragma once
// Texture vertices of a floor or wall section.
#include "Papy/Model/TextureVertex.h"
#include "Papy/Model/ThreeDObject.h"
#include "Papy/Model/ThreeDObjectVisitor.h"
#include "Papy/Model/ThreeDObjectWalk.h"
#include "Util/CountedPointer.h"

namespace Velmo::Papy
{
class ThreeDObjectTextureCoords : public virtual ThreeDObject
{
public:
    virtual int GetVertexCount() const = 0;
    virtual bool HasTextureVertices() const = 0;
    virtual TextureVertex GetTextureVertex(int i) const = 0;

    void Accept(ThreeDObjectVisitor& visitor) override
    {
        ThreeDObjectWalk::Leaf(visitor, *this, &ThreeDObjectVisitor::VisitTextureCoords);
    }
};
} // namespace Velmo::Papy
