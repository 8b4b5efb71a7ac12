#include "Util/OpenGL/XOpenGL.h"

#include <GL/gl.h>
#include <GL/glu.h>

#include <sstream>

namespace Velmo::OpenGL
{
std::string XOpenGL::GetText() const
{
    std::ostringstream text;
    const GLubyte* message = gluErrorString(GLenum(m_code));
    text << "An OpenGLError occurred: ";
    if (message != nullptr)
        text << reinterpret_cast<const char*>(message);
    return text.str();
}

void CheckError()
{
    GLenum code = glGetError();
    if (code != GL_NO_ERROR)
        throw XOpenGL(U32(code));
}
} // namespace Velmo::OpenGL
