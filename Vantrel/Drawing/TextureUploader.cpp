#include "Vantrel/Drawing/TextureUploader.h"

#include <GL/gl.h>

#include "Util/OpenGL/XOpenGL.h"

bool TextureUploader::Fits(std::uint32_t width, std::uint32_t height)
{
    glTexImage2D(GL_PROXY_TEXTURE_2D, 0, GL_RGBA, GLsizei(width), GLsizei(height), 0, GL_RGBA, GL_UNSIGNED_BYTE,
                 nullptr);
    GLint answer = 0;
    glGetTexLevelParameteriv(GL_PROXY_TEXTURE_2D, 0, GL_TEXTURE_HEIGHT, &answer);
    Velmo::OpenGL::CheckError();
    return answer != 0;
}

unsigned TextureUploader::Upload(std::uint32_t width, std::uint32_t height, const std::vector<std::uint8_t>& rgba,
                                 bool repeatHorizontally, bool repeatVertically)
{
    GLuint name = 0;
    glGenTextures(1, &name);
    glBindTexture(GL_TEXTURE_2D, name);
    Velmo::OpenGL::CheckError();
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_S, repeatHorizontally ? GL_REPEAT : GL_CLAMP);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_T, repeatVertically ? GL_REPEAT : GL_CLAMP);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_NEAREST);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_NEAREST);
    Velmo::OpenGL::CheckError();
    glPixelStorei(GL_UNPACK_ALIGNMENT, 4);
    glTexImage2D(GL_TEXTURE_2D, 0, GL_RGBA, GLsizei(width), GLsizei(height), 0, GL_RGBA, GL_UNSIGNED_BYTE,
                 rgba.data());
    const GLenum code = glGetError();
    if (code != GL_NO_ERROR)
    {
        glDeleteTextures(1, &name);
        throw Velmo::OpenGL::XOpenGL(code);
    }
    return name;
}
