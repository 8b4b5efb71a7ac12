#include "Vantrel/Drawing/ModelviewStack.h"

#include <GL/gl.h>

#include "Util/OpenGL/XOpenGL.h"

namespace
{
int MaxDepth()
{
    GLint depth = 0;
    glGetIntegerv(GL_MAX_MODELVIEW_STACK_DEPTH, &depth);
    return depth;
}
} // namespace

bool ModelviewStack::Push()
{
    const int depth = GetDepth();
    const int max = MaxDepth();
    Velmo::OpenGL::CheckError();
    if (depth >= max)
    {
        m_pushed.push_back(false);
        return false;
    }
    glPushMatrix();
    Velmo::OpenGL::CheckError();
    m_pushed.push_back(true);
    return true;
}

void ModelviewStack::Pop()
{
    if (m_pushed.empty())
        return;
    const bool pushed = m_pushed.back();
    m_pushed.pop_back();
    if (pushed)
    {
        glPopMatrix();
        Velmo::OpenGL::CheckError();
    }
}

void ModelviewStack::Unwind() noexcept
{
    GLint mode = 0;
    glGetIntegerv(GL_MATRIX_MODE, &mode);
    glMatrixMode(GL_MODELVIEW);
    for (auto level = m_pushed.rbegin(); level != m_pushed.rend(); ++level)
        if (*level)
            glPopMatrix();
    m_pushed.clear();
    glMatrixMode(GLenum(mode));
}

int ModelviewStack::GetDepth()
{
    GLint depth = 0;
    glGetIntegerv(GL_MODELVIEW_STACK_DEPTH, &depth);
    return depth;
}

std::string ModelviewStack::FullMessage()
{
    return "Transformations nested deeper than the modelview stack (" + std::to_string(MaxDepth()) +
           " levels): the deeper ones are not drawn";
}
