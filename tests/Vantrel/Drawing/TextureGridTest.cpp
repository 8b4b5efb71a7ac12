// Objects of many big textures, as drawing_samples.py writes them: N4 squares in rows of six,
// each under a texture of its name, white where the texture shows, green (the tint) where the
// square is drawn untextured.
//   - One file named by many spellings is one texture: the factory resolves names without
//     regard to case, so the cache goes by the file it resolves, not by the name as written;
//     and two files whose names differ only in case stay two.
//   - The textures together stay within the cache's total: past it, a texture is neither
//     decoded nor uploaded, its square is drawn untextured and the line is told once; the
//     memory of the whole walk stays near what the total lets the driver keep.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <GL/gl.h>

#include <cstdlib>
#include <fstream>
#include <map>
#include <memory>
#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

#include "DrawingTestSupport.h"
#include "Support/PeakMemory.h"
#include "Support/TempFolder.h"
#include "TextureSquares.h"
#include "Papy/Factory/FileFactoryRegistry.h"
#include "Vantrel/Drawing/DrawingMessages.h"
#include "Vantrel/Drawing/TextureCache.h"
#include "Vantrel/Drawing/ThreeDObject3DVisitor.h"

using namespace DrawingTest;

namespace
{
void RunScript(const std::string& script, const std::string& arguments)
{
    const std::string command =
        std::string(VELMO_PYTHON3) + " \"" + VELMO_TEST_SOURCE_DIR + "/" + script + "\" " + arguments;
    if (std::system(command.c_str()) != 0)
        throw std::runtime_error("failed: " + command);
}

CountedPointer<FileFactory> FactoryAt(const std::string& path)
{
    CountedPointer<FileFactory> factory = Velmo::Papy::FileFactoryRegistry::Instance()->GetFactory(path, false);
    EXPECT_TRUE(factory);
    return factory;
}

// A grid folder drawn by a visitor of its own, whose uploads are counted.
class TextureGrid : public testing::Test
{
protected:
    void SetUp() override
    {
        VELMO_REQUIRE_GL(context);
        SetView();
    }

    // Writes the folder with drawing_samples.py (mode and its arguments after the folder).
    void Write(const std::string& mode, const std::string& arguments)
    {
        WriteTextureFolder(mode, folder.Path(), arguments);
    }

    // Draws textures.3do `frames` times; the report is emptied before each frame, as the pane
    // does, and what the last frame told is returned: its problems, then its notices.
    std::vector<std::string> Draw(int frames = 1)
    {
        if (!visitor)
        {
            factory = FactoryAt(folder.Path());
            file = LoadObject(factory, "textures");
            visitor = std::make_unique<ThreeDObject3DVisitor>(factory);
            visitor->SetTextureUploader(uploader);
        }
        for (int frame = 0; frame < frames; ++frame)
        {
            visitor->GetReport().Clear();
            ::Draw(DrawOptions(), *visitor, RootOf(file), nullptr);
        }
        std::vector<std::string> told = visitor->GetReport().GetMessages();
        const std::vector<std::string>& notices = visitor->GetReport().GetNotices();
        told.insert(told.end(), notices.begin(), notices.end());
        return told;
    }

    GLContext context{192, 192};
    VelmoTest::TempFolder folder;
    CountedPointer<FileFactory> factory;
    CountedPointer<TdoFile> file;
    std::unique_ptr<ThreeDObject3DVisitor> visitor;
    CountedPointer<CountingUploader> uploader{new CountingUploader};
};
} // namespace

TEST_F(TextureGrid, OneFileNamedByManySpellingsIsUploadedOnce)
{
    struct Case
    {
        const char* what;
        const char* arguments;
    };
    for (const Case& c : {Case{"24 spellings", "24 3"}, Case{"one spelling 24 times", "24 3 same"}})
    {
        SCOPED_TRACE(c.what);
        VelmoTest::TempFolder own;
        WriteTextureFolder("spellings", own.Path(), c.arguments);
        CountedPointer<FileFactory> ownFactory = FactoryAt(own.Path());
        CountedPointer<CountingUploader> counting(new CountingUploader);
        ThreeDObject3DVisitor drawing(ownFactory);
        drawing.SetTextureUploader(counting);
        for (int frame = 0; frame < 2; ++frame)
            ::Draw(DrawOptions(), drawing, RootOf(LoadObject(ownFactory, "textures")), nullptr);
        EXPECT_EQ(counting->Sizes.size(), 1u);
        const std::map<std::string, unsigned> names = drawing.GetTextureCache().GetMipNames();
        ASSERT_EQ(names.size(), 1u);
        EXPECT_EQ(names.begin()->first, "tex.mip");
        EXPECT_TRUE(drawing.GetReport().HasNoProblems()) << drawing.GetReport().GetText();
        for (const Square& square : SquaresIn(own.Path()))
            EXPECT_COLOUR_AT(context, square.X, square.Y, White) << square.Name;
    }
}

TEST_F(TextureGrid, TwoFilesWhoseNamesDifferOnlyInCaseAreTwoTextures)
{
    // tex.mip is white; TEX.mip, beside it, a quarter-opaque black over the grey background.
    Write("spellings", "24 3");
    RunScript("Papy/Bitmap/bitmap.py", "zero-n4 \"" + folder.Path("TEX.mip") + "\" 7 3 3 4 --fill 64");
    Draw(2);
    EXPECT_EQ(uploader->Sizes.size(), 2u);
    const std::vector<Square> squares = SquaresIn(folder.Path());
    ASSERT_EQ(squares.size(), 24u);
    ASSERT_EQ(squares[0].Name, "tex.mip");
    ASSERT_EQ(squares[7].Name, "TEX.mip");
    EXPECT_COLOUR_AT(context, squares[0].X, squares[0].Y, White);
    // 64 / 255 of (64, 64, 64) over the grey 128.
    EXPECT_COLOUR_AT(context, squares[7].X, squares[7].Y, (Rgb{112, 112, 112}));
}

TEST_F(TextureGrid, TexturesPastTheTotalAreNeitherDecodedNorUploaded)
{
    // 24 textures of 2048 x 2048 (4 Mi pixels, 16 MiB as RGBA each, 11 MiB on disk together).
    Write("big-textures", "24 11");
    const std::uint64_t level = std::uint64_t(1) << 22;
    const std::size_t fit = std::size_t(TextureCache::TotalPixelLimit / level);
    ASSERT_LT(fit, 24u);
    std::vector<std::string> told;
    const std::optional<std::uint64_t> rise = TestSupport::PeakRise([&] { told = Draw(); });
    EXPECT_EQ(told, std::vector<std::string>{DrawingMessages::TexturesTooLarge()});
    EXPECT_TRUE(visitor->GetReport().HasNoProblems()) << "a notice, not a problem";
    ASSERT_EQ(uploader->Sizes.size(), fit);
    for (const auto& size : uploader->Sizes)
        EXPECT_EQ(size, (std::pair<std::uint32_t, std::uint32_t>{2048, 2048}));
    EXPECT_EQ(visitor->GetTextureCache().GetPixelsTaken(), fit * level);
    const std::vector<Square> squares = SquaresIn(folder.Path());
    ASSERT_EQ(squares.size(), 24u);
    for (std::size_t k = 0; k < squares.size(); ++k)
        EXPECT_COLOUR_AT(context, squares[k].X, squares[k].Y, k < fit ? White : Tint) << squares[k].Name;

    // Later frames try nothing again and tell nothing again.
    EXPECT_TRUE(Draw(2).empty());
    EXPECT_EQ(uploader->Sizes.size(), fit);
    EXPECT_EQ(uploader->ProxyTests, 24);

    if (!rise || !TestSupport::ResidentFiguresHold)
        GTEST_SKIP() << "the resident set's figures do not hold here";
    // What the driver keeps (4 bytes a pixel of the total) and one level's decoding and copy,
    // with room to spare; every texture kept or decoded at once would be 768 MiB or more.
    EXPECT_LT(*rise, (TextureCache::TotalPixelLimit * 4 + level * 8) * 3 / 2) << "peak rise of the resident set in bytes";
}

TEST_F(TextureGrid, AnUploadedLevelKeepsNoDecodedCopy)
{
    // One 4096 x 4096 texture: the driver's copy (64 MiB) stays, the decoded level and its RGBA
    // copy (64 MiB each) go once the upload is done, though the file stays in the factory.
    Write("big-textures", "1 12");
    const std::optional<std::uint64_t> before = TestSupport::StatusBytes("VmRSS");
    Draw();
    const std::optional<std::uint64_t> after = TestSupport::StatusBytes("VmRSS");
    ASSERT_EQ(uploader->Sizes.size(), 1u);
    EXPECT_COLOUR_AT(context, SquaresIn(folder.Path()).at(0).X, SquaresIn(folder.Path()).at(0).Y, White);
    ASSERT_TRUE(before && after);
    if (!TestSupport::ResidentFiguresHold)
        GTEST_SKIP() << "the resident set's figures do not hold here";
    EXPECT_LT(*after - std::min(*after, *before), std::uint64_t(96) << 20) << "resident rise in bytes";
}

// The strict switch with a textured pane open: the pane holds the texture's file, so the factory
// keeps it for the pane, and ten switches leave the one texture, uploaded once, counted once.
TEST_F(TextureGrid, StrictSwitchesLeaveTheOneTextureUploadedOnce)
{
    Write("big-textures", "1 12");
    EXPECT_TRUE(Draw().empty());
    for (int i = 0; i < 10; ++i)
    {
        Velmo::Papy::FileFactoryRegistry::Instance()->ForgetUnheld();
        EXPECT_TRUE(Draw().empty()) << "after switch " << i + 1;
    }
    EXPECT_EQ(uploader->Sizes.size(), 1u);
    EXPECT_EQ(visitor->GetTextureCache().GetPixelsTaken(), std::uint64_t(1) << 24);
    EXPECT_EQ(visitor->GetTextureCache().GetMipNames().size(), 1u);
    const Square square = SquaresIn(folder.Path()).at(0);
    EXPECT_COLOUR_AT(context, square.X, square.Y, White);
}

// A file the factory forgets (whoever holds it) is made again at the next frame: the cache
// drops the old object's texture, its name deleted and its pixels given back, and uploads the
// new one's once. Ten times over, the pane keeps one texture and one texture's pixels.
TEST_F(TextureGrid, AForgottenFileGivesItsTextureBackForTheNewOne)
{
    Write("big-textures", "1 12");
    Draw();
    for (int i = 0; i < 10; ++i)
    {
        const std::map<std::string, unsigned> before = visitor->GetTextureCache().GetMipNames();
        ASSERT_EQ(before.size(), 1u);
        CountedPointer<Velmo::Papy::MipFile> mip;
        factory->GetFacet<Velmo::Papy::MakeMip>()->Make(mip, "big0.mip", "", false);
        factory->Forget(mip.Get());
        mip = nullptr;
        EXPECT_TRUE(Draw().empty()) << "after forgetting " << i + 1;
        EXPECT_EQ(glIsTexture(before.begin()->second), GLboolean(GL_FALSE)) << "the old name is deleted";
    }
    EXPECT_EQ(uploader->Sizes.size(), 11u);
    EXPECT_EQ(visitor->GetTextureCache().GetPixelsTaken(), std::uint64_t(1) << 24);
    EXPECT_EQ(visitor->GetTextureCache().GetMipNames().size(), 1u);
    const Square square = SquaresIn(folder.Path()).at(0);
    EXPECT_COLOUR_AT(context, square.X, square.Y, White);
    EXPECT_EQ(glGetError(), GLenum(GL_NO_ERROR));
}

// Three 4096 x 4096 textures, the first's compressed pixels damaged: its decoding fails (told
// once, drawn untextured) and takes nothing of the total, so the two good ones, which fill the
// total exactly, are both textured and nothing is told about the total.
TEST_F(TextureGrid, ATextureThatFailsToDecodeTakesNothingOfTheTotal)
{
    Write("big-textures", "3 12");
    const std::uint64_t level = std::uint64_t(1) << 24;
    ASSERT_EQ(2 * level, TextureCache::TotalPixelLimit);
    {
        // Bytes in the middle of the largest level's stream (the last in the file) overwritten.
        std::fstream damaged(folder.Path("big0.mip"), std::ios::in | std::ios::out | std::ios::binary);
        damaged.seekp(0, std::ios::end);
        const std::streamoff size = damaged.tellp();
        damaged.seekp(size - size / 4);
        const std::string junk(4096, '\xA5');
        damaged.write(junk.data(), std::streamsize(junk.size()));
        ASSERT_TRUE(damaged.good());
    }
    const std::vector<std::string> told = Draw();
    ASSERT_EQ(told.size(), 1u);
    // The reader's own assertion, whatever line of its source it stands on.
    EXPECT_THAT(told[0], testing::AllOf(testing::StartsWith("Assertion failure at .\\GPLBMAPSection.cpp: "),
                                        testing::EndsWith("\nresult_size == UncompressedDataSize\n")))
        << "the exploded level's own failure, and no notice about the total";
    EXPECT_EQ(uploader->Sizes.size(), 3u);
    EXPECT_EQ(visitor->GetTextureCache().GetPixelsTaken(), 2 * level);
    const std::vector<Square> squares = SquaresIn(folder.Path());
    ASSERT_EQ(squares.size(), 3u);
    EXPECT_COLOUR_AT(context, squares[0].X, squares[0].Y, Tint);
    EXPECT_COLOUR_AT(context, squares[1].X, squares[1].Y, White);
    EXPECT_COLOUR_AT(context, squares[2].X, squares[2].Y, White);
    EXPECT_TRUE(Draw(2).empty()) << "told once, tried once";
    EXPECT_EQ(uploader->Sizes.size(), 3u);
}
