#include "Papy/Track/PtfTrackXSection.h"

namespace Velmo::Papy
{
double PtfTrackXSection::GetLinear() const
{
    return GetStartSlope();
}

double PtfTrackXSection::GetSquare() const
{
    return 3 * (GetEndAltitude() - GetStartAltitude()) - 2 * GetStartSlope() - GetEndSlope();
}

double PtfTrackXSection::GetCube() const
{
    return GetStartSlope() + GetEndSlope() - 2 * (GetEndAltitude() - GetStartAltitude());
}
} // namespace Velmo::Papy
