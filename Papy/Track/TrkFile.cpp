#include "Papy/Track/TrkFile.h"

#include <algorithm>
#include <cmath>
#include <limits>

#include "Util/Exception.h"

namespace Velmo::Papy
{
namespace
{
constexpr S64 One = S64(1) << 30;
// Angle units per radian.
constexpr double AngleScale = 4294967296.0 / 6.283185307179586;
// The unit that the look-up assertions name, and the lines of the 2D look-up: from a 2D
// longitude to a 3D one, and to a section.
const char* const Unit = ".\\TrkFile.cpp";
constexpr int Convert2DLine = 324;
constexpr int Find2DLine = 342;

// Fixed-point product with 2^30 = 1. The product is formed in 128 bits so that no value read
// from a file can overflow it; for values of 32 bits it is the plain 64-bit product.
S64 Mul(S64 a, S64 b)
{
    return S64((__int128(a) * b) >> 30);
}

// An angle in angle units kept within one turn as a signed 32-bit value.
S64 WrapAngle(S64 angle)
{
    return S64(S32(U32(U64(angle))));
}

// Double to integer, truncated toward zero; values beyond 64 bits and NaN are held back.
S64 ToInteger(double value)
{
    if (!(value == value))
        return 0;
    if (value >= 9.2e18)
        return S64(9.2e18);
    if (value <= -9.2e18)
        return S64(-9.2e18);
    return S64(value);
}

// Pitch of a grade (8192 = 1): the angle whose tangent is the grade, in angle units. Steep
// grades take the complementary angle of the inverse grade, which atan2 gives directly; the
// pitch so runs continuously through every grade.
S64 GradeToPitch(S64 grade)
{
    return ToInteger(std::atan2(double(grade), 8192.0) * AngleScale);
}
} // namespace

void TrkFile::SetAltitude(int s, int l, int constant, int linear, int square, int cube)
{
    SetAltitudeConstant(s, l, constant);
    SetAltitudeLinear(s, l, linear);
    SetAltitudeSquare(s, l, square);
    SetAltitudeCube(s, l, cube);
}

float TrkFile::GetSection2DStart(int s) const
{
    VELMO_ASSERT(s >= 0 && s < int(m_sections2D.size()));
    return m_sections2D[s].Start;
}

float TrkFile::GetSection2DLength(int s) const
{
    VELMO_ASSERT(s >= 0 && s < int(m_sections2D.size()));
    return m_sections2D[s].Length;
}

double TrkFile::GetSectionRatio(int s) const
{
    VELMO_ASSERT(s >= 0 && s < int(m_sections2D.size()));
    return m_sections2D[s].Ratio;
}

double TrkFile::WrapLongitude(double longitude, double length)
{
    // fmod instead of repeated adding: a far longitude or a lap of length 0 cannot hang.
    if (!(length > 0) || !std::isfinite(longitude))
        return 0;
    double wrapped = std::fmod(longitude, length);
    if (wrapped < 0)
        wrapped += length;
    if (wrapped >= length)
        wrapped = 0;
    return wrapped;
}

S64 TrkFile::WrapLongitude(S64 longitude, S64 length)
{
    if (length <= 0)
        return 0;
    S64 wrapped = longitude % length;
    return wrapped < 0 ? wrapped + length : wrapped;
}

int TrkFile::MetresToUnits(double metres)
{
    double units = metres / LengthUnit;
    if (!(units == units))
        return 0;
    if (units >= 2147483647.0)
        return std::numeric_limits<int>::max();
    if (units <= -2147483648.0)
        return std::numeric_limits<int>::min();
    return int(units);
}

int TrkFile::Find3DSection(S64 longitude3D, S64& offset) const
{
    longitude3D = WrapLongitude(longitude3D, GetLength());
    auto it = std::upper_bound(m_starts3D.begin(), m_starts3D.end(), longitude3D);
    VELMO_ASSERT_AT(it != m_starts3D.begin(), "it != Section3DLongitudeMap.end()", Unit, 53);
    int s = int(it - m_starts3D.begin()) - 1;
    offset = longitude3D - m_starts3D[s];
    return s;
}

int TrkFile::Find2DSection(double longitude2D, double& offset2D) const
{
    return Find2DSection(longitude2D, offset2D, Find2DLine);
}

int TrkFile::Find2DSection(double longitude2D, double& offset2D, int line) const
{
    longitude2D = WrapLongitude(longitude2D, m_length2D);
    auto it = std::upper_bound(m_starts2D.begin(), m_starts2D.end(), longitude2D,
                               [](double value, float start) { return value < double(start); });
    VELMO_ASSERT_AT(it != m_starts2D.begin(), "it != Section2DLongitudeMap.end()", Unit, line);
    int s = int(it - m_starts2D.begin()) - 1;
    offset2D = longitude2D - double(m_starts2D[s]);
    return s;
}

int TrkFile::Convert2DTo3D(double longitude2D) const
{
    double offset2D;
    int s = Find2DSection(longitude2D, offset2D, Convert2DLine);
    // The running float starts may leave an offset a hair beyond its section's 2D length.
    offset2D = std::min(offset2D, double(m_sections2D[s].Length));
    S64 offset = ToInteger(offset2D * m_sections2D[s].Ratio / LengthUnit);
    offset = std::clamp<S64>(offset, 0, std::max(GetSectionLength(s), 0));
    return int(S64(GetSectionStart(s)) + offset);
}

int TrkFile::FindSurface(int s, S64 latitude, S64 t) const
{
    int count = GetFloorCount(s);
    if (count <= 0)
        return -1;
    for (int b = 0; b < count; ++b)
    {
        S64 from = GetFloorLeftFrom(s, b);
        S64 to = GetFloorLeftTo(s, b);
        if (latitude < from || latitude < to)
        {
            if (from + Mul(to - from, t) > latitude)
                return b;
        }
    }
    return count - 1;
}

TrkFilePosition TrkFile::ComputePosition(S64 longitude3D, S64 latitude, bool withSurface) const
{
    TrkFilePosition position;
    S64 o;
    int s = Find3DSection(longitude3D, o);
    S64 length = GetSectionLength(s);
    // A section of length 0 has every place at its start.
    S64 t = 0;
    if (length > 0)
    {
        VELMO_ASSERT_AT(o >= 0 && o <= length, "dividend <= divisor", Unit, 383);
        t = o * One / length;
    }

    int lateralCount = GetLateralCount();
    int l = lateralCount - 1;
    for (int i = 1; i < lateralCount; ++i)
    {
        if (latitude < GetLateral(i))
        {
            l = i - 1;
            break;
        }
    }
    S64 d = latitude - GetLateral(l);

    if (withSurface)
    {
        int b = FindSurface(s, latitude, t);
        position.Surface = b < 0 ? SurfaceUnknown : GetFloorType(s, b);
    }

    auto altitude = [&](int lateral) {
        S64 z = Mul(GetAltitudeCube(s, lateral), t) + GetAltitudeSquare(s, lateral);
        z = Mul(z, t) + GetAltitudeLinear(s, lateral);
        return Mul(z, t) + GetAltitudeConstant(s, lateral);
    };
    auto grade = [&](int lateral) -> S64 {
        if (length <= 0)
            return 0;
        S64 g = Mul(Mul(GetSquareGrade(s, lateral), t) + GetLinearGrade(s, lateral), t) + GetAltitudeLinear(s, lateral);
        return g * 8192 / length;
    };

    S64 z = altitude(l);
    S64 g = grade(l);
    if (d < 0 || l == lateralCount - 1)
    {
        position.Z = z;
        position.Pitch = GradeToPitch(g);
    }
    else
    {
        S64 zNext = altitude(l + 1);
        S64 gNext = grade(l + 1);
        S64 width = S64(GetLateral(l + 1)) - GetLateral(l);
        // Laterals are strictly increasing in a file that loaded; an equal pair has no bank.
        if (width > 0)
        {
            position.Bank = ToInteger(std::atan2(double(zNext - z), double(width)) * AngleScale);
            S64 u = d * One / width;
            position.Z = z + Mul(zNext - z, u);
            position.Pitch = GradeToPitch(g + Mul(gNext - g, u));
        }
        else
        {
            position.Z = z;
            position.Pitch = GradeToPitch(g);
        }
    }

    S64 heading = GetSectionHeading(s);
    if (IsCorner(s))
    {
        heading = WrapAngle(heading + 2 * Mul(GetHalfTurn(s), t));
        double radians = double(heading) * AngleUnit;
        S64 r = GetTraceRadius(s, l) - d;
        position.X = GetCentreX(s) + Mul(r, ToInteger(std::cos(radians) * double(One)));
        position.Y = GetCentreY(s) + Mul(r, ToInteger(-std::sin(radians) * double(One)));
    }
    else
    {
        position.X = GetTraceX(s, l) + Mul(o, GetDirectionX(s)) + Mul(d, GetSidewaysX(s));
        position.Y = GetTraceY(s, l) + Mul(o, GetDirectionY(s)) + Mul(d, GetSidewaysY(s));
    }
    position.Heading = heading;
    return position;
}

void TrkFile::Build2DData()
{
    int count = GetSectionCount();
    m_starts3D.clear();
    m_starts3D.reserve(count);
    for (int s = 0; s < count; ++s)
        m_starts3D.push_back(GetSectionStart(s));

    m_sections2D.assign(count, Section2D{0, 0, 0});
    m_starts2D.assign(count, 0);
    float start = 0;
    for (int s = 0; s < count; ++s)
    {
        int next = s + 1 < count ? s + 1 : 0;
        // The reference points need no surface: a floor code that only a query refuses does
        // not stop the load.
        TrkFilePosition p0 = ComputePosition(GetSectionStart(s), 0, false);
        TrkFilePosition p1 = ComputePosition(GetSectionStart(next), 0, false);
        double length;
        if (IsCorner(s))
        {
            double ux = double(p0.X) - double(GetCentreX(s)), uy = double(p0.Y) - double(GetCentreY(s));
            double vx = double(p1.X) - double(GetCentreX(s)), vy = double(p1.Y) - double(GetCentreY(s));
            length = std::fabs(std::atan2(vy * ux - vx * uy, vy * uy + vx * ux)) * std::sqrt(ux * ux + uy * uy);
        }
        else
        {
            double dx = double(p1.X) - double(p0.X), dy = double(p1.Y) - double(p0.Y);
            length = std::sqrt(dx * dx + dy * dy);
        }
        Section2D& section = m_sections2D[s];
        section.Start = start;
        section.Length = float(length * LengthUnit);
        // A section of no length in plan has no span in the 2D map and maps to its start.
        section.Ratio = section.Length > 0 ? GetSectionLength(s) * LengthUnit / section.Length : 0;
        m_starts2D[s] = start;
        start += section.Length;
    }
    m_length2D = start;
}
} // namespace Velmo::Papy
