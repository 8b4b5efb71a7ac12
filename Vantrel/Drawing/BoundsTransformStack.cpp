#include "Vantrel/Drawing/BoundsTransformStack.h"

#include "Vantrel/Drawing/ModelviewStack.h"

#include <GL/gl.h>

#include "Util/OpenGL/XOpenGL.h"

using Velmo::Papy::Vertex;

BoundsTransformStack::BoundsTransformStack()
{
    GLint depth = 1, maxDepth = 32;
    glGetIntegerv(GL_MODELVIEW_STACK_DEPTH, &depth);
    glGetIntegerv(GL_MAX_MODELVIEW_STACK_DEPTH, &maxDepth);
    Velmo::OpenGL::CheckError();
    m_depth = depth;
    m_maxDepth = maxDepth;
}

bool BoundsTransformStack::Push()
{
    if (m_depth >= m_maxDepth)
    {
        m_pushed.push_back(false);
        m_overflowed = true;
        return false;
    }
    glPushMatrix();
    Velmo::OpenGL::CheckError();
    m_pushed.push_back(true);
    ++m_depth;
    return true;
}

void BoundsTransformStack::Pop()
{
    if (m_pushed.empty())
        return;
    const bool pushed = m_pushed.back();
    m_pushed.pop_back();
    if (!pushed)
        return;
    glPopMatrix();
    Velmo::OpenGL::CheckError();
    --m_depth;
    m_matrixValid = false;
}

void BoundsTransformStack::Translate(double x, double y, double z)
{
    glTranslated(x, y, z);
    Velmo::OpenGL::CheckError();
    m_matrixValid = false;
}

void BoundsTransformStack::Rotate(double degrees, double x, double y, double z)
{
    glRotated(degrees, x, y, z);
    Velmo::OpenGL::CheckError();
    m_matrixValid = false;
}

const double* BoundsTransformStack::GetMatrix()
{
    if (!m_matrixValid)
    {
        glGetDoublev(GL_MODELVIEW_MATRIX, m_matrix);
        Velmo::OpenGL::CheckError();
        m_matrixValid = true;
    }
    return m_matrix;
}

Vertex BoundsTransformStack::Transform(const Vertex& point)
{
    const double* m = GetMatrix();
    const double x = point.GetX(), y = point.GetY(), z = point.GetZ();
    // Column-major, as OpenGL keeps it.
    return Vertex(m[0] * x + m[4] * y + m[8] * z + m[12], m[1] * x + m[5] * y + m[9] * z + m[13],
                  m[2] * x + m[6] * y + m[10] * z + m[14]);
}

std::string BoundsTransformStack::OverflowMessage()
{
    return ModelviewStack::FullMessage();
}
