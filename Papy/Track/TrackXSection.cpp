#include "Papy/Track/TrackXSection.h"

namespace Velmo::Papy
{
namespace
{
// The Hermite cubic through a0 and a1 with slopes s0 and s1.
struct Cubic
{
    double constant, linear, square, cube;
};

Cubic GetCubic(const TrackXSection& section)
{
    double a0 = section.GetStartAltitude();
    double d = section.GetEndAltitude() - a0;
    double s0 = section.GetStartSlope();
    double s1 = section.GetEndSlope();
    return Cubic{a0, s0, 3 * d - 2 * s0 - s1, s0 + s1 - 2 * d};
}
} // namespace

double TrackXSection::GetLatitude(double t) const
{
    return GetStartLatitude() * (1 - t) + GetEndLatitude() * t;
}

double TrackXSection::GetAltitude(double t) const
{
    Cubic c = GetCubic(*this);
    return c.constant + c.linear * t + c.square * t * t + c.cube * t * t * t;
}

double TrackXSection::GetAltitudeSlope(double t) const
{
    Cubic c = GetCubic(*this);
    return c.linear + 2 * c.square * t + 3 * c.cube * t * t;
}
} // namespace Velmo::Papy
