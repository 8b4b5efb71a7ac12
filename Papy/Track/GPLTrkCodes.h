#pragma once
// The codes a GPL track stores for floor surfaces and wall kinds (the kind word of a boundary,
// without the wall bit), each kind of code one table read both ways. Reading a code no row
// reads gives Unknown, or fails the assertion "false" under Strict; writing a value no row
// writes always fails it. Each assertion names the reader's unit and its line as users know it.
#include "Papy/Model/SurfaceType.h"
#include "Papy/Model/WallType.h"
#include "Util/Types.h"

namespace Velmo::Papy
{
class GPLTrkCodes
{
public:
    static SurfaceType FloorSurface(S32 code);
    static S32 FloorCode(SurfaceType type);
    static WallType WallKind(S32 code);
    static S32 WallCode(WallType type);
};
} // namespace Velmo::Papy
