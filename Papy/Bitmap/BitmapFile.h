#pragma once
// What a bitmap file of any game answers about its pixels, whether it holds one bitmap
// (PbfFile) or a chain of levels (MipChainFile): its size, its palette, the bits of each
// channel and the transparency class, the values it holds whose meaning is unknown, and Save.
#include "Papy/Bitmap/Palette.h"
#include "Util/BinaryStream.h"
#include "Util/CountedPointer.h"

namespace Velmo::Papy
{
class BitmapFile
{
public:
    virtual ~BitmapFile() = default;
    virtual U32 GetWidth() const = 0;
    virtual U32 GetHeight() const = 0;
    virtual bool IsPaletted() const = 0;
    virtual Util::CountedPointer<Palette> GetPalette() const = 0;
    virtual U8 GetRedBits() const = 0;
    virtual U8 GetGreenBits() const = 0;
    virtual U8 GetBlueBits() const = 0;
    virtual U8 GetAlphaBits() const = 0;
    // 0 opaque, 1 transparent, 2 partially transparent.
    virtual U8 GetTransparency() const = 0;
    // None by default; asking for one fails the assertion "false".
    virtual U32 GetUnknownIntCount() const { return 0; }
    virtual U32 GetUnknownInt(U32 i) const;
    virtual void Save(Util::BinaryStream& stream) const = 0;
};
} // namespace Velmo::Papy
