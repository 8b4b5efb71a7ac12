#pragma once
// A surface normal. The default points along x.

namespace Velmo::Papy
{
class Normal
{
public:
    constexpr Normal() = default;
    constexpr Normal(double x, double y, double z) : m_x(x), m_y(y), m_z(z) {}

    constexpr double GetX() const { return m_x; }
    constexpr double GetY() const { return m_y; }
    constexpr double GetZ() const { return m_z; }

    constexpr bool operator==(const Normal& other) const = default;

private:
    double m_x = 1;
    double m_y = 0;
    double m_z = 0;
};
} // namespace Velmo::Papy
