#pragma once
// The OpenGL model-view matrix stack as the bounds walk uses it for its transforms.
// A push that the stack has no room for is refused (the node's subtree is passed over) instead
// of raising a stack-overflow error, and the pop that belongs to it is skipped, so the stack
// stays balanced however deep a file nests its transforms. The current matrix is read from
// OpenGL once after each change, not once per point.
//
// The caller has made a context current and selected the model-view matrix.
#include <string>
#include <vector>

#include "Papy/Model/Vertex.h"

class BoundsTransformStack
{
public:
    // Reads the stack's depth and its limit.
    BoundsTransformStack();

    // Pushes the matrix; false, changing nothing, when the stack is full. Every Push is matched
    // by one Pop, whatever it returned.
    bool Push();
    void Pop();
    void Translate(double x, double y, double z);
    // Degrees about the axis (x, y, z).
    void Rotate(double degrees, double x, double y, double z);

    // The point transformed by the current matrix.
    Velmo::Papy::Vertex Transform(const Velmo::Papy::Vertex& point);
    // The current depth of the OpenGL stack (1 with nothing pushed).
    int GetDepth() const { return m_depth; }
    int GetMaxDepth() const { return m_maxDepth; }
    // Whether a push was refused since construction.
    bool HasOverflowed() const { return m_overflowed; }
    // The text that reports a refused push.
    static std::string OverflowMessage();

private:
    const double* GetMatrix();

    int m_depth = 1;
    int m_maxDepth = 32;
    bool m_overflowed = false;
    // One entry per Push: whether it pushed.
    std::vector<bool> m_pushed;
    bool m_matrixValid = false;
    double m_matrix[16] = {};
};
