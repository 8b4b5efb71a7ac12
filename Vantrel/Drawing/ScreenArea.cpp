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

bool ScreenArea::Project(const double p[3], double& x, double& y) const
{
    const double* m = m_matrix;
    const double cx = m[0] * p[0] + m[4] * p[1] + m[8] * p[2] + m[12];
    const double cy = m[1] * p[0] + m[5] * p[1] + m[9] * p[2] + m[13];
    const double cw = m[3] * p[0] + m[7] * p[1] + m[11] * p[2] + m[15];
    if (!(cw > NearestW))
        return false;
    x = m_x + (cx / cw + 1) * 0.5 * m_width;
    y = m_y + (cy / cw + 1) * 0.5 * m_height;
    return std::isfinite(x) && std::isfinite(y);
}

double ScreenArea::Clamped(double area, double minX, double maxX, double minY, double maxY) const
{
    const double width = std::min(maxX, m_x + m_width) - std::max(minX, m_x);
    const double height = std::min(maxY, m_y + m_height) - std::max(minY, m_y);
    if (!(width > 0) || !(height > 0))
        return 0;
    return std::min(area, width * height);
}

double ScreenArea::Polygon(const double* xyz, std::size_t count) const
{
    if (count < 3)
        return 0;
    double area = 0, minX = 0, maxX = 0, minY = 0, maxY = 0, firstX = 0, firstY = 0, lastX = 0, lastY = 0;
    for (std::size_t i = 0; i < count; ++i)
    {
        double x, y;
        if (!Project(xyz + 3 * i, x, y))
            return GetWindowArea();
        if (i == 0)
        {
            minX = maxX = firstX = x;
            minY = maxY = firstY = y;
        }
        else
        {
            area += lastX * y - x * lastY;
            minX = std::min(minX, x);
            maxX = std::max(maxX, x);
            minY = std::min(minY, y);
            maxY = std::max(maxY, y);
        }
        lastX = x;
        lastY = y;
    }
    area += lastX * firstY - firstX * lastY;
    return Clamped(std::fabs(area) * 0.5, minX, maxX, minY, maxY);
}

double ScreenArea::Lines(const double* xyz, std::size_t count, bool closed) const
{
    const double longest = m_width + m_height;
    double length = 0;
    const std::size_t edges = count < 2 ? 0 : closed ? count : count - 1;
    for (std::size_t i = 0; i < edges; ++i)
    {
        double x0, y0, x1, y1;
        if (!Project(xyz + 3 * i, x0, y0) || !Project(xyz + 3 * ((i + 1) % count), x1, y1))
        {
            length += longest;
            continue;
        }
        length += std::min(std::hypot(x1 - x0, y1 - y0), longest);
    }
    return length;
}

void ScreenArea::ProjectAll(const double* xyz, std::size_t count, std::vector<double>& window) const
{
    window.resize(count * 3);
    for (std::size_t i = 0; i < count; ++i)
    {
        double x = 0, y = 0;
        const bool front = Project(xyz + 3 * i, x, y);
        window[3 * i] = x;
        window[3 * i + 1] = y;
        window[3 * i + 2] = front ? 1 : 0;
    }
}

double ScreenArea::Triangle(const std::vector<double>& window, std::size_t a, std::size_t b, std::size_t c) const
{
    const double* p = window.data() + 3 * a;
    const double* q = window.data() + 3 * b;
    const double* r = window.data() + 3 * c;
    if (p[2] == 0 || q[2] == 0 || r[2] == 0)
        return GetWindowArea();
    const double area = std::fabs((q[0] - p[0]) * (r[1] - p[1]) - (r[0] - p[0]) * (q[1] - p[1])) * 0.5;
    return Clamped(area, std::min({p[0], q[0], r[0]}), std::max({p[0], q[0], r[0]}), std::min({p[1], q[1], r[1]}),
                   std::max({p[1], q[1], r[1]}));
}
