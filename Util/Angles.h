#pragma once
// The circle constant and the conversions between degrees and radians.

namespace Velmo::Util
{
extern const double pi;

double DegreesToRadians(double x);
double RadiansToDegrees(double x);
} // namespace Velmo::Util
