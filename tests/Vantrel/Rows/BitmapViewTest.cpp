// The bitmap panes' model, on the bitmap files of the independent generator (bitmap.py): the
// images against the generator's own decoding of every pixel, the information lines against the
// values the files were written with, the marker colour counted over every level, the page's
// layout and scroll size.
#include <gtest/gtest.h>

#include <climits>
#include <cmath>
#include <fstream>
#include <memory>

#include "BitmapListing.h"
#include "FakeMip.h"
#include "FileViewSamples.h"
#include "Papy/Bitmap/GPLMipFile.h"
#include "Papy/Bitmap/GPLPbfFile.h"
#include "Papy/Bitmap/GPLSrbFile.h"
#include "Papy/Bitmap/N2MipFile.h"
#include "Papy/Bitmap/N2SrbFile.h"
#include "Papy/Bitmap/N4MipFile.h"
#include "Papy/Bitmap/N4StpFile.h"
#include "Papy/Model/Options.h"
#include "Util/Exception.h"
#include "Util/MemoryStream.h"
#include "Vantrel/Rows/BitmapViewModel.h"

using namespace Velmo;
using namespace Velmo::Papy;

namespace
{
using FileViewsTest::Level;
using FileViewsTest::BitmapListing;

std::string Folder()
{
    return FileViewsTest::Samples("bitmap");
}

class StrictGuard
{
public:
    explicit StrictGuard(bool strict) : m_old(Options::Instance()->Strict) { Options::Instance()->Strict = strict; }
    ~StrictGuard() { Options::Instance()->Strict = m_old; }

private:
    bool m_old;
};

// The pane's model of a sample, read as the kind the generator names.
BitmapViewModel Model(const std::string& name, const std::string& kind)
{
    std::string text = FileViewsTest::ReadText(Folder() + "/" + name);
    Util::MemoryStream stream(std::vector<U8>(text.begin(), text.end()), name);
    if (kind == "mip" || kind == "m16" || kind == "mip1")
        return BitmapViewModel::ForMip(Util::CountedPointer<MipFile>(new GPLMipFile(stream, kind == "mip1" ? 1 : 0)));
    if (kind == "n2mip")
        return BitmapViewModel::ForMip(Util::CountedPointer<MipFile>(new N2MipFile(stream, N2PaletteSource())));
    if (kind == "n4mip")
        return BitmapViewModel::ForMip(Util::CountedPointer<MipFile>(new N4MipFile(stream)));
    if (kind == "pbf")
        return BitmapViewModel::ForPbf(Util::CountedPointer<PbfFile>(new GPLPbfFile(stream)));
    if (kind == "stp")
        return BitmapViewModel::ForPbf(Util::CountedPointer<PbfFile>(new N4StpFile(stream)));
    if (kind == "n2srb")
        return BitmapViewModel::ForSrb(Util::CountedPointer<SrbFile>(new N2SrbFile(stream, N2PaletteSource())));
    StrictGuard strict(kind == "srb-strict");
    return BitmapViewModel::ForSrb(Util::CountedPointer<SrbFile>(new GPLSrbFile(stream)));
}

BitmapViewModel Model(const std::string& name)
{
    for (const auto& row : FileViewsTest::ReadTable(Folder() + "/samples.txt"))
        if (row[0] == name)
            return Model(name, row[1]);
    return Model(name, "mip");
}

std::vector<std::string> Texts(const std::vector<BitmapViewItem>& items)
{
    std::vector<std::string> texts;
    for (const BitmapViewItem& item : items)
        texts.push_back(item.What == BitmapViewItem::Text ? item.Line
                                                          : (item.What == BitmapViewItem::ColourImage ? "[colour " : "[alpha ") +
                                                                std::to_string(item.Image) + "]");
    return texts;
}

using VelmoTest::FakeMip;
} // namespace

// Every level of every sample: the colour image holds the generator's colours, the alpha image
// its alphas as grey, rows top first.
TEST(BitmapView, ImagesHoldTheGeneratorsPixels)
{
    int files = 0;
    for (const auto& row : FileViewsTest::ReadTable(Folder() + "/samples.txt"))
    {
        const std::string& name = row[0];
        SCOPED_TRACE(name);
        BitmapViewModel model = Model(name, row[1]);
        model.MakeImages();
        std::vector<Level> levels = BitmapListing(name);
        ASSERT_EQ(model.GetImageCount(), levels.size()) << name;
        ASSERT_EQ(model.GetBitmapCount(), levels.size()) << name;
        for (std::size_t m = 0; m < levels.size(); ++m)
        {
            const BitmapImages& images = model.GetImages(m);
            const Level& level = levels[m];
            ASSERT_EQ(images.Colour.Width, level.width) << name << " level " << m;
            ASSERT_EQ(images.Colour.Height, level.height) << name << " level " << m;
            ASSERT_EQ(images.Alpha.Width, level.width) << name << " level " << m;
            ASSERT_EQ(images.Colour.Pixels.size(), std::size_t(level.width) * level.height * 3);
            for (unsigned r = 0; r < level.height; ++r)
                for (unsigned c = 0; c < level.width; ++c)
                {
                    const auto& p = level.pixels[std::size_t(r) * level.width + c];
                    const U8* colour = images.Colour.At(r, c);
                    const U8* alpha = images.Alpha.At(r, c);
                    ASSERT_EQ((std::array<int, 3>{colour[0], colour[1], colour[2]}),
                              (std::array<int, 3>{p[0], p[1], p[2]}))
                        << name << " level " << m << " pixel " << r << "," << c;
                    ASSERT_EQ((std::array<int, 3>{alpha[0], alpha[1], alpha[2]}),
                              (std::array<int, 3>{p[3], p[3], p[3]}))
                        << name << " level " << m << " pixel " << r << "," << c;
                }
        }
        ++files;
    }
    EXPECT_GE(files, 40);
}

// The marker colour appears only where the generator put it: as often, over all levels, as
// its own decoding counts.
TEST(BitmapView, MarkerPixelsNumberWhatTheGeneratorCounts)
{
    int files = 0;
    for (const auto& row : FileViewsTest::ReadTable(Folder() + "/marker.txt"))
    {
        BitmapViewModel model = Model(row[0], "mip");
        model.MakeImages();
        int count = 0;
        for (std::size_t m = 0; m < model.GetImageCount(); ++m)
        {
            const auto& pixels = model.GetImages(m).Colour.Pixels;
            for (std::size_t i = 0; i + 2 < pixels.size(); i += 3)
                count += pixels[i] == 250 && pixels[i + 1] == 10 && pixels[i + 2] == 130;
        }
        EXPECT_EQ(count, std::stoi(row[1])) << row[0];
        EXPECT_EQ(model.GetImageCount(), 5u) << row[0] << ": every level of 32 x 16";
        ++files;
    }
    EXPECT_EQ(files, 2);
}

TEST(BitmapView, InformationLinesFollowTheFilesValues)
{
    const std::string gplTail = "Compression: None|Repeat Horizontally: Yes|Repeat Vertically: Yes|Self Obscuring: No";
    const struct
    {
        const char* file;
        std::string lines;
    } cases[] = {
        {"f0.mip", "16 colour palette|Opaque|Colour bits: 8 Red  8 Green  8 Blue  8 Alpha|" + gplTail},
        {"f1.mip", "Individual palettes|Transparent|Colour bits: 8 Red  8 Green  8 Blue  8 Alpha|" + gplTail},
        {"short-cmap.mip", "5 colour palette|Opaque|Colour bits: 8 Red  8 Green  8 Blue  8 Alpha|" + gplTail},
        {"f7.mip", "No palette|Partially Transparent|Colour bits: 8 Red  8 Green  8 Blue  8 Alpha|" + gplTail},
        // Repeat flags 1: bit 0 says it does not repeat horizontally.
        {"f3.m16", "No palette|Opaque|Colour bits: 5 Red  6 Green  5 Blue  0 Alpha|Compression: None|"
                   "Repeat Horizontally: No|Repeat Vertically: Yes|Self Obscuring: No"},
        {"v1.mip", "No palette|Partially Transparent|Colour bits: 8 Red  8 Green  8 Blue  8 Alpha|" + gplTail +
                       "|Unknown values: 3735928559 |Unknown strings: sixteen letters! "},
        {"n4-v2-f3.mip", "No palette|Opaque|Colour bits: 5 Red  6 Green  5 Blue  0 Alpha|Compression: None|"
                         "Repeat Horizontally: No|Repeat Vertically: No|Self Obscuring: Yes|Unknown values: 6 7 "},
        {"n4-v4-f11.mip", "No palette|Partially Transparent|Colour bits: 5 Red  6 Green  5 Blue  4 Alpha|"
                          "Compression: DXT|Repeat Horizontally: Yes|Repeat Vertically: Yes|Self Obscuring: No|"
                          "Unknown values: 9 |Unknown float values: 0.5 "},
        // Scales 12.5, 8, 8, 6, 2, 3 over 8 x 8 pixels: corners at x -3.125 and 9.375, z 4 and -4;
        // texture corners at u 1 and v 0.75.
        {"f7.srb", "No palette|Partially Transparent|Colour bits: 8 Red  8 Green  8 Blue  8 Alpha|"
                   "Vertices: (-3.1,4.0) (9.4,4.0) (9.4,-4.0) (-3.1,-4.0)|"
                   "Texture Vertices: (0.0,0.0) (1.0,0.0) (1.0,0.8) (0.0,0.8)|Unknown values: 1 2 3 4 5 6 7 8 9 "},
        // The same scales over 8 x 4 pixels: v 1.5.
        {"f0.srb", "16 colour palette|Opaque|Colour bits: 8 Red  8 Green  8 Blue  8 Alpha|"
                   "Vertices: (-3.1,4.0) (9.4,4.0) (9.4,-4.0) (-3.1,-4.0)|"
                   "Texture Vertices: (0.0,0.0) (1.0,0.0) (1.0,1.5) (0.0,1.5)|Unknown values: 1 2 3 4 5 6 7 8 9 "},
        {"f7.pbf", "No palette|Partially Transparent|Colour bits: 8 Red  8 Green  8 Blue  8 Alpha"},
        {"f0.pbf", "16 colour palette|Opaque|Colour bits: 8 Red  8 Green  8 Blue  8 Alpha"},
        {"f3.pbf", "No palette|Opaque|Colour bits: 5 Red  6 Green  5 Blue  0 Alpha"},
        {"f7.stp", "No palette|Partially Transparent|Colour bits: 8 Red  8 Green  8 Blue  8 Alpha|Unknown values: 77 "},
        {"f6.stp", "No palette|Opaque|Colour bits: 8 Red  8 Green  8 Blue  0 Alpha|Unknown values: 0 "},
    };
    for (const auto& c : cases)
    {
        std::string joined;
        BitmapViewModel model = Model(c.file);
        for (const std::string& line : model.GetInfoLines())
            joined += (joined.empty() ? "" : "|") + line;
        EXPECT_EQ(joined, c.lines) << c.file;
    }
}

TEST(BitmapView, AListThatDoesNotFitEndsInDots)
{
    Util::CountedPointer<MipFile> mip(new FakeMip());
    FakeMip& fake = static_cast<FakeMip&>(*mip);
    fake.ints.assign(20, 4294967295u);
    const std::string line = BitmapViewModel::ForMip(mip).GetInfoLines().back();
    EXPECT_EQ(line, "Unknown values: 4294967295 4294967295 4294967295 4294967295 4294967295 ...");
    EXPECT_LE(line.size(), BitmapViewModel::LineLimit);
    // Five values fit, in 71 characters: all are shown.
    fake.ints.assign(5, 4294967295u);
    EXPECT_EQ(BitmapViewModel::ForMip(mip).GetInfoLines().back(),
              "Unknown values: 4294967295 4294967295 4294967295 4294967295 4294967295 ");
}

// Three levels with alpha bits: a heading, the colour image, "Transparency" and the grey image
// each; the page steps one text line after every line and image.
TEST(BitmapView, ThePageListsEveryBitmapWithItsAlphaImage)
{
    BitmapViewModel model = Model("f7.mip");
    model.MakeImages();
    const int step = 16;
    std::vector<BitmapViewItem> items = model.Layout(step);
    std::vector<std::string> texts = Texts(items);
    std::vector<std::string> tail(texts.begin() + 7, texts.end());
    EXPECT_EQ(tail, (std::vector<std::string>{"Bitmap 8x4", "[colour 0]", "Transparency", "[alpha 0]", "Bitmap 4x2",
                                              "[colour 1]", "Transparency", "[alpha 1]", "Bitmap 2x1", "[colour 2]",
                                              "Transparency", "[alpha 2]"}));
    std::vector<S64> tops;
    for (const BitmapViewItem& item : items)
        tops.push_back(item.Top);
    EXPECT_EQ(tops, (std::vector<S64>{0, 16, 32, 48, 64, 80, 96, 112, 128, 148, 164, 184, 200, 218, 234, 252, 268,
                                      285, 301}));
    // A paint of rows 130 to 170 draws the first colour image (128 to 132) and "Transparency"
    // (148 to 164) and the top of the first alpha image.
    std::vector<std::string> painted;
    for (const BitmapViewItem& item : items)
        if (item.Meets(130, 170))
            painted.push_back(Texts({item})[0]);
    EXPECT_EQ(painted, (std::vector<std::string>{"[colour 0]", "Transparency", "[alpha 0]"}));
    // 3 x 100 + 4 x 2 + 200 + 4 x 2; the page at that step is shorter.
    EXPECT_EQ(model.GetScrollSize(step).Height, 516);
    EXPECT_EQ(model.GetScrollSize(step).Width, 400) << "at least 400 wide";
    // With a tall font the page outgrows the formula and stays within reach.
    EXPECT_EQ(model.GetScrollSize(100).Height, 7 * 100 + 3 * 400 + 2 * (4 + 2 + 1));
}

TEST(BitmapView, WithoutAlphaBitsNoTransparencyIsShown)
{
    BitmapViewModel model = Model("f3.m16");
    model.MakeImages();
    EXPECT_FALSE(model.ShowsAlpha());
    ASSERT_EQ(model.GetImageCount(), 4u);
    EXPECT_FALSE(model.GetImages(0).Alpha.Pixels.empty()) << "made all the same";
    for (const std::string& text : Texts(model.Layout(10)))
    {
        EXPECT_NE(text, "Transparency");
        EXPECT_EQ(text.find("[alpha"), std::string::npos);
    }
    // Four levels of 16 x 8 down to 2 x 1: 4 x 100 + 8 x 2 + 200.
    EXPECT_EQ(model.GetScrollSize(10).Height, 616);

    BitmapViewModel pure = Model("f3.pbf");
    pure.MakeImages();
    EXPECT_EQ(pure.GetScrollSize(10).Height, 3 + 200);
}

// The images are made once; a second call makes nothing again.
TEST(BitmapView, ImagesAreMadeOnce)
{
    BitmapViewModel model = Model("f7.mip");
    EXPECT_EQ(model.GetImageCount(), 0u);
    model.MakeImages();
    const U8* first = model.GetImages(0).Colour.Pixels.data();
    model.MakeImages();
    EXPECT_EQ(model.GetImageCount(), 3u);
    EXPECT_EQ(model.GetImages(0).Colour.Pixels.data(), first);
}

// A level that fails when decoded stops the making; the level before it is shown.
TEST(BitmapView, ALevelThatFailsLeavesTheOnesBefore)
{
    BitmapViewModel model = Model("short-level.mip");
    EXPECT_EQ(model.GetBitmapCount(), 2u);
    try
    {
        model.MakeImages();
        ADD_FAILURE() << "level 1 decoded";
    }
    catch (const Util::XAssertion& e)
    {
        EXPECT_STREQ(e.GetExpression(), "CompressedDataSize == UncompressedDataSize");
    }
    EXPECT_EQ(model.GetImageCount(), 1u);
    std::vector<std::string> texts = Texts(model.Layout(10));
    EXPECT_EQ(texts.back(), "[colour 0]");
}

// The palette of a paletted file without bitmaps is not asked for: there is no level to give it.
TEST(BitmapView, APalettedFileWithoutBitmapsShowsNoColours)
{
    BitmapViewModel model = Model("none-paletted.mip", "mip");
    EXPECT_EQ(model.GetInfoLines()[0], "0 colour palette");
    model.MakeImages();
    EXPECT_EQ(model.GetImageCount(), 0u);
    EXPECT_EQ(model.Layout(10).size(), model.GetInfoLines().size());
}

// Sizes are worked out in 64 bits; a file too large to show (past the page's pixel limit, as
// any size past the int range is) gets a page of its lines.
TEST(BitmapView, ScrollSizesAreHeldToTheIntRange)
{
    Util::CountedPointer<MipFile> mip(new FakeMip());
    FakeMip& fake = static_cast<FakeMip&>(*mip);
    fake.count = 32;
    fake.width = 0x80000000u;
    fake.height = 0x7FFFFFFFu;
    fake.alpha = 8;
    BitmapViewModel huge = BitmapViewModel::ForMip(mip);
    BitmapScrollSize size = huge.GetScrollSize(20);
    EXPECT_EQ(size.Width, int(BitmapViewModel::MinimumWidth));
    EXPECT_EQ(size.Height, int(huge.GetInfoLines().size() + 1) * 20);
    fake.count = 1;
    fake.width = 2000;
    fake.height = 3;
    fake.alpha = 0;
    size = BitmapViewModel::ForMip(mip).GetScrollSize(20);
    EXPECT_EQ(size.Width, 2000);
    EXPECT_EQ(size.Height, 100 + 6 + 200);
}
