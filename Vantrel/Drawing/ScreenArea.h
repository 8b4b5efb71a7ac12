#pragma once
// The window pixels that primitives may cover, worked out cheaply from their points: each point
// goes through the modelview, the projection and the viewport to the window, and a filled
// primitive is charged its window area, at most the area of the part of the window that its
// box covers (a primitive off the window costs nothing). A primitive with a point at or behind
// the eye may cover anything: it is charged the whole window. No OpenGL: the caller hands in
// the matrices (column-major, as OpenGL gives them) and the viewport.
#include <cstddef>
#include <vector>

class ScreenArea
{
public:
    ScreenArea();

    // The projection and the viewport (x, y, width, height), once a frame.
    void SetProjection(const double projection[16], const int viewport[4]);
    // The modelview in force for the points that follow.
    void SetModelview(const double modelview[16]);

    // The window position of a point; false when it lies at or behind the eye.
    bool Project(const double xyz[3], double& x, double& y) const;

    // A filled polygon of count points, 3 coordinates each.
    double Polygon(const double* xyz, std::size_t count) const;
    // The lines between count points (closed: the last back to the first too): the length of
    // each in window pixels, at most the window's width plus its height.
    double Lines(const double* xyz, std::size_t count, bool closed) const;

    // The window positions of count points (3 coordinates each), for triangles over them:
    // x, y and 1 (0 for a point at or behind the eye) a point.
    void ProjectAll(const double* xyz, std::size_t count, std::vector<double>& window) const;
    // A filled triangle over three projected points.
    double Triangle(const std::vector<double>& window, std::size_t a, std::size_t b, std::size_t c) const;

    double GetWindowArea() const { return m_width * m_height; }

private:
    // The area of a window polygon, at most that of the window part its box covers.
    double Clamped(double area, double minX, double maxX, double minY, double maxY) const;
    void Combine();

    double m_projection[16];
    double m_modelview[16];
    double m_matrix[16]; // projection x modelview
    double m_x = 0, m_y = 0, m_width = 0, m_height = 0;
};
