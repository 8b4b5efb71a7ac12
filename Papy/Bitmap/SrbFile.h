#pragma once
// A scaled bitmap file of any game: a mip-mapped texture laid on a world-space rectangle.
#include "Papy/Bitmap/MipChainFile.h"
#include "Papy/Model/TextureVertex.h"
#include "Papy/Model/Vertex.h"

namespace Velmo::Papy
{
class SrbFile : public MipChainFile
{
public:
    // The rectangle's corners (y = 0) and their texture coordinates, i from 0 to 3.
    virtual Vertex GetCorner(U32 i) const = 0;
    virtual TextureVertex GetTextureCoord(U32 i) const = 0;
    // Unknown values beyond those a file has read 0.
    U32 GetUnknownInt(U32 i) const override;
    float GetUnknownFloat(U32 i) const override;
    virtual Util::CountedPointer<SrbFile> Clone() const = 0;

protected:
    // The rectangle of every scaled bitmap: a and b place the origin across and down (as
    // fractions of the used texture), w and d are the world width and depth; u and v are the
    // used fractions of the texture. Index 0 serves any i other than 1 to 3.
    static Vertex RectangleCorner(U32 i, double a, double b, double w, double d);
    static TextureVertex RectangleTextureCoord(U32 i, double u, double v);
};
} // namespace Velmo::Papy
