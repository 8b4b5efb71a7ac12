#pragma once
// A device-independent bitmap as the bitmap views hand it to a drawing surface: a 44-byte
// info block (the 40-byte header and one colour-table entry, little-endian), an optional
// colour table and the pixel rows, bottom row first for a positive height, each row padded to
// 32 bits. 1, 4 and 8 bits per pixel index a palette; 16 bits are x1R5G5B5; 24 and 32 bits
// are blue, green, red (and an unused byte).
#include <array>
#include <vector>

#include "Papy/Bitmap/Bitmap.h"
#include "Papy/Bitmap/Palette.h"
#include "Util/CountedPointer.h"

namespace Velmo::Papy
{
class DIB : public Bitmap
{
public:
    static constexpr U32 InfoSize = 44;

    // bitCount one of 1, 4, 8, 16, 24, 32 (else the assertion "false"); 0 x 0, no pixels.
    explicit DIB(U16 bitCount);

    const U8* GetBitmapInfo() const { return m_info.data(); }
    const U8* GetBits() const { return m_pixels.empty() ? nullptr : m_pixels.data(); }
    U8* GetBits() { return m_pixels.empty() ? nullptr : m_pixels.data(); }
    U32 GetStride() const { return m_stride; }
    U16 GetBitCount() const;
    // The colour table: 2, 16 or 256 entries of blue, green, red, 0 for 1, 4 and 8 bits.
    const std::vector<U8>& GetColourTable() const { return m_colourTable; }

    // The palette that the 1-, 4- and 8-bit modes read and write through (none at
    // construction: their pixels then read as (0, 0, 0, 0) and cannot be written). Attaching
    // one also fills the colour table with its first entries.
    void SetPalette(const Util::CountedPointer<Palette>& palette);
    Util::CountedPointer<Palette> GetPalette() const { return m_palette; }

    U32 GetWidth() const override;
    U32 GetHeight() const override;
    // New rows bottom-up; the padding word at the end of each padded row is cleared.
    void Resize(U32 height, U32 width) override;
    Colour GetPixel(U32 row, U32 column) const override;
    void SetPixel(U32 row, U32 column, const Colour& colour) override;

private:
    S32 GetInfoS32(U32 offset) const;
    void SetInfoU32(U32 offset, U32 value);
    U8* RowOf(U32 row);
    const U8* RowOf(U32 row) const;
    Colour PaletteColour(U32 index) const;

    std::array<U8, InfoSize> m_info{};
    std::vector<U8> m_colourTable;
    std::vector<U8> m_pixels;
    Util::CountedPointer<Palette> m_palette;
    U32 m_stride = 0;
};
} // namespace Velmo::Papy
