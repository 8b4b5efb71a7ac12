#pragma once
// A pure (single) bitmap file of any game.
#include "Papy/Bitmap/Bitmap.h"
#include "Papy/Bitmap/Palette.h"
#include "Util/BinaryStream.h"
#include "Util/CountedPointer.h"

namespace Velmo::Papy
{
class PbfFile
{
public:
    virtual ~PbfFile() = default;
    virtual Util::CountedPointer<Bitmap> GetBitmap() const = 0;
    // Takes the size and every pixel of the bitmap.
    virtual void CopyFrom(const Bitmap& bitmap) = 0;
    virtual U32 GetWidth() const = 0;
    virtual U32 GetHeight() const = 0;
    virtual bool IsPaletted() const = 0;
    virtual Util::CountedPointer<Palette> GetPalette() const = 0;
    virtual U8 GetRedBits() const = 0;
    virtual U8 GetGreenBits() const = 0;
    virtual U8 GetBlueBits() const = 0;
    virtual U8 GetAlphaBits() const = 0;
    virtual U32 GetUnknownIntCount() const;
    virtual U32 GetUnknownInt(U32 i) const;
    virtual U8 GetTransparency() const = 0;
    virtual void Save(Util::BinaryStream& stream) const = 0;
    virtual Util::CountedPointer<PbfFile> Clone() const = 0;
};
} // namespace Velmo::Papy
