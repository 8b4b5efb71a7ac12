// Bitmap files that declare more pixels than a page shows: a few megabytes of imploded zeros
// can declare gigabytes. The page shows the file's lines and one line saying the bitmap is too
// large to show; nothing is decoded, so opening such a file takes little memory.
#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <iterator>
#include <optional>
#include <stdexcept>
#include <vector>

#include "FakeMip.h"
#include "Papy/Bitmap/N4MipFile.h"
#include "Support/PeakMemory.h"
#include "Support/TempFolder.h"
#include "Util/BinaryFile.h"
#include "Util/Exception.h"
#include "Vantrel/Rows/BitmapViewModel.h"

#ifndef VELMO_PYTHON3
#define VELMO_PYTHON3 "python3"
#endif

using namespace Velmo;
using namespace Velmo::Papy;

namespace
{
// A multipart file of a declared size whose bitmaps must never be asked for.
VelmoTest::FakeMip* SizeOnlyMip(U32 count, U32 width, U32 height)
{
    auto* fake = new VelmoTest::FakeMip(count, width, height);
    fake->alpha = 8;
    fake->transparency = 2;
    fake->repeats = true;
    return fake;
}

// bitmap.py's N4 MIP of imploded zeros: format, exponents of level 0 and level count.
std::string ZeroN4Mip(const VelmoTest::TempFolder& folder, int format, int wexp, int hexp, int count)
{
    const std::string path = folder.Path("zero.mip");
    const std::string command = std::string(VELMO_PYTHON3) + " \"" + VELMO_TEST_SOURCE_DIR +
                                "/Papy/Bitmap/bitmap.py\" zero-n4 \"" + path + "\" " + std::to_string(format) + " " +
                                std::to_string(wexp) + " " + std::to_string(hexp) + " " + std::to_string(count);
    if (std::system(command.c_str()) != 0)
        throw std::runtime_error("failed: " + command);
    return path;
}

std::vector<std::string> Texts(const std::vector<BitmapViewItem>& items)
{
    std::vector<std::string> texts;
    for (const BitmapViewItem& item : items)
        texts.push_back(item.What == BitmapViewItem::Text ? item.Line : "[image]");
    return texts;
}
} // namespace

// The declared pixels of every level (each side halving down to 1) against the limit of
// 2^25: at the limit a file is shown, one pixel past it not.
TEST(HugeBitmap, DeclaredPixelsOfEveryLevelMeetTheLimit)
{
    struct Case
    {
        U32 count, width, height;
        U64 pixels;
        bool tooLarge;
    } cases[] = {
        {13, 4096, 4096, 22369621, false},         // a whole 4096 x 4096 chain
        {1, 8192, 4096, U64(1) << 25, false},      // exactly the limit
        {1, 8193, 4096, (U64(1) << 25) + 4096, true},
        {2, 8192, 4096, (U64(1) << 25) + (U64(1) << 23), true},
        {3, 4, 1, 4 + 2 + 1, false},               // the short side stays 1
        {0, 16384, 16384, 0, false},               // no bitmaps
        {1, 0xFFFFFFFFu, 0xFFFFFFFFu, 0xFFFFFFFE00000001ull, true},
    };
    for (const Case& c : cases)
    {
        auto* fake = SizeOnlyMip(c.count, c.width, c.height);
        Util::CountedPointer<MipFile> file(fake);
        BitmapViewModel model = BitmapViewModel::ForMip(file);
        SCOPED_TRACE(std::to_string(c.count) + " of " + std::to_string(c.width) + "x" + std::to_string(c.height));
        if (c.pixels <= BitmapViewModel::PixelLimit || c.count <= 1)
        {
            EXPECT_EQ(model.GetDeclaredPixels(), c.pixels);
        }
        EXPECT_EQ(model.IsTooLarge(), c.tooLarge);
        if (c.tooLarge)
        {
            model.MakeImages();
            EXPECT_EQ(fake->requests, 0);
            EXPECT_EQ(model.GetImageCount(), 0u);
        }
    }
}

// The page of a file too large to show: its lines, then the one line; as wide as the narrowest
// page and as high as its lines.
TEST(HugeBitmap, ThePageSaysTheBitmapIsTooLargeToShow)
{
    Util::CountedPointer<MipFile> file(SizeOnlyMip(15, 16384, 16384));
    BitmapViewModel model = BitmapViewModel::ForMip(file);
    model.MakeImages();
    const std::vector<std::string> expected = {"No palette",
                                               "Partially Transparent",
                                               "Colour bits: 8 Red  8 Green  8 Blue  8 Alpha",
                                               "Compression: None",
                                               "Repeat Horizontally: Yes",
                                               "Repeat Vertically: Yes",
                                               "Self Obscuring: No",
                                               "Bitmap 16384x16384 too large to show"};
    EXPECT_EQ(Texts(model.Layout(20)), expected);
    const BitmapScrollSize size = model.GetScrollSize(20);
    EXPECT_EQ(size.Width, int(BitmapViewModel::MinimumWidth));
    EXPECT_EQ(size.Height, 8 * 20);
}

// A real file: an N4 MIP of one 8192 x 8192 level of 32-bit zeros, 1.5 MB imploded, 256 MiB
// decoded. Opening it and making its page decodes nothing and takes a few megabytes.
TEST(HugeBitmap, AnImplodedLevelOfZerosIsNeverDecoded)
{
    VelmoTest::TempFolder folder;
    const std::string path = ZeroN4Mip(folder, 7, 13, 13, 1);
    std::vector<std::string> texts;
    const std::optional<std::uint64_t> rise = TestSupport::PeakRise([&] {
        Util::CountedPointer<Util::BinaryStream> stream(Util::BinaryFile::OpenRead(path));
        Util::CountedPointer<MipFile> file(new N4MipFile(*stream));
        BitmapViewModel model = BitmapViewModel::ForMip(file);
        model.MakeImages();
        texts = Texts(model.Layout(20));
    });
    ASSERT_FALSE(texts.empty());
    EXPECT_EQ(texts.back(), "Bitmap 8192x8192 too large to show");
    EXPECT_EQ(texts.size(), 10u) << "the seven lines, the two of unknown values and the one line";
    if (!rise)
        GTEST_SKIP() << "the resident set's high-water mark cannot be reset here";
    EXPECT_LT(*rise, std::uint64_t(64) << 20) << "peak rise of the resident set in bytes";
}
