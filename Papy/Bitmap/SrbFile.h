#pragma once
// A scaled bitmap file of any game: a mip-mapped texture laid on a world-space rectangle.
#include "Papy/Bitmap/Bitmap.h"
#include "Papy/Bitmap/Palette.h"
#include "Papy/Model/TextureVertex.h"
#include "Papy/Model/Vertex.h"
#include "Util/BinaryStream.h"
#include "Util/CountedPointer.h"

namespace Velmo::Papy
{
class SrbFile
{
public:
    virtual ~SrbFile() = default;
    virtual U32 GetBitmapCount() const = 0;
    virtual Util::CountedPointer<Bitmap> GetBitmap(U32 level) const = 0;
    virtual U32 GetWidth() const = 0;
    virtual U32 GetHeight() const = 0;
    virtual bool IsPaletted() const = 0;
    virtual bool HasIndividualPalettes() const = 0;
    virtual Util::CountedPointer<Palette> GetPalette(U32 level) const = 0;
    virtual Util::CountedPointer<Palette> GetPalette() const = 0;
    virtual Colour GetHeaderColour() const = 0;
    virtual U8 GetRedBits() const = 0;
    virtual U8 GetGreenBits() const = 0;
    virtual U8 GetBlueBits() const = 0;
    virtual U8 GetAlphaBits() const = 0;
    virtual U8 GetTransparency() const = 0;
    // The rectangle's corners (y = 0) and their texture coordinates, i from 0 to 3.
    virtual Vertex GetCorner(U32 i) const = 0;
    virtual TextureVertex GetTextureCoord(U32 i) const = 0;
    virtual U32 GetUnknownIntCount() const;
    virtual U32 GetUnknownInt(U32 i) const;
    virtual U32 GetUnknownFloatCount() const;
    virtual float GetUnknownFloat(U32 i) const;
    virtual void Save(Util::BinaryStream& stream) const = 0;
    virtual Util::CountedPointer<SrbFile> Clone() const = 0;

protected:
    // The rectangle of every scaled bitmap: a and b place the origin across and down (as
    // fractions of the used texture), w and d are the world width and depth; u and v are the
    // used fractions of the texture. Index 0 serves any i other than 1 to 3.
    static Vertex RectangleCorner(U32 i, double a, double b, double w, double d);
    static TextureVertex RectangleTextureCoord(U32 i, double u, double v);
};
} // namespace Velmo::Papy
