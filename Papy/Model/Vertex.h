#pragma once
// A point in model space.

namespace Velmo::Papy
{
class Vertex
{
public:
    constexpr Vertex() = default;
    constexpr Vertex(double x, double y, double z) : m_x(x), m_y(y), m_z(z) {}

    constexpr double GetX() const { return m_x; }
    constexpr double GetY() const { return m_y; }
    constexpr double GetZ() const { return m_z; }

    // Exact equality of all three coordinates.
    constexpr bool operator==(const Vertex& other) const = default;

private:
    double m_x = 0;
    double m_y = 0;
    double m_z = 0;
};
} // namespace Velmo::Papy
