#include "Papy/Bitmap/DIB.h"

#include <algorithm>

#include "Papy/Bitmap/Quantise.h"
#include "Util/Exception.h"
#include "Util/StreamIO.h"

namespace Velmo::Papy
{
namespace
{
// Offsets in the info header.
constexpr U32 SizeField = 0;
constexpr U32 WidthField = 4;
constexpr U32 HeightField = 8;
constexpr U32 PlanesField = 12;
constexpr U32 BitCountField = 14;
constexpr U32 SizeImageField = 20;

bool ValidBitCount(U32 bits)
{
    return bits == 1 || bits == 4 || bits == 8 || bits == 16 || bits == 24 || bits == 32;
}

U32 TableEntries(U32 bits)
{
    return bits <= 8 ? U32(1) << bits : 0;
}
} // namespace

DIB::DIB(U16 bitCount)
{
    VELMO_ASSERT_TEXT(ValidBitCount(bitCount), "false");
    Util::EncodeLE<U32>(40, m_info.data() + SizeField);
    Util::EncodeLE<U16>(1, m_info.data() + PlanesField);
    Util::EncodeLE<U16>(bitCount, m_info.data() + BitCountField);
    m_colourTable.resize(std::size_t(TableEntries(bitCount)) * 4);
}

U16 DIB::GetBitCount() const
{
    return Util::DecodeLE<U16>(m_info.data() + BitCountField);
}

S32 DIB::GetInfoS32(U32 offset) const
{
    return Util::DecodeLE<S32>(m_info.data() + offset);
}

void DIB::SetInfoU32(U32 offset, U32 value)
{
    Util::EncodeLE<U32>(value, m_info.data() + offset);
}

void DIB::SetPalette(const Util::CountedPointer<Palette>& palette)
{
    m_palette = palette;
    std::fill(m_colourTable.begin(), m_colourTable.end(), 0);
    if (!palette)
        return;
    U32 entries = std::min<U32>(U32(m_colourTable.size() / 4), palette->GetColourCount());
    for (U32 i = 0; i < entries; ++i)
    {
        const Colour& c = (*palette)[i];
        m_colourTable[4 * i] = U8(QuantiseChannel(c.GetBlue(), 255));
        m_colourTable[4 * i + 1] = U8(QuantiseChannel(c.GetGreen(), 255));
        m_colourTable[4 * i + 2] = U8(QuantiseChannel(c.GetRed(), 255));
    }
}

U32 DIB::GetWidth() const
{
    return U32(GetInfoS32(WidthField));
}

U32 DIB::GetHeight() const
{
    S32 height = GetInfoS32(HeightField);
    return height < 0 ? U32(0) - U32(height) : U32(height);
}

void DIB::Resize(U32 height, U32 width)
{
    U32 bits = GetBitCount();
    VELMO_ASSERT_TEXT(ValidBitCount(bits), "false");
    // The header holds signed 32-bit sizes and a 32-bit image size.
    U64 stride = (U64(width) * bits + 31) / 32 * 4;
    U64 image = stride * height;
    VELMO_ASSERT(width <= 0x7FFFFFFFu && height <= 0x7FFFFFFFu && image <= 0xFFFFFFFFu);
    SetInfoU32(WidthField, width);
    SetInfoU32(HeightField, height);
    m_stride = U32(stride);
    SetInfoU32(SizeImageField, U32(image));
    m_pixels.assign(std::size_t(image), 0);
    // Every pixel byte is cleared above, the padding words with them.
}

U8* DIB::RowOf(U32 row)
{
    S32 height = GetInfoS32(HeightField);
    U32 stored = height > 0 ? U32(height) - 1 - row : row;
    return m_pixels.data() + std::size_t(stored) * m_stride;
}

const U8* DIB::RowOf(U32 row) const
{
    return const_cast<DIB*>(this)->RowOf(row);
}

Colour DIB::PaletteColour(U32 index) const
{
    return m_palette ? m_palette->GetColourOrDefault(index) : Colour();
}

Colour DIB::GetPixel(U32 row, U32 column) const
{
    const U8* p = RowOf(row);
    switch (GetBitCount())
    {
    case 1:
        return PaletteColour((p[column / 8] >> (7 - column % 8)) & 1);
    case 4:
        return PaletteColour(column % 2 == 0 ? p[column / 2] >> 4 : p[column / 2] & 15);
    case 8:
        return PaletteColour(p[column]);
    case 16:
    {
        U16 u = Util::DecodeLE<U16>(p + 2 * std::size_t(column));
        return Colour(ChannelValue((u >> 10) & 31, 31), ChannelValue((u >> 5) & 31, 31), ChannelValue(u & 31, 31),
                      1.0f);
    }
    case 24:
        p += 3 * std::size_t(column);
        return Colour(ChannelValue(p[2], 255), ChannelValue(p[1], 255), ChannelValue(p[0], 255), 1.0f);
    case 32:
        p += 4 * std::size_t(column);
        return Colour(ChannelValue(p[2], 255), ChannelValue(p[1], 255), ChannelValue(p[0], 255), 1.0f);
    }
    VELMO_ASSERT_TEXT(false, "false");
    return Colour();
}

void DIB::SetPixel(U32 row, U32 column, const Colour& colour)
{
    U8* p = RowOf(row);
    U32 bits = GetBitCount();
    if (bits <= 8)
    {
        VELMO_ASSERT_TEXT(ValidBitCount(bits), "false");
        U32 index = 0;
        VELMO_ASSERT_TEXT(m_palette && m_palette->FindColour(colour, index), "FindColour(colour, index)");
        // An entry beyond what the pixel bits can index would be written as another entry.
        U32 limit = U32(1) << bits;
        VELMO_ASSERT(index < limit);
        if (bits == 1)
        {
            U8 mask = U8(0x80 >> (column % 8));
            p[column / 8] = U8((p[column / 8] & ~mask) | ((index & 1) ? mask : 0));
        }
        else if (bits == 4)
        {
            U8& byte = p[column / 2];
            byte = column % 2 == 0 ? U8((byte & 0x0F) | (index & 15) << 4) : U8((byte & 0xF0) | (index & 15));
        }
        else
            p[column] = U8(index);
        return;
    }
    U32 red = QuantiseChannel(colour.GetRed(), 255);
    U32 green = QuantiseChannel(colour.GetGreen(), 255);
    U32 blue = QuantiseChannel(colour.GetBlue(), 255);
    switch (bits)
    {
    case 16:
        Util::EncodeLE<U16>(U16(QuantiseChannel(colour.GetBlue(), 31) | QuantiseChannel(colour.GetGreen(), 31) << 5 |
                                QuantiseChannel(colour.GetRed(), 31) << 10),
                            p + 2 * std::size_t(column));
        return;
    case 24:
        p += 3 * std::size_t(column);
        p[0] = U8(blue);
        p[1] = U8(green);
        p[2] = U8(red);
        return;
    case 32:
        p += 4 * std::size_t(column);
        p[0] = U8(blue);
        p[1] = U8(green);
        p[2] = U8(red);
        p[3] = 0;
        return;
    }
    VELMO_ASSERT_TEXT(false, "false");
}
} // namespace Velmo::Papy
