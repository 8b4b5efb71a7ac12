#pragma once
// Where a car was in one frame of a GPL, N4 or N2003 replay.
#include "Util/Types.h"

namespace Velmo::Papy
{
struct GPLRpySample
{
    U32 frame;
    F64 longitude; // metres along the track
    F64 latitude;  // metres across it
    F64 angle;     // heading in radians
};
} // namespace Velmo::Papy
