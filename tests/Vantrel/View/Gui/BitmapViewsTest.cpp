// The bitmap panes in the application: each game's multipart, pure and scaled bitmaps of the
// independent generator (bitmap.py) opened from game folders (folders.py) through their
// folders' factories. What the screen shows is checked against the generator's own decoding of
// every pixel: the headings of the levels, every colour image at 1:1, the grey alpha images when
// the file has alpha bits, and the marker colour counted over all levels.
#include <gtest/gtest.h>

#include <array>
#include <fstream>

#include "FileViewsGui.h"
#include "GuiKit.h"
#include "Vantrel/Doc/VantrelDoc.h"
#include "Vantrel/Frame/DocChildFrame.h"
#include "Vantrel/Rows/BitmapListing.h"
#include "Vantrel/View/BitmapCanvas.h"
#include "Vantrel/View/BitmapView.h"

using namespace GuiTest;

namespace
{
using FileViewsTest::Level;
using FileViewsTest::BitmapListing;

// The pixels of a window's client area in a shot of the window.
struct ClientShot
{
    wxImage image;
    wxPoint origin; // the client area's top left inside the image

    std::array<int, 3> At(int x, int y) const
    {
        return {image.GetRed(origin.x + x, origin.y + y), image.GetGreen(origin.x + x, origin.y + y),
                image.GetBlue(origin.x + x, origin.y + y)};
    }
};

ClientShot ShotOf(CBitmapCanvas* canvas, const std::string& name)
{
    ClientShot shot;
    shot.image = Shot(canvas, name);
    shot.origin = canvas->ClientToScreen(wxPoint(0, 0)) - canvas->GetScreenPosition();
    return shot;
}

// Opens a bitmap and waits until its page is painted.
CBitmapCanvas* OpenBitmap(const std::string& path, int& templateId)
{
    CVantrelDoc* document = Open(path);
    templateId = TemplateIdOf(document);
    auto* view = ViewOf<CBitmapView>(document);
    CBitmapCanvas* canvas = view != nullptr ? view->GetCanvas() : nullptr;
    if (canvas != nullptr)
        PumpUntil([canvas] { return canvas->GetPaintCount() > 0; });
    return canvas;
}

std::vector<std::string> Lines(const CBitmapCanvas& canvas)
{
    std::vector<std::string> lines;
    for (const BitmapViewItem& item : canvas.GetItems())
        if (item.What == BitmapViewItem::Text)
            lines.push_back(item.Line);
    return lines;
}
} // namespace

TEST(BitmapViews, EachGamesBitmapsShowEveryLevelAtOneToOne)
{
    VelmoTest::TempFolder folder;
    for (const char* game : {"gpl/Monza", "n2/Nazareth", "n4/tracks/Oval"})
        FileViewsGui::Copy(folder, "dat", std::string("folders/") + game, game);
    const struct
    {
        const char* game;
        const char* file;
        int templateId;
        bool alpha; // written with alpha bits
        const char* shot;
    } cases[] = {
        {"gpl/Monza", "f7.mip", 135, true, ""},
        {"gpl/Monza", "f3.m16", 135, false, ""},
        {"gpl/Monza", "f0.mip", 135, true, ""},
        {"gpl/Monza", "f7.pbf", 134, true, "pbf"},
        {"gpl/Monza", "f3.pbf", 134, false, ""},
        {"gpl/Monza", "f0.srb", 136, true, "srb"},
        {"n2/Nazareth", "n2-f3.mip", 135, true, ""},
        {"n2/Nazareth", "n2-f1.srb", 136, true, ""},
        {"n4/tracks/Oval", "n4-v4-f11.mip", 135, true, ""},
        {"n4/tracks/Oval", "n4-v2-f3.mip", 135, false, ""},
        {"n4/tracks/Oval", "f7.stp", 134, true, ""},
    };
    for (const auto& c : cases)
    {
        SCOPED_TRACE(c.file);
        const std::string path = FileViewsGui::Copy(folder, "bitmap", c.file, std::string(c.game) + "/" + c.file);
        int templateId = 0;
        CBitmapCanvas* canvas = OpenBitmap(path, templateId);
        EXPECT_EQ(templateId, c.templateId);
        ASSERT_NE(canvas, nullptr);
        const std::vector<Level> levels = BitmapListing(c.file);

        // The headings: each level's size, and "Transparency" before each alpha image.
        std::vector<std::string> headings;
        for (const std::string& line : Lines(*canvas))
            if (line.rfind("Bitmap ", 0) == 0 || line == "Transparency")
                headings.push_back(line);
        std::vector<std::string> expected;
        for (const Level& level : levels)
        {
            expected.push_back("Bitmap " + std::to_string(level.width) + "x" + std::to_string(level.height));
            if (c.alpha)
                expected.push_back("Transparency");
        }
        EXPECT_EQ(headings, expected);

        // Every image on the screen, pixel for pixel.
        const ClientShot shot = ShotOf(canvas, c.shot);
        ASSERT_TRUE(shot.image.IsOk());
        int images = 0;
        for (const BitmapViewItem& item : canvas->GetItems())
        {
            if (item.What == BitmapViewItem::Text)
                continue;
            ASSERT_LT(item.Image, levels.size());
            const Level& level = levels[item.Image];
            ASSERT_LE(item.Top + level.height, canvas->GetClientSize().GetHeight()) << "the page fits the window";
            int wrong = 0;
            for (int y = 0; y < int(level.height); ++y)
                for (int x = 0; x < int(level.width); ++x)
                {
                    const auto& p = level.pixels[std::size_t(y) * level.width + x];
                    const std::array<int, 3> want = item.What == BitmapViewItem::ColourImage
                                                        ? std::array<int, 3>{p[0], p[1], p[2]}
                                                        : std::array<int, 3>{p[3], p[3], p[3]};
                    wrong += shot.At(x, int(item.Top) + y) != want;
                }
            EXPECT_EQ(wrong, 0) << (item.What == BitmapViewItem::ColourImage ? "colour" : "alpha") << " image of level "
                                << item.Image;
            ++images;
        }
        EXPECT_EQ(images, int(levels.size()) * (c.alpha ? 2 : 1));
        CloseAll();
    }
}

// The pixels of a colour used only where the generator put it number, on the screen, what the
// generator counts over every level: each level is drawn once, at 1:1.
TEST(BitmapViews, MarkerPixelsOnTheScreenNumberWhatTheGeneratorCounts)
{
    VelmoTest::TempFolder folder;
    FileViewsGui::Copy(folder, "dat", "folders/gpl/Monza", "gpl/Monza");
    for (const auto& row : FileViewsTest::ReadTable(FileViewsGui::Samples("bitmap") + "/marker.txt"))
    {
        SCOPED_TRACE(row[0]);
        const std::string path = FileViewsGui::Copy(folder, "bitmap", row[0], "gpl/Monza/" + row[0]);
        int templateId = 0;
        CBitmapCanvas* canvas = OpenBitmap(path, templateId);
        ASSERT_NE(canvas, nullptr);
        ASSERT_EQ(canvas->GetModel()->GetImageCount(), 5u);
        int x = 0, y = 0;
        canvas->GetVirtualSize(&x, &y);
        const BitmapViewItem& last = canvas->GetItems().back();
        ASSERT_LE(last.Top + last.Height, canvas->GetClientSize().GetHeight()) << "the whole page is shown";
        const ClientShot shot = ShotOf(canvas, row[0] == "marker7.mip" ? "mip" : "");
        int markers = 0;
        for (int py = 0; py < canvas->GetClientSize().GetHeight(); ++py)
            for (int px = 0; px < canvas->GetClientSize().GetWidth(); ++px)
                markers += shot.At(px, py) == std::array<int, 3>{250, 10, 130};
        EXPECT_EQ(markers, std::stoi(row[1]));
        CloseAll();
    }
}

// A file whose second level is cut short: the first level is shown, and the reader's message
// comes once the window is up.
TEST(BitmapViews, ALevelThatFailsKeepsTheLevelsBeforeIt)
{
    VelmoTest::TempFolder folder;
    FileViewsGui::Copy(folder, "dat", "folders/gpl/Monza", "gpl/Monza");
    const std::string path = FileViewsGui::Copy(folder, "bitmap", "short-level.mip", "gpl/Monza/short-level.mip");
    Messages messages;
    int templateId = 0;
    CBitmapCanvas* canvas = OpenBitmap(path, templateId);
    ASSERT_NE(canvas, nullptr);
    PumpUntil([&] { return !messages.Texts.empty(); });
    ASSERT_EQ(messages.Texts.size(), 1u);
    EXPECT_FALSE(messages.Texts[0].empty());
    EXPECT_EQ(canvas->GetModel()->GetImageCount(), 1u);
    EXPECT_EQ(Lines(*canvas).back(), "Bitmap 2x2");
    Pump();
    EXPECT_EQ(messages.Texts.size(), 1u) << "said once";
    CloseAll();
}
