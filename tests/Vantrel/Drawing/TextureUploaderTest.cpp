// The upload of a level in strips of rows: every texel arrives where it belongs, whatever the
// level's size against a strip (one row, part of one strip, exactly one, one and a row, a row
// longer than a strip); each row is asked for once, in order, in strips no larger than a strip;
// and a failure half way leaves no texture name behind.
#include <gtest/gtest.h>

#include <GL/gl.h>

#include <cstdint>
#include <stdexcept>
#include <vector>

#include "GLContext.h"
#include "Util/OpenGL/XOpenGL.h"
#include "Vantrel/Drawing/TextureUploader.h"

namespace
{
// A texel that differs with its row and column and in each component.
std::uint8_t Texel(std::uint32_t row, std::uint32_t column, int component)
{
    return std::uint8_t(row * 7 + column * 13 + component * 61 + (row >> 8) * 3 + (column >> 8) * 5);
}

struct Asked
{
    std::uint32_t first, count;
};

// A row source writing Texel and recording what it is asked for.
TextureUploader::RowSource Pattern(std::uint32_t width, std::vector<Asked>& asked)
{
    return [width, &asked](std::uint32_t first, std::uint32_t count, std::uint8_t* out) {
        asked.push_back({first, count});
        for (std::uint32_t row = first; row < first + count; ++row)
            for (std::uint32_t column = 0; column < width; ++column)
                for (int component = 0; component < 4; ++component)
                    *out++ = Texel(row, column, component);
    };
}
} // namespace

TEST(TextureUploader, EveryTexelArrivesWhateverTheLevelsSizeAgainstAStrip)
{
    GLContext context;
    VELMO_REQUIRE_GL(context);
    struct Case
    {
        std::uint32_t width, height;
        const char* what;
    };
    const Case cases[] = {
        {1, 1, "one texel"},
        {3, 5, "odd sides within a strip"},
        {256, 256, "exactly one strip"},
        {256, 257, "one strip and a row"},
        {1000, 300, "rows that do not divide a strip"},
        {4096, 40, "the widest ordinary level, strips of 16 rows"},
        {16384, 5, "the widest level a driver may take: strips of 4 rows"},
    };
    GLint largest = 0;
    glGetIntegerv(GL_MAX_TEXTURE_SIZE, &largest);
    for (const Case& c : cases)
    {
        SCOPED_TRACE(c.what);
        if (c.width > std::uint32_t(largest))
            continue;
        std::vector<Asked> asked;
        TextureUploader uploader;
        const unsigned name = uploader.Upload(c.width, c.height, Pattern(c.width, asked), true, false);
        ASSERT_NE(name, 0u);
        // Each row once, in order, in strips within the strip size.
        std::uint32_t next = 0;
        for (const Asked& a : asked)
        {
            EXPECT_EQ(a.first, next);
            EXPECT_GE(a.count, 1u);
            EXPECT_TRUE(a.count == 1 || std::uint64_t(a.count) * c.width * 4 <= TextureUploader::StripBytes)
                << a.count << " rows";
            next = a.first + a.count;
        }
        EXPECT_EQ(next, c.height);

        glBindTexture(GL_TEXTURE_2D, name);
        GLint wrapS = 0, wrapT = 0;
        glGetTexParameteriv(GL_TEXTURE_2D, GL_TEXTURE_WRAP_S, &wrapS);
        glGetTexParameteriv(GL_TEXTURE_2D, GL_TEXTURE_WRAP_T, &wrapT);
        EXPECT_EQ(wrapS, GL_REPEAT);
        EXPECT_EQ(wrapT, GL_CLAMP);
        std::vector<std::uint8_t> texels(std::size_t(c.width) * c.height * 4);
        glPixelStorei(GL_PACK_ALIGNMENT, 1);
        glGetTexImage(GL_TEXTURE_2D, 0, GL_RGBA, GL_UNSIGNED_BYTE, texels.data());
        ASSERT_EQ(glGetError(), GLenum(GL_NO_ERROR));
        std::size_t wrong = 0, firstWrong = texels.size();
        for (std::uint32_t row = 0; row < c.height; ++row)
            for (std::uint32_t column = 0; column < c.width; ++column)
                for (int component = 0; component < 4; ++component)
                {
                    const std::size_t at = (std::size_t(row) * c.width + column) * 4 + component;
                    if (texels[at] != Texel(row, column, component) && wrong++ == 0)
                        firstWrong = at;
                }
        EXPECT_EQ(wrong, 0u) << "first at byte " << firstWrong;
        const GLuint id = name;
        glDeleteTextures(1, &id);
    }
}

TEST(TextureUploader, AStripHoldsWholeRowsWithinItsSizeAndAtLeastOne)
{
    const std::uint64_t strip = TextureUploader::StripBytes;
    const struct
    {
        std::uint32_t width, rows;
    } cases[] = {{0, 1},        {1, std::uint32_t(strip / 4)}, {1000, std::uint32_t(strip / 4000)}, {4096, 16},
                 {16384, 4},    {std::uint32_t(strip / 4), 1}, {std::uint32_t(strip / 4) + 1, 1},   {0xFFFFFFFFu, 1}};
    for (const auto& c : cases)
        EXPECT_EQ(TextureUploader::RowsPerStrip(c.width), c.rows) << c.width;
}

TEST(TextureUploader, ARowSourceThatFailsHalfWayLeavesNoTexture)
{
    GLContext context;
    VELMO_REQUIRE_GL(context);
    const std::uint32_t width = 1024, height = 512;
    std::uint32_t asked = 0;
    GLuint made = 0;
    TextureUploader uploader;
    EXPECT_THROW(uploader.Upload(
                     width, height,
                     [&](std::uint32_t first, std::uint32_t, std::uint8_t*) {
                         glGetIntegerv(GL_TEXTURE_BINDING_2D, reinterpret_cast<GLint*>(&made));
                         if (++asked == 2)
                             throw std::runtime_error("stop at row " + std::to_string(first));
                     },
                     false, false),
                 std::runtime_error);
    EXPECT_EQ(asked, 2u);
    ASSERT_NE(made, 0u);
    EXPECT_EQ(glIsTexture(made), GLboolean(GL_FALSE));
    EXPECT_EQ(glGetError(), GLenum(GL_NO_ERROR));
}

// An error the first check after the bind meets (here one left by an earlier call) throws
// before anything is uploaded, and the name made for the level goes with it.
TEST(TextureUploader, AFailingFirstCheckLeavesNoTexture)
{
    GLContext context;
    VELMO_REQUIRE_GL(context);
    TextureUploader uploader;
    glEnable(GL_TEXTURE_WRAP_S); // not a capability: GL_INVALID_ENUM, waiting to be read
    bool asked = false;
    EXPECT_THROW(uploader.Upload(
                     4, 4, [&](std::uint32_t, std::uint32_t, std::uint8_t*) { asked = true; }, false, false),
                 Velmo::OpenGL::XOpenGL);
    EXPECT_FALSE(asked);
    for (GLuint name = 1; name <= 64; ++name)
        EXPECT_EQ(glIsTexture(name), GLboolean(GL_FALSE)) << "texture name " << name;
    EXPECT_EQ(glGetError(), GLenum(GL_NO_ERROR));
}
