#pragma once
// The two OpenGL steps of loading a texture, behind a seam: the proxy test that asks whether
// a level of a size fits, and the upload of one RGBA level into a new texture name. The
// drawing visitor's texture cache goes through an uploader, so that a test can count the
// uploads or refuse sizes as a driver with a smaller limit would.
//
// A level is uploaded in strips of rows that the caller fills one at a time into one small
// buffer: a 4096 x 4096 level never needs a 64 MiB copy of its own beside the driver's.
#include <cstdint>
#include <functional>

class TextureUploader
{
public:
    virtual ~TextureUploader() = default;

    // Fills `count` rows of RGBA bytes (width x 4 each, no padding), the first being row
    // `first` of the level, into out.
    using RowSource = std::function<void(std::uint32_t first, std::uint32_t count, std::uint8_t* out)>;

    // The most bytes of a strip: 256 KiB, one row when a row is longer.
    static constexpr std::uint64_t StripBytes = std::uint64_t(1) << 18;
    // The rows of a strip of a level of the width.
    static std::uint32_t RowsPerStrip(std::uint32_t width);

    // glTexImage2D on GL_PROXY_TEXTURE_2D (RGBA, bytes) and the level's height read back:
    // true when it is not 0.
    virtual bool Fits(std::uint32_t width, std::uint32_t height);

    // A new texture name, bound, with GL_REPEAT or GL_CLAMP per direction, NEAREST filters
    // and the one level of width x height uploaded from the rows (the first row first). An
    // OpenGL error from the bind on deletes the name and throws; whatever the row source throws,
    // likewise.
    virtual unsigned Upload(std::uint32_t width, std::uint32_t height, const RowSource& rows, bool repeatHorizontally,
                            bool repeatVertically);
};
