// Figures of the file panes on large files of the independent generator (label perf), printed,
// not asserted, as the best and the median of several runs:
// - a 2048 x 2048 GPL MIP with every level (32 bits, alpha images shown): the window's open with
//   its first paint (target under 0.5 s), and the repaint after a scroll (target under 50 ms),
//   both right after the open (the tiles coming into view are made by that paint) and once the
//   idle time has made every tile;
// - a DAT archive of 10,000 entries: the window's open with its first paint (target under 0.5 s)
//   and a click on each heading with the repaint that shows the sorted rows (under 0.2 s).
#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>

#include <wx/app.h>

#include "FileViewsGui.h"
#include "GuiKit.h"
#include "Vantrel/App/VantrelDocManager.h"
#include "Vantrel/Rows/DatEntryList.h"
#include "Vantrel/View/BitmapCanvas.h"
#include "Vantrel/View/DatEntryListCtrl.h"
#include "Vantrel/View/DatListView.h"
#include "Vantrel/View/MipView.h"

using namespace GuiTest;

namespace
{
const int Runs = 5;

double Since(std::chrono::steady_clock::time_point start)
{
    return std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
}

// Waits for the canvas's next paint after a step; the time of both.
template <class F>
double Milliseconds(CBitmapCanvas* canvas, F step)
{
    const int paints = canvas->GetPaintCount();
    const auto start = std::chrono::steady_clock::now();
    step();
    while (canvas->GetPaintCount() == paints && Since(start) < 5000)
    {
        canvas->Update();
        wxTheApp->Yield(true);
    }
    return Since(start);
}

bool Generate(const std::string& arguments)
{
    const std::string command = std::string(VELMO_PYTHON3) + " \"" + FileViewsTest::Script() + "\" " + arguments;
    return std::system(command.c_str()) == 0;
}

void Report(const char* what, std::vector<double> times, double target)
{
    std::sort(times.begin(), times.end());
    std::printf("%-62s best %7.1f ms  median %7.1f ms  worst %7.1f ms  (target < %.0f ms)\n", what, times.front(),
                times[times.size() / 2], times.back(), target);
}
} // namespace

TEST(PerfFileViews, LargeMip)
{
    VelmoTest::TempFolder folder;
    ASSERT_TRUE(Generate("big-mip \"" + folder.Path() + "\" 2048"));
    const std::string path = folder.Path("big/big.mip");

    std::vector<double> opens, firstPaints, freshScrolls, madeScrolls;
    int tiles = 0, firstTiles = 0;
    for (int run = 0; run < Runs; ++run)
    {
        const auto start = std::chrono::steady_clock::now();
        wxDocument* document = Manager().CreateDocument(wxString::FromUTF8(path), wxDOC_SILENT);
        opens.push_back(Since(start));
        auto* view = ViewOf<CMipView>(document);
        ASSERT_NE(view, nullptr);
        CBitmapCanvas* canvas = view->GetCanvas();
        while (canvas->GetPaintCount() == 0 && Since(start) < 5000)
        {
            canvas->Update();
            wxTheApp->Yield(true);
        }
        firstPaints.push_back(Since(start));
        firstTiles = canvas->GetMadeTileCount();
        tiles = canvas->GetTileCount();

        // A page down, into level 0's alpha image, on to the small levels, back to the top.
        const int page = canvas->GetClientSize().GetHeight();
        const int step = canvas->GetStep();
        const int places[] = {page, 2 * page, 2048 + 200, 4200, 6000, 7500, 0, page / 2};
        for (int y : places)
            freshScrolls.push_back(Milliseconds(canvas, [&] { canvas->Scroll(0, y / step); }));
        PumpUntil([canvas] { return canvas->GetMadeTileCount() == canvas->GetTileCount(); }, 20000);
        for (int y : places)
            madeScrolls.push_back(Milliseconds(canvas, [&] { canvas->Scroll(0, y / step); }));
        CloseAll();
    }
    std::printf("2048 x 2048 MIP, 12 levels with alpha images: %d tiles of %d pixels, %d made for the first paint\n",
                tiles, CBitmapCanvas::TileSide, firstTiles);
    Report("open (read, images of every level made)", opens, 500);
    Report("open and first paint", firstPaints, 500);
    Report("scroll repaint right after the open", freshScrolls, 50);
    Report("scroll repaint once idle time has made every tile", madeScrolls, 50);
}

TEST(PerfFileViews, LargeDat)
{
    VelmoTest::TempFolder folder;
    ASSERT_TRUE(Generate("big-dat \"" + folder.Path() + "\" 10000"));
    const std::string path = folder.Path("big/big.dat");

    std::vector<double> opens;
    std::vector<std::vector<double>> sorts(DatEntryList::ColumnCount);
    int rows = 0;
    for (int run = 0; run < Runs; ++run)
    {
        const auto start = std::chrono::steady_clock::now();
        wxDocument* document = Manager().CreateDocument(wxString::FromUTF8(path), wxDOC_SILENT);
        auto* view = ViewOf<CDatListView>(document);
        ASSERT_NE(view, nullptr);
        CDatEntryListCtrl* list = view->GetList();
        list->Update();
        wxTheApp->Yield(true);
        opens.push_back(Since(start));
        rows = list->GetItemCount();
        for (int column = 0; column < DatEntryList::ColumnCount; ++column)
        {
            const auto click = std::chrono::steady_clock::now();
            view->ClickColumn(column);
            list->Update();
            wxTheApp->Yield(true);
            sorts[std::size_t(column)].push_back(Since(click));
        }
        CloseAll();
    }
    std::printf("DAT archive of %d entries\n", rows);
    Report("open and first paint", opens, 500);
    for (int column = 0; column < DatEntryList::ColumnCount; ++column)
        Report((std::string("click on ") + DatEntryList::Columns[column].Heading + ", sorted rows shown").c_str(),
               sorts[std::size_t(column)], 200);
}
