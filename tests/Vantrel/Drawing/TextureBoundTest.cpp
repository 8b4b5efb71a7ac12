// Textures from DAT entries that all point at one imploded block, as drawing_samples.py writes
// them (shared-block): N4 squares in rows of six, each under its own entry, white where the
// texture shows, green (the tint) where the square is drawn untextured.
//   - A texture's size is read from its header before its pixels are unpacked: one past the
//     textures' total is never unpacked whole.
//   - A texture a node names costs a name of the frame's budget, and what loading unpacks is
//     charged to it.
//   - What the textures hold stays within the memory bound: past it a texture is drawn
//     untextured with the textures' notice; bytes after a MIP's levels are never unpacked.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <fstream>
#include <memory>
#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

#include "TextureSquares.h"
#include "DrawingTestSupport.h"
#include "Papy/Container/CompressedSubFile.h"
#include "Papy/Factory/FileFactoryRegistry.h"
#include "Support/PeakMemory.h"
#include "Support/TempFolder.h"
#include "Util/MemoryBound.h"
#include "Util/PkCompression.h"
#include "Vantrel/Drawing/DrawingMessages.h"
#include "Vantrel/Drawing/TextureCache.h"
#include "Vantrel/Drawing/ThreeDObject3DVisitor.h"
#include "Vantrel/Drawing/ThreeDObjectCheckVisitor.h"

using namespace DrawingTest;
using Velmo::Papy::CompressedSubFile;
using Velmo::Util::MemoryBound;

namespace
{
bool Contains(const std::vector<std::string>& texts, const std::string& text)
{
    return std::find(texts.begin(), texts.end(), text) != texts.end();
}

class TextureBound : public testing::Test
{
protected:
    void SetUp() override
    {
        VELMO_REQUIRE_GL(context);
        SetView();
    }

    // Writes the folder (named "blocks", so that its DAT is blocks.dat) with drawing_samples.py.
    void Write(const std::string& arguments) { WriteTextureFolder("shared-block", Folder(), arguments); }

    std::string Folder() const { return temp.Path("blocks"); }

    std::vector<Square> Squares() const { return SquaresIn(Folder()); }
    ThreeDObject3DVisitor& Visitor()
    {
        if (!visitor)
        {
            factory = Velmo::Papy::FileFactoryRegistry::Instance()->GetFactory(Folder(), false);
            file = LoadObject(factory, "textures");
            visitor = std::make_unique<ThreeDObject3DVisitor>(factory);
            visitor->SetTextureUploader(uploader);
        }
        return *visitor;
    }

    // Draws textures.3do until a frame is drawn in full (at most `frames`); answers every
    // notice told on the way, each once, and the problems of the last frame after them.
    std::vector<std::string> DrawWhole(int frames = 10)
    {
        std::vector<std::string> told;
        for (int frame = 0; frame < frames; ++frame)
        {
            Visitor().GetReport().Clear();
            ::Draw(DrawOptions(), Visitor(), RootOf(file), nullptr);
            for (const std::string& notice : visitor->GetReport().GetNotices())
                if (!Contains(told, notice))
                    told.push_back(notice);
            if (!Contains(visitor->GetReport().GetNotices(), DrawingMessages::TooLarge()))
                break;
        }
        const std::vector<std::string>& problems = visitor->GetReport().GetMessages();
        told.insert(told.end(), problems.begin(), problems.end());
        return told;
    }

    GLContext context{192, 192};
    VelmoTest::TempFolder temp;
    CountedPointer<FileFactory> factory;
    CountedPointer<TdoFile> file;
    std::unique_ptr<ThreeDObject3DVisitor> visitor;
    CountedPointer<CountingUploader> uploader{new CountingUploader};
};
} // namespace

TEST_F(TextureBound, TexturesPastTheTotalAreNeverUnpacked)
{
    // Twelve entries of one block: a 2048 x 2048 MIP of stored pixels, 16 MiB unpacked each. Eight
    // fill the total; the four after them are weighed on their headers and never unpacked.
    Write("12 11");
    const std::uint64_t level = std::uint64_t(1) << 22;
    const std::size_t fit = std::size_t(TextureCache::TotalPixelLimit / level);
    ASSERT_EQ(fit, 8u);
    const std::uint64_t unpacked = CompressedSubFile::GetWholeUnpackCount();
    const std::vector<std::string> told = DrawWhole();
    EXPECT_TRUE(Contains(told, DrawingMessages::TexturesTooLarge()));
    EXPECT_TRUE(Visitor().GetReport().GetMessages().empty()) << Visitor().GetReport().GetText();
    EXPECT_EQ(CompressedSubFile::GetWholeUnpackCount() - unpacked, fit);
    EXPECT_EQ(uploader->Sizes.size(), fit);
    const std::vector<Square> squares = Squares();
    ASSERT_EQ(squares.size(), 12u);
    for (std::size_t k = 0; k < squares.size(); ++k)
        EXPECT_COLOUR_AT(context, squares[k].X, squares[k].Y, k < fit ? White : Tint) << squares[k].Name;
}

TEST_F(TextureBound, TextureNamesAndUnpackingAreCharged)
{
    Write("3 11");
    {
        // What loading unpacked, charged as Pixels: the entry's first bytes for its header,
        // then the whole entry for its level, 16 MiB.
        CountedPointer<Velmo::Papy::MipFile> mip;
        DrawingReport report;
        TextureCache cache;
        cache.SetUploader(CountedPointer<TextureUploader>(new CountingUploader));
        FrameBudget budget(FrameBudget::WithoutDeadline());
        const std::uint64_t decoded = Velmo::Util::PkCompression::GetDecodedBytes();
        factory = Velmo::Papy::FileFactoryRegistry::Instance()->GetFactory(Folder(), false);
        EXPECT_NE(cache.GetMip("big0.mip", *factory->GetFacet<Velmo::Papy::MakeMip>(), mip, report, &budget), 0u);
        const std::uint64_t made = Velmo::Util::PkCompression::GetDecodedBytes() - decoded;
        EXPECT_GT(made, std::uint64_t(16) << 20);
        EXPECT_LT(made, std::uint64_t(17) << 20);
        EXPECT_EQ(budget.GetTaken()[FrameBudget::Pixels], double(made) * TextureCache::PixelsPerByteMade);
        cache.DeleteAll();
    }

    // Two names a frame: the third square's texture is not looked up, in the drawing walk or
    // in the check.
    FrameBudget::Amounts limits = FrameBudget::WithoutDeadline();
    limits[FrameBudget::Names] = 2;
    Visitor().SetLimits(limits);
    Visitor().GetReport().Clear();
    ::Draw(DrawOptions(), Visitor(), RootOf(file), nullptr);
    EXPECT_EQ(Visitor().GetBudget().GetSpentOn(), FrameBudget::Names);
    EXPECT_EQ(uploader->Sizes.size(), 2u);
    EXPECT_EQ(Visitor().GetReport().GetNotices(), std::vector<std::string>{DrawingMessages::TooLarge()});

    ThreeDObjectCheckVisitor check(factory);
    check.SetLimits(limits);
    RootOf(file)->Accept(check);
    EXPECT_EQ(check.GetBudget().GetSpentOn(), FrameBudget::Names);
    EXPECT_EQ(check.GetBudget().GetTaken()[FrameBudget::Names], 2);
}

TEST_F(TextureBound, TexturesPastTheMemoryBoundAreDrawnUntexturedWithTheNotice)
{
    // Eight entries of one block, a 512 x 512 MIP (1 MiB) each: a texture holds its level's
    // bytes and the driver's copy (2 MiB), and while it loads its unpacked entry as well (3 MiB
    // and a little). A bound of 6 MiB over what is held already lets two in.
    Write("8 9");
    const std::uint64_t mebibyte = std::uint64_t(1) << 20;
    const MemoryBound::Scope bound(MemoryBound::GetTaken() + 6 * mebibyte);
    MemoryBound::ResetPeak();
    std::vector<std::string> told;
    const std::optional<std::uint64_t> rise = TestSupport::PeakRise([&] { told = DrawWhole(); });
    EXPECT_EQ(told, std::vector<std::string>{DrawingMessages::TexturesTooLarge()}) << "a notice, not a problem";
    EXPECT_LE(MemoryBound::GetPeak(), MemoryBound::GetBound());
    EXPECT_EQ(uploader->Sizes.size(), 2u);
    const std::vector<Square> squares = Squares();
    ASSERT_EQ(squares.size(), 8u);
    for (std::size_t k = 0; k < squares.size(); ++k)
        EXPECT_COLOUR_AT(context, squares[k].X, squares[k].Y, k < 2 ? White : Tint) << squares[k].Name;
    EXPECT_TRUE(DrawWhole(2).empty()) << "told once, tried once";
    EXPECT_EQ(uploader->Sizes.size(), 2u);
    if (!rise || !TestSupport::ResidentFiguresHold)
        GTEST_SKIP() << "the resident set's figures do not hold here";
    EXPECT_LT(*rise, 6 * mebibyte + (std::uint64_t(32) << 20)) << "peak rise of the resident set in bytes";
}

TEST_F(TextureBound, BytesAfterTheLevelsAreNeverUnpacked)
{
    // Sixteen entries of one block: a 1 x 1 MIP, then 64 MiB of zeros. The levels are read
    // from the entry's first bytes: the zeros are counted at opening and never held, within
    // the default bound (which sixteen whole entries would pass).
    Write("16 0 67108864");
    const std::uint64_t unpacked = CompressedSubFile::GetWholeUnpackCount();
    MemoryBound::ResetPeak();
    const std::uint64_t held = MemoryBound::GetTaken();
    std::vector<std::string> told;
    const std::optional<std::uint64_t> rise = TestSupport::PeakRise([&] { told = DrawWhole(); });
    EXPECT_TRUE(told.empty()) << told.front();
    EXPECT_EQ(CompressedSubFile::GetWholeUnpackCount(), unpacked);
    EXPECT_EQ(uploader->Sizes.size(), 16u);
    EXPECT_LT(MemoryBound::GetPeak() - held, std::uint64_t(4) << 20);
    for (const Square& square : Squares())
        EXPECT_COLOUR_AT(context, square.X, square.Y, White) << square.Name;
    if (!rise || !TestSupport::ResidentFiguresHold)
        GTEST_SKIP() << "the resident set's figures do not hold here";
    EXPECT_LT(*rise, std::uint64_t(48) << 20) << "peak rise of the resident set in bytes";
}
