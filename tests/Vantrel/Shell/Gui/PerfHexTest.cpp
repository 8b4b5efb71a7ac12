// Figures of the dump on large files (label perf): printed, not asserted.
#include <gtest/gtest.h>

#include <chrono>
#include <cstdio>
#include <fcntl.h>
#include <fstream>
#include <unistd.h>

#include <wx/app.h>

#include "GuiKit.h"
#include "Vantrel/App/VantrelDocManager.h"
#include "Support/TempFolder.h"
#include "Vantrel/Doc/SubDoc.h"
#include "Vantrel/View/BinCanvas.h"

using namespace GuiTest;

namespace
{
long PeakKilobytes()
{
    std::ifstream status("/proc/self/status");
    std::string line;
    while (std::getline(status, line))
        if (line.rfind("VmHWM:", 0) == 0)
            return std::stol(line.substr(6));
    return -1;
}

// The time of a step and of the paint that shows its result (the window's paint count moves).
template <class F>
double Milliseconds(F step, CBinCanvas* canvas)
{
    const int paints = canvas != nullptr ? canvas->GetPaintCount() : 0;
    const auto start = std::chrono::steady_clock::now();
    step();
    while (canvas != nullptr && canvas->GetPaintCount() == paints &&
           std::chrono::steady_clock::now() - start < std::chrono::seconds(2))
    {
        canvas->Update();
        wxTheApp->Yield(true);
    }
    return std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
}
} // namespace

TEST(Perf, LargeFiles)
{
    VelmoTest::TempFolder folder;
    for (Velmo::U64 size : {Velmo::U64(1) << 30, Velmo::U64(5) << 30})
    {
        const std::string path = folder.Path("large" + std::to_string(size >> 30) + ".bin");
        const int fd = open(path.c_str(), O_CREAT | O_WRONLY | O_TRUNC, 0644);
        ASSERT_EQ(ftruncate(fd, off_t(size)), 0);
        close(fd);
        CBinCanvas* canvas = nullptr;
        const double open = Milliseconds(
            [&] {
                wxDocument* document = Manager().CreateDocument(wxString::FromUTF8(path), wxDOC_SILENT);
                canvas = CanvasOf(document);
            },
            nullptr);
        ASSERT_NE(canvas, nullptr);
        const double paint = Milliseconds([canvas] { canvas->Refresh(false); }, canvas);
        std::printf("%llu GB: open %.1f ms, open and first paint %.1f ms\n", (unsigned long long)(size >> 30), open,
                    open + paint);
        const double end = Milliseconds([&] { canvas->End(); }, canvas);
        const double pageUp = Milliseconds([&] { canvas->PageUp(); }, canvas);
        const double home = Milliseconds([&] { canvas->Home(); }, canvas);
        const double pageDown = Milliseconds([&] { canvas->PageDown(); }, canvas);
        std::printf("  End %.2f ms, PgUp %.2f ms, Home %.2f ms, PgDn %.2f ms\n", end, pageUp, home, pageDown);
        canvas->End();
        const std::vector<std::string> last = canvas->GetVisibleLines();
        std::printf("  last line: %s\n", last.empty() ? "(none)" : last.back().c_str());
        CloseAll();
    }
    std::printf("peak RSS %ld kB\n", PeakKilobytes());
}
