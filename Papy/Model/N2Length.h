#pragma once
// The N2 length unit: a signed 32-bit integer counting 1/31680 of 1.609344 metres (one
// five-hundredth of an inch, 5.08e-05 m). Used by the N2 3D objects and the N2 scaled bitmaps.
#include "Util/Types.h"

namespace Velmo::Papy
{
// value / 31680 * 1.609344, computed in extended precision.
double N2LengthToMetres(S32 value);

// metres / 1.609344 * 31680 rounded half away from zero. Values beyond the 32-bit range are
// clamped to its ends and NaN gives 0; callers that must not lose a value ask
// N2LengthFits first.
S32 MetresToN2Length(double metres);

// Whether metres, rounded as MetresToN2Length rounds, is a 32-bit N2 length.
bool N2LengthFits(double metres);
} // namespace Velmo::Papy
