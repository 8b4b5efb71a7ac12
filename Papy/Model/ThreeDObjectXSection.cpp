#include "Papy/Model/ThreeDObjectXSection.h"

namespace Velmo::Papy
{
// A cross section runs the length of its segment: its latitude moves linearly from the start
// value to the end value, and its altitude follows the cubic that meets the start and end
// altitudes with the start and end slopes (slopes per unit of the fraction f).
double ThreeDObjectXSection::GetLatitude(double f) const
{
    return LatitudeAt(GetStartLatitude(), GetEndLatitude(), f);
}

namespace
{
struct Cubic
{
    double linear, square, cube;
};

Cubic GetCubic(const ThreeDObjectXSection& section)
{
    double rise = section.GetEndAltitude() - section.GetStartAltitude();
    double s0 = section.GetStartSlope();
    double s1 = section.GetEndSlope();
    return Cubic{s0, 3 * rise - 2 * s0 - s1, s0 + s1 - 2 * rise};
}
} // namespace

double ThreeDObjectXSection::GetAltitude(double f) const
{
    Cubic c = GetCubic(*this);
    return GetStartAltitude() + f * c.linear + f * f * c.square + f * f * f * c.cube;
}

double ThreeDObjectXSection::GetAltitudeSlope(double f) const
{
    Cubic c = GetCubic(*this);
    return c.linear + 2 * f * c.square + 3 * f * f * c.cube;
}
} // namespace Velmo::Papy
