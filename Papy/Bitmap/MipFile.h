#pragma once
// A multipart (mip-mapped) texture file of any game: level 0 the largest.
#include <string>

#include "Papy/Bitmap/Bitmap.h"
#include "Papy/Bitmap/Palette.h"
#include "Util/BinaryStream.h"
#include "Util/CountedPointer.h"

namespace Velmo::Papy
{
class MipFile
{
public:
    virtual ~MipFile() = default;
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
    // 0 opaque, 1 transparent, 2 partially transparent.
    virtual U8 GetTransparency() const = 0;
    // 0 none, 1 block-compressed.
    virtual U8 GetCompression() const = 0;
    virtual bool RepeatsHorizontally() const = 0;
    virtual bool RepeatsVertically() const = 0;
    virtual bool IsSelfObscuring() const = 0;
    virtual U32 GetUnknownIntCount() const;
    virtual U32 GetUnknownInt(U32 i) const;
    virtual U32 GetUnknownFloatCount() const;
    virtual float GetUnknownFloat(U32 i) const;
    virtual U32 GetUnknownStringCount() const;
    virtual std::string GetUnknownString(U32 i) const;
    // Writes the whole file at the stream's position.
    virtual void Save(Util::BinaryStream& stream) const = 0;
    virtual Util::CountedPointer<MipFile> Clone() const = 0;
};
} // namespace Velmo::Papy
