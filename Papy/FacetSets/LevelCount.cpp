#include "Papy/FacetSets/LevelCount.h"

#include <algorithm>

#include "Papy/Bitmap/BitmapOperations.h"

namespace Velmo::Papy::LevelCount
{
U32 GPL(U32 height, U32 width, bool automatic, U32 count)
{
    if (automatic)
        count = CeilLog2(width) - 2u;
    return std::min(count, CeilLog2(std::min(height, width)) + 1u);
}

U32 N2(U32 height, U32 width, bool automatic, U32 count)
{
    const U32 smaller = CeilLog2(std::min(height, width));
    if (automatic)
        count = smaller - 2u;
    return std::min(count, smaller + 1u);
}

U32 N4(U32 height, U32 width, bool automatic, U32 count)
{
    const U32 larger = CeilLog2(std::max(height, width)) + 1u;
    if (automatic)
        count = larger;
    return std::min(count, larger);
}
} // namespace Velmo::Papy::LevelCount
