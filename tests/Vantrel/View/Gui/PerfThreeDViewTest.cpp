// Figures of the 3D-object pane in the running application (label perf): printed, not asserted.
// The pane is made 1024 x 768 where the screen allows. Through the window (the toolkit's
// paint, the swap on the virtual display):
//   - Track 3D of a generated 3000-segment lap (10 floor and 4 wall sections a segment): the
//     first paint (bounds, the list compiled) and later paints (the list replayed);
//   - 3D mode of a generated 50,000-polygon object: the first paint (bounds and drawing) and
//     later paints;
//   - Check of a 50,000-polygon object using 200 textures 250 times each, the second time (the
//     files cached);
//   - the hostile samples of drawing_samples.py (40 shared levels over one square; 7 objects that
//     each name the next 64 times): the first paint of each mode, and the peak memory after them.
// The same figures without the window: bench/ThreeDObjectPaneBench.
#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <string>
#include <vector>

#include <sys/resource.h>

#include <wx/app.h>
#include <wx/glcanvas.h>

#include "GLViewSamples.h"
#include "GuiKit.h"
#include "Papy/Model/ThreeDObjectRoot.h"
#include "Vantrel/Doc/3DODoc.h"
#include "Vantrel/Doc/3DOHint.h"
#include "Vantrel/Drawing/ThreeDObjectViewState.h"
#include "Vantrel/App/MainFrame.h"
#include "Vantrel/View/3DO3DView.h"
#include "Vantrel/View/3DOTreeView.h"

using namespace GuiTest;
typedef ThreeDObjectViewState State;

namespace
{
typedef std::chrono::steady_clock Clock;

// The time from a repaint's request to the end of that paint.
double PaintSeconds(C3DO3DView* view)
{
    const int before = view->GetPaintCount() + view->GetFailedPaintCount();
    const auto start = Clock::now();
    view->Invalidate();
    while (view->GetPaintCount() + view->GetFailedPaintCount() == before &&
           Clock::now() - start < std::chrono::seconds(60))
    {
        view->GetCanvas()->Update();
        wxTheApp->Yield(true);
    }
    return std::chrono::duration<double>(Clock::now() - start).count();
}

void Figure(const char* what, double seconds, double target)
{
    if (target > 0)
        std::printf("%-56s %9.3f s  (target < %g s: %s)\n", what, seconds, target, seconds < target ? "met" : "MISSED");
    else
        std::printf("%-56s %9.3f s\n", what, seconds);
}

// Opens a file, makes its 3D pane 1024 x 768 (or what fits), turns a mode on and shows the root.
C3DO3DView* OpenShown(const std::string& path, int modeCommand)
{
    C3DODoc* document = dynamic_cast<C3DODoc*>(Open(path));
    C3DO3DView* view = ViewOf<C3DO3DView>(document);
    if (view == nullptr)
        return nullptr;
    // Document windows fill the main window here: the main window grows by what the pane lacks.
    const wxSize pane = view->GetCanvas()->GetClientSize();
    const wxSize outer = Frame().GetSize();
    Frame().SetSize(outer.GetWidth() + 1024 - pane.GetWidth(), outer.GetHeight() + 768 - pane.GetHeight());
    PumpUntil([view] { return view->GetCanvas()->GetClientSize() == wxSize(1024, 768); }, 2000);
    view->RunCommand(modeCommand);
    C3DOHint hint(document->GetFile()->GetRoot()->GetId());
    document->UpdateAllViews(ViewOf<C3DOTreeView>(document), &hint);
    return view;
}

double Median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}
} // namespace

TEST(PerfThreeDView, PaintsThroughTheWindow)
{
    GLViewTest::Samples& samples = GLViewTest::Samples::Get();
    ASSERT_TRUE(samples.IsReady());
    {
        C3DO3DView* view = OpenShown(samples.Lap(3000, 1.7), State::Track3DCommand);
        ASSERT_NE(view, nullptr);
        const wxSize size = view->GetCanvas()->GetClientSize();
        const double first = PaintSeconds(view);
        std::vector<double> later;
        for (int i = 0; i < 15; ++i)
            later.push_back(PaintSeconds(view));
        std::printf("track plan: 3000 segments of 1.7, 10 floor and 4 wall sections each, pane %dx%d\n",
                    size.GetWidth(), size.GetHeight());
        Figure("Track 3D first paint in the window (bounds, compile)", first, 3.0);
        Figure("Track 3D later paint in the window, median of 15", Median(later), 0.1);
        EXPECT_EQ(view->GetFailedPaintCount(), 0);
        CloseAll();
    }
    {
        const std::string many = samples.Path("gpl/many.3do");
        ASSERT_TRUE(GLViewTest::Run("many " + many + " 50000"));
        C3DO3DView* view = OpenShown(many, State::ThreeDCommand);
        ASSERT_NE(view, nullptr);
        const double first = PaintSeconds(view);
        std::vector<double> later;
        for (int i = 0; i < 5; ++i)
            later.push_back(PaintSeconds(view));
        std::printf("3D mode: 50000 polygons under 500 transformations\n");
        Figure("3D first paint in the window (bounds, drawing)", first, 0);
        Figure("3D later paint in the window, median of 5", Median(later), 0);
        EXPECT_EQ(view->GetFailedPaintCount(), 0);
        CloseAll();
    }
    {
        const std::string folder = samples.Path("textures");
        ASSERT_TRUE(GLViewTest::Run("textured " + folder + " 50000 200"));
        C3DO3DView* view = OpenShown(folder + "/textured.3do", State::ThreeDCommand);
        ASSERT_NE(view, nullptr);
        double times[2];
        for (double& time : times)
        {
            const auto start = Clock::now();
            view->RunCommand(State::CheckCommand);
            time = std::chrono::duration<double>(Clock::now() - start).count();
        }
        std::printf("check: 50000 textured polygons, 200 textures used 250 times each\n");
        Figure("Check from the menu, first run (textures read)", times[0], 0);
        Figure("Check from the menu, files cached", times[1], 1.0);
        CloseAll();
    }
    for (const char* file : {"walks/shared.3do", "walks/chain0.3do"})
        for (const int mode : {State::ThreeDCommand, State::Track3DCommand})
        {
            // The pane tells that the object is too large to show: taken here, not waited for.
            Messages messages;
            C3DO3DView* view = OpenShown(samples.Path(file), mode);
            ASSERT_NE(view, nullptr);
            const std::string what = std::string(file) + (mode == State::ThreeDCommand ? ", 3D" : ", Track 3D") +
                                     " first paint in the window";
            Figure(what.c_str(), PaintSeconds(view), 2.0);
            EXPECT_EQ(view->GetFailedPaintCount(), 0);
            CloseAll();
        }
    struct rusage usage = {};
    getrusage(RUSAGE_SELF, &usage);
    std::printf("%-56s %9.0f MB\n", "peak memory of the program after all the above", double(usage.ru_maxrss) / 1024);
}
