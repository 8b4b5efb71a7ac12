#include "Vantrel/Drawing/ScreenArea.h"

#include <algorithm>
#include <cmath>

namespace
{
void Identity(double m[16])
{
    for (int i = 0; i < 16; ++i)
        m[i] = i % 5 == 0 ? 1.0 : 0.0;
}

// Nearer the eye than this (in clip w) a point counts as behind it.
constexpr double NearestW = 1e-9;
} // namespace

ScreenArea::ScreenArea()
{
    Identity(m_projection);
    Identity(m_modelview);
    Identity(m_matrix);
}

void ScreenArea::SetProjection(const double projection[16], const int viewport[4])
{
    std::copy(projection, projection + 16, m_projection);
    m_x = viewport[0];
    m_y = viewport[1];
    m_width = std::max(viewport[2], 0);
    m_height = std::max(viewport[3], 0);
    Combine();
}

void ScreenArea::SetModelview(const double modelview[16])
{
    std::copy(modelview, modelview + 16, m_modelview);
    Combine();
}

void ScreenArea::Combine()
{
    for (int column = 0; column < 4; ++column)
        for (int row = 0; row < 4; ++row)
        {
            double sum = 0;
            for (int k = 0; k < 4; ++k)
                sum += m_projection[k * 4 + row] * m_modelview[column * 4 + k];
            m_matrix[column * 4 + row] = sum;
        }
}

void ScreenArea::ToClip(const double p[3], double clip[3]) const
{
    const double* m = m_matrix;
    clip[0] = m[0] * p[0] + m[4] * p[1] + m[8] * p[2] + m[12];
    clip[1] = m[1] * p[0] + m[5] * p[1] + m[9] * p[2] + m[13];
    clip[2] = m[3] * p[0] + m[7] * p[1] + m[11] * p[2] + m[15];
}

void ScreenArea::ToWindow(const double clip[3], double& x, double& y) const
{
    x = m_x + (clip[0] / clip[2] + 1) * 0.5 * m_width;
    y = m_y + (clip[1] / clip[2] + 1) * 0.5 * m_height;
}

double ScreenArea::Clamped(double area, double minX, double maxX, double minY, double maxY) const
{
    const double width = std::min(maxX, m_x + m_width) - std::max(minX, m_x);
    const double height = std::min(maxY, m_y + m_height) - std::max(minY, m_y);
    if (!(width > 0) || !(height > 0))
        return 0;
    // A point too far for a number covers what its box does.
    return std::isfinite(area) ? std::min(area, width * height) : width * height;
}

double ScreenArea::Fan(const double* clip, std::size_t count) const
{
    if (count < 3)
        return 0;
    double x0, y0, x1, y1;
    ToWindow(clip, x0, y0);
    ToWindow(clip + 3, x1, y1);
    double sum = 0;
    for (std::size_t i = 2; i < count; ++i)
    {
        double x2, y2;
        ToWindow(clip + 3 * i, x2, y2);
        const double area = std::fabs((x1 - x0) * (y2 - y0) - (x2 - x0) * (y1 - y0)) * 0.5;
        if (std::isnan(x0 + y0 + x1 + y1 + x2 + y2))
            sum += GetWindowArea();
        else
            sum += Clamped(area, std::min({x0, x1, x2}), std::max({x0, x1, x2}), std::min({y0, y1, y2}),
                           std::max({y0, y1, y2}));
        x1 = x2;
        y1 = y2;
    }
    return sum;
}

double ScreenArea::ClippedFan(const double* clip, std::size_t count) const
{
    std::size_t front = 0;
    for (std::size_t i = 0; i < count; ++i)
    {
        if (std::isnan(clip[3 * i + 2]))
            return GetWindowArea();
        if (clip[3 * i + 2] >= NearestW)
            ++front;
    }
    if (front == count)
        return Fan(clip, count);
    if (front == 0)
        return 0;
    // Cut at w = NearestW: each edge keeps its part in front of the eye.
    std::vector<double>& kept = m_kept;
    kept.clear();
    for (std::size_t i = 0; i < count; ++i)
    {
        const double* p = clip + 3 * i;
        const double* q = clip + 3 * ((i + 1) % count);
        const bool pIn = p[2] >= NearestW, qIn = q[2] >= NearestW;
        if (pIn)
            kept.insert(kept.end(), p, p + 3);
        if (pIn != qIn)
        {
            const double t = (NearestW - p[2]) / (q[2] - p[2]);
            kept.insert(kept.end(), {p[0] + t * (q[0] - p[0]), p[1] + t * (q[1] - p[1]), NearestW});
        }
    }
    return Fan(kept.data(), kept.size() / 3);
}

double ScreenArea::Polygon(const double* xyz, std::size_t count) const
{
    if (count < 3)
        return 0;
    m_clip.resize(3 * count);
    for (std::size_t i = 0; i < count; ++i)
        ToClip(xyz + 3 * i, m_clip.data() + 3 * i);
    return ClippedFan(m_clip.data(), count);
}

double ScreenArea::Lines(const double* xyz, std::size_t count, bool closed) const
{
    const double longest = m_width + m_height;
    double length = 0;
    const std::size_t edges = count < 2 ? 0 : closed ? count : count - 1;
    for (std::size_t i = 0; i < edges; ++i)
    {
        double p[3], q[3];
        ToClip(xyz + 3 * i, p);
        ToClip(xyz + 3 * ((i + 1) % count), q);
        if (std::isnan(p[2]) || std::isnan(q[2]))
        {
            length += longest;
            continue;
        }
        const bool pIn = p[2] >= NearestW, qIn = q[2] >= NearestW;
        if (!pIn && !qIn)
            continue;
        // The part in front of the eye.
        double* behind = pIn ? q : p;
        const double* front = pIn ? p : q;
        if (!pIn || !qIn)
        {
            const double t = (NearestW - front[2]) / (behind[2] - front[2]);
            for (int k = 0; k < 2; ++k)
                behind[k] = front[k] + t * (behind[k] - front[k]);
            behind[2] = NearestW;
        }
        double x0, y0, x1, y1;
        ToWindow(p, x0, y0);
        ToWindow(q, x1, y1);
        const double pixels = std::hypot(x1 - x0, y1 - y0);
        length += std::isnan(pixels) ? longest : std::min(pixels, longest);
    }
    return length;
}

void ScreenArea::ToPoint(const double xyz[3], double point[PointSize]) const
{
    ToClip(xyz, point);
    point[3] = point[4] = 0;
    if (point[2] >= NearestW)
        ToWindow(point, point[3], point[4]);
}

double ScreenArea::Triangle(const std::vector<double>& points, std::size_t a, std::size_t b, std::size_t c) const
{
    const double* p = points.data() + PointSize * a;
    const double* q = points.data() + PointSize * b;
    const double* r = points.data() + PointSize * c;
    if (p[2] >= NearestW && q[2] >= NearestW && r[2] >= NearestW)
    {
        // In front of the eye: the window positions worked out once a point.
        const double area = std::fabs((q[3] - p[3]) * (r[4] - p[4]) - (r[3] - p[3]) * (q[4] - p[4])) * 0.5;
        if (std::isnan(area))
            return GetWindowArea();
        return Clamped(area, std::min({p[3], q[3], r[3]}), std::max({p[3], q[3], r[3]}), std::min({p[4], q[4], r[4]}),
                       std::max({p[4], q[4], r[4]}));
    }
    const double clip[9] = {p[0], p[1], p[2], q[0], q[1], q[2], r[0], r[1], r[2]};
    return ClippedFan(clip, 3);
}
