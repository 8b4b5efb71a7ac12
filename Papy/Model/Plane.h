#pragma once
// A plane a x + b y + c z + d = 0. The default is the plane x = 0, facing +x.
#include "Papy/Model/Vertex.h"

namespace Velmo::Papy
{
class Plane
{
public:
    constexpr Plane() = default;
    constexpr Plane(double a, double b, double c, double d) : m_a(a), m_b(b), m_c(c), m_d(d) {}

    constexpr double GetA() const { return m_a; }
    constexpr double GetB() const { return m_b; }
    constexpr double GetC() const { return m_c; }
    constexpr double GetD() const { return m_d; }

    // Signed distance (scaled by the length of (a, b, c)); its sign tells the side of p.
    constexpr double GetDistance(const Vertex& p) const
    {
        return m_a * p.GetX() + m_b * p.GetY() + m_c * p.GetZ() + m_d;
    }

    constexpr bool operator==(const Plane& other) const = default;

private:
    double m_a = 1;
    double m_b = 0;
    double m_c = 0;
    double m_d = 0;
};
} // namespace Velmo::Papy
