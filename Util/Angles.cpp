#include "Util/Angles.h"

#include <cmath>

namespace Velmo::Util
{
const double pi = std::acos(-1.0);

double DegreesToRadians(double x)
{
    return pi * x / 180;
}

double RadiansToDegrees(double x)
{
    return x / pi * 180;
}
} // namespace Velmo::Util
