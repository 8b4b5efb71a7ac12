#pragma once
// The two OpenGL steps of loading a texture, behind a seam: the proxy test that asks whether
// a level of a size fits, and the upload of one RGBA level into a new texture name. The
// drawing visitor's texture cache goes through an uploader, so that a test can count the
// uploads or refuse sizes as a driver with a smaller limit would.
#include <cstdint>
#include <vector>

class TextureUploader
{
public:
    virtual ~TextureUploader() = default;

    // glTexImage2D on GL_PROXY_TEXTURE_2D (RGBA, bytes) and the level's height read back:
    // true when it is not 0.
    virtual bool Fits(std::uint32_t width, std::uint32_t height);

    // A new texture name, bound, with GL_REPEAT or GL_CLAMP per direction, NEAREST filters
    // and the one level uploaded from rgba (width x height x 4 bytes, the first row first).
    virtual unsigned Upload(std::uint32_t width, std::uint32_t height, const std::vector<std::uint8_t>& rgba,
                            bool repeatHorizontally, bool repeatVertically);
};
