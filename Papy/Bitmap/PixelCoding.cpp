#include "Papy/Bitmap/PixelCoding.h"

#include "Papy/Bitmap/Quantise.h"
#include "Util/Exception.h"
#include "Util/StreamIO.h"

namespace Velmo::Papy
{
namespace
{
inline float Field(U32 value, U32 max)
{
    return ChannelValue(value, max);
}

inline Colour FromPalette(const Palette* palette, U32 index)
{
    return palette != nullptr ? palette->GetColourOrDefault(index) : Colour();
}

// A 64-bit colour block: two R5G6B5 colours and sixteen 2-bit codes; code 0 is colour 0,
// 1 colour 1, 2 two thirds of colour 0 and 3 one third of it, the rest colour 1.
Colour DecodeColourBlock(const U8* block, U32 pixel, float alpha)
{
    U32 colour0 = Util::DecodeLE<U16>(block);
    U32 colour1 = Util::DecodeLE<U16>(block + 2);
    U32 codes = Util::DecodeLE<U32>(block + 4);
    static constexpr float weights[4] = {1.0f, 0.0f, 2.0f / 3.0f, 1.0f / 3.0f};
    float weight = weights[(codes >> (2 * pixel)) & 3];
    float rest = 1.0f - weight;
    float red = Field(colour1 >> 11, 31) * rest + Field(colour0 >> 11, 31) * weight;
    float green = Field((colour1 >> 5) & 63, 63) * rest + Field((colour0 >> 5) & 63, 63) * weight;
    float blue = Field(colour1 & 31, 31) * rest + Field(colour0 & 31, 31) * weight;
    return Colour(red, green, blue, alpha);
}
} // namespace

Colour DecodePixel(const PixelFormat& format, const U8* pixels, U32 stride, U32 row, U32 column,
                   const Palette* palette)
{
    const U8* rowStart = pixels + std::size_t(row) * stride;
    switch (format.store)
    {
    case PixelStore::Index4:
    {
        U8 byte = rowStart[column / 2];
        return FromPalette(palette, column % 2 == 0 ? byte >> 4 : byte & 15);
    }
    case PixelStore::Index8:
        return FromPalette(palette, rowStart[column]);
    case PixelStore::R5G6B5:
    {
        U32 u = Util::DecodeLE<U16>(rowStart + 2 * std::size_t(column));
        return Colour(Field(u >> 11, 31), Field((u >> 5) & 63, 63), Field(u & 31, 31), 1.0f);
    }
    case PixelStore::A1R5G5B5:
    {
        U32 u = Util::DecodeLE<U16>(rowStart + 2 * std::size_t(column));
        return Colour(Field((u >> 10) & 31, 31), Field((u >> 5) & 31, 31), Field(u & 31, 31), float(u >> 15));
    }
    case PixelStore::A4R4G4B4:
    {
        U32 u = Util::DecodeLE<U16>(rowStart + 2 * std::size_t(column));
        return Colour(Field((u >> 8) & 15, 15), Field((u >> 4) & 15, 15), Field(u & 15, 15), Field(u >> 12, 15));
    }
    case PixelStore::RGB24:
    {
        const U8* p = rowStart + 3 * std::size_t(column);
        return Colour(Field(p[0], 255), Field(p[1], 255), Field(p[2], 255), 1.0f);
    }
    case PixelStore::BGRA32:
    {
        const U8* p = rowStart + 4 * std::size_t(column);
        return Colour(Field(p[2], 255), Field(p[1], 255), Field(p[0], 255), Field(p[3], 255));
    }
    case PixelStore::Grey8:
    {
        float g = Field(rowStart[column], 255);
        return Colour(g, g, g, 1.0f);
    }
    case PixelStore::ColourBlock:
    {
        const U8* block = pixels + std::size_t(row / 4) * stride * 4 + std::size_t(column / 4) * 8;
        return DecodeColourBlock(block, (row % 4) * 4 + column % 4, 1.0f);
    }
    case PixelStore::AlphaColourBlock:
    {
        const U8* block = pixels + std::size_t(row / 4) * stride * 4 + std::size_t(column / 4) * 16;
        U32 pixel = (row % 4) * 4 + column % 4;
        U64 alphas = Util::DecodeLE<U64>(block);
        return DecodeColourBlock(block + 8, pixel, Field(U32(alphas >> (4 * pixel)) & 15, 15));
    }
    }
    VELMO_ASSERT_TEXT(false, "false");
    return Colour();
}

void EncodePixel(const PixelFormat& format, U8* pixels, U32 stride, U32 row, U32 column, const Colour& colour,
                 const Palette* palette)
{
    U8* rowStart = pixels + std::size_t(row) * stride;
    switch (format.store)
    {
    case PixelStore::Index4:
    case PixelStore::Index8:
    {
        U32 index = 0;
        VELMO_ASSERT_TEXT(palette != nullptr && palette->FindColour(colour, index), "FindColour(colour, index)");
        // A colour found only beyond what the store can index (a CMAP of more than 16
        // entries) would be written as another entry.
        U32 limit = U32(1) << format.bitsPerUnit;
        VELMO_ASSERT(index < limit);
        if (format.store == PixelStore::Index8)
            rowStart[column] = U8(index);
        else
        {
            U8& byte = rowStart[column / 2];
            byte = column % 2 == 0 ? U8((byte & 0x0F) | (index & 15) << 4) : U8((byte & 0xF0) | (index & 15));
        }
        return;
    }
    case PixelStore::R5G6B5:
        Util::EncodeLE<U16>(U16(QuantiseChannel(colour.GetBlue(), 31) | QuantiseChannel(colour.GetRed(), 31) << 11 |
                                QuantiseChannel(colour.GetGreen(), 63) << 5),
                            rowStart + 2 * std::size_t(column));
        return;
    case PixelStore::A1R5G5B5:
        Util::EncodeLE<U16>(U16(QuantiseChannel(colour.GetBlue(), 31) | QuantiseChannel(colour.GetRed(), 31) << 10 |
                                QuantiseChannel(colour.GetGreen(), 31) << 5 |
                                QuantiseChannel(colour.GetAlpha(), 1) << 15),
                            rowStart + 2 * std::size_t(column));
        return;
    case PixelStore::A4R4G4B4:
        Util::EncodeLE<U16>(U16(QuantiseChannel(colour.GetBlue(), 15) | QuantiseChannel(colour.GetGreen(), 15) << 4 |
                                QuantiseChannel(colour.GetRed(), 15) << 8 |
                                QuantiseChannel(colour.GetAlpha(), 15) << 12),
                            rowStart + 2 * std::size_t(column));
        return;
    case PixelStore::RGB24:
    {
        U8* p = rowStart + 3 * std::size_t(column);
        p[0] = U8(QuantiseChannel(colour.GetRed(), 255));
        p[1] = U8(QuantiseChannel(colour.GetGreen(), 255));
        p[2] = U8(QuantiseChannel(colour.GetBlue(), 255));
        return;
    }
    case PixelStore::BGRA32:
    {
        U8* p = rowStart + 4 * std::size_t(column);
        p[0] = U8(QuantiseChannel(colour.GetBlue(), 255));
        p[1] = U8(QuantiseChannel(colour.GetGreen(), 255));
        p[2] = U8(QuantiseChannel(colour.GetRed(), 255));
        p[3] = U8(QuantiseChannel(colour.GetAlpha(), 255));
        return;
    }
    case PixelStore::Grey8:
        rowStart[column] = U8(QuantiseChannel(colour.GetRed(), 255));
        return;
    case PixelStore::ColourBlock:
    case PixelStore::AlphaColourBlock:
        break;
    }
    VELMO_ASSERT_TEXT(false, "false");
}
} // namespace Velmo::Papy
