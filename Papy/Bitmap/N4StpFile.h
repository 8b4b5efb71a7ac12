#pragma once
// The N4 single bitmap (.stp): an "STMP" chunk over the file holding an "STHD" chunk (one
// value, 1), a "DATA" chunk (a reserved 0, the 16-bit width and height and an unknown value)
// and one GPL BMAP chunk, stored or imploded.
#include "Papy/Bitmap/GPLBMAPSectionFile.h"

namespace Velmo::Papy
{
class N4StpFile : public GPLBMAPSectionFile
{
public:
    // Reads the file from offset 0.
    explicit N4StpFile(Util::BinaryStream& stream);
    // A new empty bitmap, format 7 (32-bit) when alpha bits or transparency are asked for, else
    // 6 (24-bit), written imploded. Palettes: XUsage "N4 stp palettes not supported"; a side
    // beyond 65535: XUsage (the file holds 16 bits).
    N4StpFile(U32 height, U32 width, U8 redBits, U8 greenBits, U8 blueBits, U8 alphaBits, U8 transparency,
              bool paletted, U32 paletteSize);
    N4StpFile(const N4StpFile&) = delete;
    N4StpFile& operator=(const N4StpFile&) = delete;

    // Takes the bitmap's size (XUsage beyond 65535) and every pixel.
    void CopyFrom(const Bitmap& bitmap) override;
    U32 GetWidth() const override { return m_width; }
    U32 GetHeight() const override { return m_height; }
    U32 GetUnknownIntCount() const override { return 1; }
    U32 GetUnknownInt(U32) const override { return m_unknown; }
    // Writes the whole file from offset 0 and leaves the stream at offset 12.
    void Save(Util::BinaryStream& stream) const override;
    Util::CountedPointer<PbfFile> Clone() const override;

private:
    N4StpFile() = default;

    U16 m_width = 0;
    U16 m_height = 0;
    U32 m_unknown = 0;
};
} // namespace Velmo::Papy
