#pragma once
// The window pixels that primitives may cover, worked out cheaply from their points: each point
// goes through the modelview and the projection to clip coordinates, the primitive is clipped to
// the part in front of the eye (w > 0), and what is left goes through the viewport to the
// window. A filled polygon is charged the sum of the areas of the triangles of its fan (as the
// driver fills it: a polygon that crosses itself costs each part it covers), each at most the
// area of the part of the window that the triangle's box covers; a primitive off the window, or
// wholly behind the eye, costs nothing (a point that is not a number: the whole window). No
// OpenGL: the caller hands in the matrices (column-major, as OpenGL gives them) and the viewport.
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

    // The clip coordinates x, y and w of a point.
    void ToClip(const double xyz[3], double clip[3]) const;

    // A filled polygon of count points, 3 coordinates each.
    double Polygon(const double* xyz, std::size_t count) const;
    // The lines between count points (closed: the last back to the first too): the length of
    // the part of each in front of the eye in window pixels, at most the window's width plus
    // its height.
    double Lines(const double* xyz, std::size_t count, bool closed) const;

    // A point for triangles over it: its clip coordinates x, y, w, then its window x and y
    // (0 when it lies behind the eye), PointSize values.
    static constexpr std::size_t PointSize = 5;
    void ToPoint(const double xyz[3], double point[PointSize]) const;
    // A filled triangle over three of such points.
    double Triangle(const std::vector<double>& points, std::size_t a, std::size_t b, std::size_t c) const;

    double GetWindowArea() const { return m_width * m_height; }

private:
    // The fan of a polygon given in clip coordinates, clipped to w > 0 first.
    double ClippedFan(const double* clip, std::size_t count) const;
    // The fan of a polygon wholly in front of the eye.
    double Fan(const double* clip, std::size_t count) const;
    // The window position of a point in clip coordinates in front of the eye.
    void ToWindow(const double clip[3], double& x, double& y) const;
    // The area of a window triangle, at most that of the window part its box covers.
    double Clamped(double area, double minX, double maxX, double minY, double maxY) const;
    void Combine();

    double m_projection[16];
    double m_modelview[16];
    double m_matrix[16]; // projection x modelview
    double m_x = 0, m_y = 0, m_width = 0, m_height = 0;
    // Room for a polygon's clip coordinates and for what is kept of it in front of the eye.
    mutable std::vector<double> m_clip;
    mutable std::vector<double> m_kept;
};
