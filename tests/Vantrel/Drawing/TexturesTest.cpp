// The textures of the drawing visitor: texels drawn exactly with NEAREST filtering, the proxy
// test's fall-back to a smaller level, one upload per name for the visitor's life, the
// wireframe rule, and the cache's deletion. The textures come from bitmap.py.
#include <gtest/gtest.h>

#include <GL/gl.h>

#include "CountingMake.h"
#include "DrawingTestSupport.h"
#include "Vantrel/Drawing/TextureSlots.h"
#include "Vantrel/Drawing/ThreeDObject3DVisitor.h"

using namespace DrawingTest;

namespace
{
struct Textured
{
    CountedPointer<FileFactory> factory = FactoryOf("gpl-textures");
    ThreeDObject3DVisitor visitor{factory};
    CountedPointer<CountingUploader> uploader;

    explicit Textured(std::uint32_t largest = 0) : uploader(new CountingUploader(largest))
    {
        visitor.SetTextureUploader(uploader);
    }

    void Draw(const std::string& name, const DrawOptions& options = {})
    {
        auto file = LoadObject(factory, name);
        try
        {
            ::Draw(options, visitor, RootOf(file), nullptr);
        }
        catch (const Velmo::Util::Exception& error)
        {
            ADD_FAILURE() << error.GetText();
        }
    }
};

// The texels of check.mip's first level (rows top first) and levels.mip's second level.
const Rgb CheckTexels[2][2] = {{{255, 0, 0}, {0, 255, 0}}, {{0, 0, 255}, {255, 255, 0}}};
const Rgb SecondLevelTexels[2][2] = {{{0, 255, 255}, {255, 0, 255}}, {{255, 128, 0}, {0, 128, 255}}};

// The square spans -8..8 with texture vertex (0, 0) at its lower left: texel row r (v from
// r / 2) and column c (u from c / 2) cover x from -8 + 8c and y from -8 + 8r.
void ExpectTexels(const GLContext& context, const Rgb (&texels)[2][2])
{
    for (int row = 0; row < 2; ++row)
        for (int column = 0; column < 2; ++column)
            for (auto [dx, dy] : {std::pair{1.0, 1.0}, {7.0, 7.0}, {1.0, 7.0}, {7.0, 1.0}})
                EXPECT_COLOUR_AT(context, -8 + 8 * column + dx, -8 + 8 * row + dy, texels[row][column])
                    << "texel row " << row << ", column " << column;
}
} // namespace

// Each test draws in a context of its own with the squares' view (skipped without OpenGL).
class Textures : public testing::Test
{
protected:
    void SetUp() override
    {
        VELMO_REQUIRE_GL(context);
        SetView();
    }

    GLContext context{64, 64};
};

TEST_F(Textures, TwoByTwoTextureShowsItsFourTexelsExactly)
{
    Textured scene;
    scene.Draw("check");
    ExpectTexels(context, CheckTexels);
    EXPECT_COLOUR_AT(context, 9, 9, Grey);
    ASSERT_EQ(scene.uploader->Sizes.size(), 1u);
    EXPECT_EQ(scene.uploader->Sizes[0], (std::pair<std::uint32_t, std::uint32_t>{2, 2}));
    EXPECT_FALSE(glIsEnabled(GL_TEXTURE_2D));
    EXPECT_EQ(glGetError(), GLenum(GL_NO_ERROR));
}

TEST_F(Textures, FirstLevelRefusedByTheProxyFallsBackToTheSecond)
{
    {
        // Accepted: the 4 x 4 first level, one colour.
        Textured scene;
        scene.Draw("levels");
        ASSERT_EQ(scene.uploader->Sizes.size(), 1u);
        EXPECT_EQ(scene.uploader->Sizes[0], (std::pair<std::uint32_t, std::uint32_t>{4, 4}));
        EXPECT_COLOUR_AT(context, -4, -4, (Rgb{128, 0, 128}));
        EXPECT_COLOUR_AT(context, 4, 4, (Rgb{128, 0, 128}));
    }
    {
        // A driver that takes nothing wider than 2: the 2 x 2 second level.
        Textured scene(2);
        scene.Draw("levels");
        EXPECT_EQ(scene.uploader->ProxyTests, 2);
        ASSERT_EQ(scene.uploader->Sizes.size(), 1u);
        EXPECT_EQ(scene.uploader->Sizes[0], (std::pair<std::uint32_t, std::uint32_t>{2, 2}));
        ExpectTexels(context, SecondLevelTexels);
        EXPECT_TRUE(scene.visitor.GetReport().HasNoProblems());
    }
    {
        // Nothing fits: drawn untextured (the square's own colour), told once, not tried again.
        Textured scene(1);
        for (int frame = 0; frame < 3; ++frame)
            scene.Draw("levels");
        EXPECT_EQ(scene.uploader->ProxyTests, 2);
        EXPECT_TRUE(scene.uploader->Sizes.empty());
        EXPECT_EQ(scene.visitor.GetReport().GetMessages(),
                  (std::vector<std::string>{"levels: Texture too large for OpenGL"}));
        EXPECT_COLOUR_AT(context, 0, 0, Green);
    }
    EXPECT_EQ(glGetError(), GLenum(GL_NO_ERROR));
}

TEST_F(Textures, SecondUseOfANameUploadsNothing)
{
    Textured scene;
    // Two texture nodes of one name in one frame, then two more frames.
    scene.Draw("twice");
    EXPECT_EQ(scene.uploader->Sizes.size(), 1u);
    scene.Draw("twice");
    scene.Draw("check");
    EXPECT_EQ(scene.uploader->Sizes.size(), 1u);
    ExpectTexels(context, CheckTexels);
    EXPECT_EQ(scene.visitor.GetTextureCache().GetMipNames().size(), 1u);
    EXPECT_EQ(glGetError(), GLenum(GL_NO_ERROR));
}

// The folder is asked for a texture at its first use in a frame, not at every use: a material
// naming a file thousands of times would otherwise look the file up on disk as often.
TEST_F(Textures, EachFrameAsksTheFolderOnceForEachName)
{
    const auto folder = FactoryOf("gpl-textures");
    auto* mips = new DrawingTest::CountingMake<Velmo::Papy::MakeMip>(folder->GetFacet<Velmo::Papy::MakeMip>());
    CountedPointer<FileFactory> factory(new FileFactory);
    factory->AddFacet<Velmo::Papy::MakeMip>(mips);
    factory->AddFacet<Velmo::Papy::MakeTdo>(
        new DrawingTest::CountingMake<Velmo::Papy::MakeTdo>(folder->GetFacet<Velmo::Papy::MakeTdo>()));
    ThreeDObject3DVisitor visitor(factory);
    const auto file = LoadObject(factory, "twice");
    for (int frame = 1; frame <= 3; ++frame)
    {
        ::Draw(DrawOptions(), visitor, RootOf(file), nullptr);
        ASSERT_EQ(mips->Requests.size(), 1u);
        EXPECT_EQ(mips->Requests.begin()->second, frame) << mips->Requests.begin()->first;
    }
    ExpectTexels(context, CheckTexels);
}

TEST_F(Textures, WireframeTexturePushesNothingWhileMultipleTexturesStillLoad)
{
    Textured scene;
    DrawOptions wireframe;
    wireframe.Wireframe = true;
    // multi.3do: multiple textures "check" and "levels" over a selector, and a texture "other"
    // (no such file) over another square.
    scene.Draw("multi", wireframe);
    const auto& names = scene.visitor.GetTextureCache().GetMipNames();
    EXPECT_EQ(names.size(), 2u);
    EXPECT_TRUE(names.contains("check"));
    EXPECT_TRUE(names.contains("levels"));
    EXPECT_TRUE(scene.visitor.GetReport().HasNoProblems()) << "the texture of wireframe was looked for";
    for (const Rgb& colour : Colours(context))
        EXPECT_TRUE(Near(colour, Grey) || Near(colour, White));

    // Shaded, the selector shows "check" on the inner square, and "other" is missing: told
    // once, its square drawn untextured.
    scene.Draw("multi");
    scene.Draw("multi");
    EXPECT_COLOUR_AT(context, -3, -3, CheckTexels[0][0]);
    EXPECT_COLOUR_AT(context, 3, 3, CheckTexels[1][1]);
    EXPECT_COLOUR_AT(context, 6, 6, Green);
    // The selector of slot 5, which holds nothing, leaves its square untextured.
    EXPECT_COLOUR_AT(context, 6, -6, Red);
    ASSERT_EQ(scene.visitor.GetReport().GetMessages().size(), 1u);
    EXPECT_NE(scene.visitor.GetReport().GetMessages()[0].find("other.mip"), std::string::npos);
    EXPECT_NE(scene.visitor.GetReport().GetMessages()[0].find("File not found"), std::string::npos);
    EXPECT_EQ(scene.uploader->Sizes.size(), 2u);
    EXPECT_EQ(glGetError(), GLenum(GL_NO_ERROR));
}

TEST_F(Textures, APolygonWithoutTextureVerticesDrawsUntexturedUnderATexture)
{
    Textured scene;
    scene.Draw("plain");
    EXPECT_COLOUR_AT(context, 0, 0, Red);
    EXPECT_COLOUR_AT(context, 5, 5, CheckTexels[1][1]);
    EXPECT_COLOUR_AT(context, -5, -5, CheckTexels[0][0]);
    EXPECT_EQ(glGetError(), GLenum(GL_NO_ERROR));
}

TEST_F(Textures, AShapeDrawsWithItsFirstTextureNotItsLightMap)
{
    auto factory = FactoryOf("n4-track");
    auto file = LoadObject(factory, "lightmap");
    ThreeDObject3DVisitor visitor(factory);
    for (int frame = 0; frame < 2; ++frame)
        Draw(DrawOptions(), visitor, RootOf(file), nullptr);
    // grass.mip is the 2 x 2 of check.mip; light.mip is purple and is never loaded.
    ExpectTexels(context, CheckTexels);
    EXPECT_EQ(visitor.GetTextureCache().GetMipNames().size(), 1u);
    EXPECT_TRUE(visitor.GetReport().HasNoProblems());
    EXPECT_EQ(glGetError(), GLenum(GL_NO_ERROR));
}

TEST_F(Textures, DestroyGLDeletesTheCachedNames)
{
    Textured scene;
    scene.Draw("multi");
    std::vector<GLuint> names;
    for (const auto& [name, texture] : scene.visitor.GetTextureCache().GetMipNames())
        names.push_back(texture);
    ASSERT_EQ(names.size(), 2u);
    for (GLuint texture : names)
        EXPECT_TRUE(glIsTexture(texture));
    scene.visitor.DestroyGL();
    for (GLuint texture : names)
        EXPECT_FALSE(glIsTexture(texture));
    EXPECT_TRUE(scene.visitor.GetTextureCache().GetMipNames().empty());
    EXPECT_EQ(glGetError(), GLenum(GL_NO_ERROR));
}

TEST(TextureSlots, EmptyEntriesKeepPushesAndPopsPairedAndReadingOneFails)
{
    TextureSlots slots;
    slots.Reset();
    EXPECT_TRUE(slots.NoMip(0));
    EXPECT_TRUE(slots.NoMip(7));
    slots.Push(3, TextureSlots::Entry{5, nullptr});
    EXPECT_EQ(slots.GetSlotCount(), 4u);
    EXPECT_FALSE(slots.NoMip(3));
    EXPECT_EQ(slots.GetName(3), 5u);
    slots.Push(3, TextureSlots::Entry());
    EXPECT_TRUE(slots.NoMip(3));
    try
    {
        slots.GetName(3);
        ADD_FAILURE() << "no assertion";
    }
    catch (const Velmo::Util::XAssertion& error)
    {
        EXPECT_STREQ(error.GetExpression(), "!NoMip(slot)");
        EXPECT_EQ(error.GetLine(), 2194);
    }
    try
    {
        slots.GetFile(3);
        ADD_FAILURE() << "no assertion";
    }
    catch (const Velmo::Util::XAssertion& error)
    {
        EXPECT_EQ(error.GetLine(), 2200);
    }
    slots.Pop(3);
    EXPECT_EQ(slots.GetName(3), 5u);
    slots.Pop(3);
    slots.Pop(3);
    EXPECT_TRUE(slots.NoMip(3));
}
