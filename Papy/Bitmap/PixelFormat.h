#pragma once
// The pixel stores of the bitmap formats and the table of the GPL format codes (also used by
// the N4 files), with the derived sizes and the format choice of the bitmap builders.
//
// A store is one way of packing pixels into bytes; a format is a code of some file format
// bound to a store, with the bit counts and transparency class that the file format
// declares for it. Other games describe their own codes with the same record.
#include <functional>
#include <optional>

#include "Util/Types.h"

namespace Velmo::Papy
{
enum class PixelStore : U8
{
    Index4,     // 4-bit palette index, two pixels a byte, the high nibble first
    Index8,     // 8-bit palette index
    R5G6B5,     // 16-bit word: red 11-15, green 5-10, blue 0-4
    A1R5G5B5,   // 16-bit word: alpha 15, red 10-14, green 5-9, blue 0-4
    A4R4G4B4,   // 16-bit word: alpha 12-15, red 8-11, green 4-7, blue 0-3
    RGB24,      // bytes red, green, blue
    BGRA32,     // bytes blue, green, red, alpha
    Grey8,      // one byte, all three channels
    ColourBlock, // 4 x 4 pixels in 64 bits: two R5G6B5 colours and 2-bit codes
    AlphaColourBlock // 4 x 4 pixels in 128 bits: 4-bit alphas, then a colour block
};

struct PixelFormat
{
    U8 code;
    PixelStore store;
    U8 bitsPerUnit; // bits of one pixel, or of one block for the block stores
    U8 blockWidth;
    U8 blockHeight;
    U8 redBits;
    U8 greenBits;
    U8 blueBits;
    U8 alphaBits;
    U8 transparency; // 0 opaque, 1 transparent, 2 partially transparent
    bool paletted;
};

// The GPL format codes 0-8, 10 and 11; nullptr for any other code.
const PixelFormat* FindGPLPixelFormat(U32 code);

// The row stride ("width in bytes") of a width: blocks across times the bits of a block,
// rounded up to 32 bits, spread over the block's pixel rows. In 64 bits, so that no width
// can wrap it.
U64 GetStride(const PixelFormat& format, U64 width);
// The pixel bytes of an image: whole block rows of stride bytes per pixel row.
U64 GetPixelByteCount(const PixelFormat& format, U64 height, U64 stride);

// What a builder asks for: bits per channel and a transparency class.
struct FormatRequest
{
    U32 redBits;
    U32 greenBits;
    U32 blueBits;
    U32 alphaBits;
    U32 transparency;
};

// The cost of serving the request with the format: 10 for every bit short of a channel's
// wish and 1 for every bit more; 100 for every class step below the wished transparency and
// 1 for every step above.
U64 GetFormatCost(const PixelFormat& format, const FormatRequest& request);

// The cheapest of the codes first .. first + count - 1 (none beyond 255) that candidate
// gives a format for (nullptr skips the code); the earlier code wins a tie. Nothing when no
// code was considered.
std::optional<U8> ChoosePixelFormat(U64 first, U64 count, const FormatRequest& request,
                                    const std::function<const PixelFormat*(U8 code)>& candidate);
} // namespace Velmo::Papy
