#include "Papy/Bitmap/PixelFormat.h"

namespace Velmo::Papy
{
namespace
{
constexpr PixelFormat gplFormats[] = {
    // code, store, bits, block w, h, red, green, blue, alpha, class, paletted
    {0, PixelStore::Index4, 4, 1, 1, 8, 8, 8, 8, 0, true},
    {1, PixelStore::Index4, 4, 1, 1, 8, 8, 8, 8, 1, true},
    {2, PixelStore::Index4, 4, 1, 1, 8, 8, 8, 8, 2, true},
    {3, PixelStore::R5G6B5, 16, 1, 1, 5, 6, 5, 0, 0, false},
    {4, PixelStore::A1R5G5B5, 16, 1, 1, 5, 5, 5, 1, 1, false},
    {5, PixelStore::A4R4G4B4, 16, 1, 1, 4, 4, 4, 4, 2, false},
    {6, PixelStore::RGB24, 24, 1, 1, 8, 8, 8, 0, 0, false},
    {7, PixelStore::BGRA32, 32, 1, 1, 8, 8, 8, 8, 2, false},
    {8, PixelStore::Grey8, 8, 1, 1, 8, 8, 8, 0, 0, false},
    {10, PixelStore::ColourBlock, 64, 4, 4, 5, 6, 5, 0, 0, false},
    {11, PixelStore::AlphaColourBlock, 128, 4, 4, 5, 6, 5, 4, 2, false},
};

U64 Cost(U32 wanted, U32 has, U64 shortCost)
{
    return has < wanted ? U64(wanted - has) * shortCost : U64(has - wanted);
}
} // namespace

const PixelFormat* FindGPLPixelFormat(U32 code)
{
    if (code <= 8)
        return &gplFormats[code];
    if (code == 10 || code == 11)
        return &gplFormats[code - 1];
    return nullptr;
}

U64 GetStride(const PixelFormat& format, U64 width)
{
    U64 blocks = (width + format.blockWidth - 1) / format.blockWidth;
    return (blocks * format.bitsPerUnit + 31) / 32 * 4 / format.blockHeight;
}

U64 GetPixelByteCount(const PixelFormat& format, U64 height, U64 stride)
{
    U64 blockRows = (height + format.blockHeight - 1) / format.blockHeight;
    return blockRows * format.blockHeight * stride;
}

U64 GetFormatCost(const PixelFormat& format, const FormatRequest& request)
{
    return Cost(request.redBits, format.redBits, 10) + Cost(request.greenBits, format.greenBits, 10) +
           Cost(request.blueBits, format.blueBits, 10) + Cost(request.alphaBits, format.alphaBits, 10) +
           Cost(request.transparency, format.transparency, 100);
}

std::optional<U8> ChoosePixelFormat(U64 first, U64 count, const FormatRequest& request,
                                    const std::function<const PixelFormat*(U8 code)>& candidate)
{
    std::optional<U8> best;
    U64 bestCost = 0;
    for (U64 code = first; code < first + count && code <= 255 && code >= first; ++code)
    {
        const PixelFormat* format = candidate(U8(code));
        if (format == nullptr)
            continue;
        U64 cost = GetFormatCost(*format, request);
        if (!best || cost < bestCost)
        {
            best = U8(code);
            bestCost = cost;
        }
    }
    return best;
}
} // namespace Velmo::Papy
