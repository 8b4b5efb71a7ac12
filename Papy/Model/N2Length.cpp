#include "Papy/Model/N2Length.h"

#include <cmath>

namespace Velmo::Papy
{
namespace
{
constexpr long double MetresPerMile = 1.609344L;
constexpr long double UnitsPerMile = 31680.0L;

// The length in units, rounded half away from zero, as a wide value.
long double RoundedUnits(double metres)
{
    const long double units = static_cast<long double>(metres) / MetresPerMile * UnitsPerMile;
    return units < 0 ? std::trunc(units - 0.5L) : std::trunc(units + 0.5L);
}
} // namespace

double N2LengthToMetres(S32 value)
{
    return static_cast<double>(static_cast<long double>(value) / UnitsPerMile * MetresPerMile);
}

bool N2LengthFits(double metres)
{
    if (std::isnan(metres))
        return false;
    const long double units = RoundedUnits(metres);
    return units >= -2147483648.0L && units <= 2147483647.0L;
}

S32 MetresToN2Length(double metres)
{
    if (std::isnan(metres))
        return 0;
    const long double units = RoundedUnits(metres);
    if (units <= -2147483648.0L)
        return S32(-2147483647 - 1);
    if (units >= 2147483647.0L)
        return S32(2147483647);
    return S32(units);
}
} // namespace Velmo::Papy
