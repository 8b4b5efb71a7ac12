#pragma once
// Pixel moves between any two bitmaps, and the size helpers of the mip chains.
#include "Papy/Bitmap/Bitmap.h"
#include "Util/Types.h"

namespace Velmo::Papy
{
// destination takes the source's size and every pixel, row by row from the top.
void CopyBitmap(const Bitmap& source, Bitmap& destination);

// destination takes the source's size; each pixel becomes (a, a, a, 1), a the source alpha.
void CopyAlphaAsGrey(const Bitmap& source, Bitmap& destination);

// A box filter: destination becomes (source height / rowFactor) x (source width /
// columnFactor), each pixel the alpha-weighted mean colour of its block with the block's mean
// alpha, or (0, 0, 0, 0) when the block is fully transparent. Source rows and columns beyond
// the last whole block are ignored. A factor of 0 gives an empty destination.
void DownsampleBox(const Bitmap& source, U32 rowFactor, U32 columnFactor, Bitmap& destination);

// The smallest n with 2^n >= value (0 for 0 and 1).
U32 CeilLog2(U64 value);

// The side of level m of a chain whose level 0 has a side of 2^exponent (exponent at most
// 31): halved each level, never below 1.
inline U32 MipLevelSide(U32 exponent, U32 m)
{
    return m > exponent ? 1 : U32(1) << (exponent - m);
}
} // namespace Velmo::Papy
