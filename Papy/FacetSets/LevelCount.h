#pragma once
// The level counts of new multipart bitmaps. An automatic count is replaced by the game's rule
// (unsigned: a rule that goes below zero wraps to a large count); then, automatic or not, the
// count is capped.
#include "Util/Types.h"

namespace Velmo::Papy::LevelCount
{
// GPL MIP and SRB, N2 true-colour MIP: CeilLog2(width) - 2, capped at CeilLog2(min) + 1.
U32 GPL(U32 height, U32 width, bool automatic, U32 count);
// N2 paletted MIP and SRB: CeilLog2(min) - 2, capped at CeilLog2(min) + 1.
U32 N2(U32 height, U32 width, bool automatic, U32 count);
// N4 MIP: CeilLog2(max) + 1, capped at the same.
U32 N4(U32 height, U32 width, bool automatic, U32 count);
} // namespace Velmo::Papy::LevelCount
