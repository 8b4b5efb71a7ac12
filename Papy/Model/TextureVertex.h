#pragma once
// A texture coordinate pair.

namespace Velmo::Papy
{
class TextureVertex
{
public:
    constexpr TextureVertex() = default;
    constexpr TextureVertex(double u, double v) : m_u(u), m_v(v) {}

    constexpr double GetU() const { return m_u; }
    constexpr double GetV() const { return m_v; }

    constexpr bool operator==(const TextureVertex& other) const = default;

private:
    double m_u = 0;
    double m_v = 0;
};
} // namespace Velmo::Papy
