#include "Vantrel/Drawing/TextureUploader.h"

#include <GL/gl.h>

#include <algorithm>
#include <vector>

#include "Util/OpenGL/XOpenGL.h"

std::uint32_t TextureUploader::RowsPerStrip(std::uint32_t width)
{
    const std::uint64_t rowBytes = std::uint64_t(width) * 4;
    return rowBytes == 0 ? 1 : std::uint32_t(std::max<std::uint64_t>(StripBytes / rowBytes, 1));
}

bool TextureUploader::Fits(std::uint32_t width, std::uint32_t height)
{
    glTexImage2D(GL_PROXY_TEXTURE_2D, 0, GL_RGBA, GLsizei(width), GLsizei(height), 0, GL_RGBA, GL_UNSIGNED_BYTE,
                 nullptr);
    GLint answer = 0;
    glGetTexLevelParameteriv(GL_PROXY_TEXTURE_2D, 0, GL_TEXTURE_HEIGHT, &answer);
    Velmo::OpenGL::CheckError();
    return answer != 0;
}

unsigned TextureUploader::Upload(std::uint32_t width, std::uint32_t height, const RowSource& rows,
                                 bool repeatHorizontally, bool repeatVertically)
{
    GLuint name = 0;
    glGenTextures(1, &name);
    try
    {
        glBindTexture(GL_TEXTURE_2D, name);
        Velmo::OpenGL::CheckError();
        glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_S, repeatHorizontally ? GL_REPEAT : GL_CLAMP);
        glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_T, repeatVertically ? GL_REPEAT : GL_CLAMP);
        glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_NEAREST);
        glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_NEAREST);
        Velmo::OpenGL::CheckError();
        glPixelStorei(GL_UNPACK_ALIGNMENT, 4);
        const std::uint32_t perStrip = std::min(RowsPerStrip(width), std::max<std::uint32_t>(height, 1));
        std::vector<std::uint8_t> strip(std::size_t(width) * 4 * perStrip);
        if (perStrip >= height)
        {
            // One strip holds the level: it goes with the level's own call.
            rows(0, height, strip.data());
            glTexImage2D(GL_TEXTURE_2D, 0, GL_RGBA, GLsizei(width), GLsizei(height), 0, GL_RGBA, GL_UNSIGNED_BYTE,
                         strip.data());
        }
        else
        {
            glTexImage2D(GL_TEXTURE_2D, 0, GL_RGBA, GLsizei(width), GLsizei(height), 0, GL_RGBA, GL_UNSIGNED_BYTE,
                         nullptr);
            Velmo::OpenGL::CheckError();
            for (std::uint32_t first = 0; first < height; first += perStrip)
            {
                const std::uint32_t count = std::min(perStrip, height - first);
                rows(first, count, strip.data());
                glTexSubImage2D(GL_TEXTURE_2D, 0, 0, GLint(first), GLsizei(width), GLsizei(count), GL_RGBA,
                                GL_UNSIGNED_BYTE, strip.data());
            }
        }
        Velmo::OpenGL::CheckError();
    }
    catch (...)
    {
        // Whatever failed, the name goes with it (deleting 0, when none was made, does nothing).
        glDeleteTextures(1, &name);
        throw;
    }
    return name;
}
