// Figures of the track and replay windows (label perf; printed, not asserted): the tree pane of a
// track of 5000 segments x 10 surfaces and of a replay of 40 drivers x 300 laps filled into its
// control, the plan pane's paints in its window (with the swap), and the paint with the red path
// of a lap of 50,000 frames. The plan's drawing without a window and the rows without their
// controls are timed by TrackPlanBench and TrkRowsBench.
#include <gtest/gtest.h>

#include <chrono>
#include <cstdio>
#include <algorithm>
#include <functional>
#include <vector>

#include <GL/gl.h>

#include <wx/glcanvas.h>
#include <wx/mdi.h>
#include <wx/splitter.h>
#include <wx/uiaction.h>

#include "GuiKit.h"
#include "TrkDocSamples.h"
#include "Vantrel/App/MainFrame.h"
#include "Vantrel/Doc/RpyDoc.h"
#include "Vantrel/Drawing/ReplayPath.h"
#include "Vantrel/Rows/RpyHint.h"
#include "Vantrel/View/Rpy3DView.h"
#include "Vantrel/Frame/SplitterFrame.h"
#include "Vantrel/Rows/TrkHint.h"
#include "Vantrel/View/HintListView.h"
#include "Vantrel/View/Trk3DView.h"
#include "Vantrel/View/TrkUpdateHint.h"

using namespace GuiTest;
using namespace TrkDocTest;

namespace
{
double Milliseconds(const std::function<void()>& step)
{
    const auto start = std::chrono::steady_clock::now();
    step();
    return std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
}

void Report(const std::string& what, double first, double best, double target)
{
    std::printf("%-58s first %8.1f ms  best %8.1f ms  (target %5.0f ms)\n", what.c_str(), first, best, target);
    std::fflush(stdout);
}

// Runs a step several times: the first time and the best.
void Time(const std::string& what, double target, const std::function<void()>& step, int runs = 10)
{
    double first = 0, best = 1e30;
    for (int run = 0; run < runs; ++run)
    {
        const double ms = Milliseconds(step);
        first = run == 0 ? ms : first;
        best = std::min(best, ms);
    }
    Report(what, first, best, target);
}

// The tree and list narrow, the main window sized so that the plan pane is 1024 x 768 (the
// document windows fill the main window's client area; the test display is 1280 x 1024).
void Enlarge(wxDocument* document)
{
    auto* first = dynamic_cast<CVantrelView*>(document->GetFirstView());
    auto* frame = dynamic_cast<CSplitterFrame*>(first->GetChildFrame());
    frame->GetSplitters()[0]->SetSashPosition(100);
    frame->GetSplitters()[1]->SetSashPosition(100);
    Pump();
    CTrk3DView* view = ViewOf<CTrk3DView>(document);
    const wxSize wanted(1024, 768);
    for (int i = 0; i < 3 && view->GetCanvas()->GetClientSize() != wanted; ++i)
    {
        Frame().SetSize(Frame().GetSize() + wanted - view->GetCanvas()->GetClientSize());
        PumpUntil([&] { return view->GetCanvas()->GetClientSize() == wanted; }, 1000);
    }
    Pump();
}

// A paint of the plan pane as the window system asks for it: drawn and swapped. The size given
// again makes the pane draw its plan instead of showing the frame it kept.
void Paint(CTrk3DView* view)
{
    view->OnSize(view->GetWidth(), view->GetHeight());
    view->GetCanvas()->Refresh(false);
    view->GetCanvas()->Update();
}

// The pane's drawing alone, in its context, finished.
void Draw(CTrk3DView* view)
{
    view->OnSize(view->GetWidth(), view->GetHeight());
    view->GetCanvas()->SetCurrent(*view->GetContext());
    view->Render();
    glFinish();
}
} // namespace

TEST(PerfTrkViews, DISABLED_LargeTrackWindow)
{
    FailOnMessages();
    const std::string path = Generated("bench") + "/games/gpl/tracks/Big/big.trk";
    CVantrelDoc* document = nullptr;
    const double open = Milliseconds([&] { document = Open(path); });
    ASSERT_NE(document, nullptr);
    Report("track of 5000 x 10: open, panes and first paint", open, open, 0);
    auto* tree = ViewOf<CHintTreeView>(document);
    std::printf("tree items: %u\n", unsigned(tree->GetTree()->GetCount()));
    Time("track of 5000 x 10: tree pane filled", 1000, [tree] {
        tree->OnInitialUpdate();
        Pump();
    });
    Enlarge(document);
    CTrk3DView* view = ViewOf<CTrk3DView>(document);
    std::printf("plan pane: %d x %d\n", view->GetCanvas()->GetClientSize().GetWidth(), view->GetCanvas()->GetClientSize().GetHeight());
    Time("track of 5000 x 10: later paint of the plan pane", 100, [view] { Paint(view); });
    Time("track of 5000 x 10: later drawing (no swap, no window)", 100, [view] { Draw(view); });
    // A segment selected: the camera fitted to it by a walk of that segment only.
    CTrkUpdateHint segment(0x00060000);
    Time("track of 5000 x 10: paint after selecting a segment", 100, [&] {
        document->UpdateAllViews(nullptr, &segment);
        Paint(view);
    });
    EXPECT_EQ(view->GetFailedPaintCount(), 0);
    CloseAll();
}

TEST(PerfTrkViews, DISABLED_SelectingASegmentOfALargeTrack)
{
    FailOnMessages();
    CVantrelDoc* document = Open(Generated("bench") + "/games/gpl/tracks/Big/big.trk");
    ASSERT_NE(document, nullptr);
    Enlarge(document);
    auto* tree = ViewOf<CHintTreeView>(document);
    CTrk3DView* view = ViewOf<CTrk3DView>(document);
    wxTreeCtrl& control = *tree->GetTree();
    Paint(view);
    Pump();
    wxUIActionSimulator input;
    // The pointer on an item of the tree (its label's left end: the tree pane is narrow).
    auto pointAt = [&](const wxTreeItemId& item) {
        wxRect rect;
        control.GetBoundingRect(item, rect, true);
        input.MouseMove(control.ClientToScreen(rect.GetPosition() + wxPoint(8, rect.height / 2)));
        Pump();
    };
    // From a step until the plan pane shows the segment selected in the tree: its frame drawn.
    auto shown = [&](const std::function<void()>& step) {
        const int frames = view->GetPlanFrameCount();
        const auto start = std::chrono::steady_clock::now();
        step();
        const bool done = PumpUntil([&] { return view->GetPlanFrameCount() > frames &&
                                                 TrkHint::SegmentOf(tree->GetItemCode(control.GetSelection())) ==
                                                     view->GetScene().GetSelectedSegment(); },
                                    20000);
        EXPECT_TRUE(done);
        return std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
    };
    auto report = [&](const std::string& what, const std::vector<double>& times, int selections, int plans, int kept) {
        Report(what, times.front(), *std::min_element(times.begin(), times.end()), 300);
        std::printf("    %d selections: %d plan frames drawn, %d kept frames shown\n", selections, plans, kept);
        std::fflush(stdout);
    };

    // A click on a segment in view.
    std::vector<double> times;
    int plans = view->GetPlanFrameCount(), kept = view->GetKeptFrameCount();
    for (int s = 6; s < 12; ++s)
    {
        pointAt(tree->FindItem(TrkHint::Segment(s)));
        times.push_back(shown([&] { input.MouseClick(); }));
        AnswerPaints();
    }
    report("track of 5000 x 10: mouse click on a segment in view", times, 6, view->GetPlanFrameCount() - plans,
           view->GetKeptFrameCount() - kept);

    // The tree scrolled down to a segment, three lines a wheel step (each step handled as it
    // comes), and a click on the segment right after.
    times.clear();
    std::vector<double> scrolls;
    plans = view->GetPlanFrameCount(), kept = view->GetKeptFrameCount();
    for (int run = 0; run < 6; ++run)
    {
        const wxTreeItemId target = tree->FindItem(TrkHint::Segment(100 + 60 * run));
        const wxTreeItemId below = tree->FindItem(TrkHint::Segment(110 + 60 * run));
        scrolls.push_back(Milliseconds([&] {
            while (!control.IsVisible(below))
            {
                control.ScrollLines(3);
                Pump();
            }
        }));
        pointAt(target);
        times.push_back(shown([&] { input.MouseClick(); }));
        AnswerPaints();
    }
    Report("track of 5000 x 10: tree scrolled 60 lines, 3 a step", scrolls.front(),
           *std::min_element(scrolls.begin(), scrolls.end()), 0);
    report("track of 5000 x 10: mouse click right after scrolling", times, 6, view->GetPlanFrameCount() - plans,
           view->GetKeptFrameCount() - kept);

    // The down arrow at the bottom of the tree: each step scrolls it.
    control.SetFocus();
    Pump();
    times.clear();
    plans = view->GetPlanFrameCount(), kept = view->GetKeptFrameCount();
    for (int k = 0; k < 6; ++k)
    {
        times.push_back(shown([&] { input.Char(WXK_DOWN); }));
        AnswerPaints();
    }
    report("track of 5000 x 10: down arrow at the tree's bottom", times, 6, view->GetPlanFrameCount() - plans,
           view->GetKeptFrameCount() - kept);
    EXPECT_EQ(view->GetFailedPaintCount(), 0);
    CloseAll();
}

TEST(PerfTrkViews, DISABLED_LargeReplayWindow)
{
    CVantrelDoc* document = nullptr;
    {
        // Its track is not there: the message is shown and the replay opens alone.
        Messages messages;
        const double open = Milliseconds([&] { document = Open(Generated("bench") + "/games/gpl/replays/big.rpy"); });
        ASSERT_NE(document, nullptr);
        Report("replay of 40 x 300: open and panes", open, open, 0);
    }
    auto* tree = ViewOf<CHintTreeView>(document);
    std::printf("tree items: %u\n", unsigned(tree->GetTree()->GetCount()));
    Time("replay of 40 x 300: tree pane filled", 500, [tree] {
        tree->OnInitialUpdate();
        Pump();
    });
    CloseAll();
}

TEST(PerfTrkViews, DISABLED_PathOfFiftyThousandFrames)
{
    FailOnMessages();
    auto* document = dynamic_cast<CRpyDoc*>(Open(Generated("bench") + "/games/gpl/replays/path.rpy"));
    ASSERT_NE(document, nullptr);
    ASSERT_TRUE(document->GetTrack());
    // The longest lap.
    const Velmo::Papy::RpyFile& replay = *document->GetReplay();
    int longest = 0, frames = 0;
    for (int g = 0; g < replay.GetLapCount(0, 0); ++g)
    {
        int first = 0, end = 0;
        if (ReplayPath::GetFrames(replay, 0, 0, g, first, end) && end - first > frames)
            longest = g, frames = end - first;
    }
    std::printf("lap %d: %d frames\n", longest, frames);
    Enlarge(document);
    auto* view = ViewOf<CRpy3DView>(document);
    Paint(view);
    Time("plan pane paint without a path", 100, [view] { Paint(view); });
    CTrkUpdateHint lap(RpyHint::Lap(0, 0, longest));
    document->UpdateAllViews(nullptr, &lap);
    Time("plan pane paint with the path of a 50,000-frame lap", 100, [view] { Paint(view); });
    std::printf("path points: %d, plan pane %d x %d\n", view->GetPathPoints(), view->GetCanvas()->GetClientSize().GetWidth(),
                view->GetCanvas()->GetClientSize().GetHeight());
    EXPECT_EQ(view->GetFailedPaintCount(), 0);
    CloseAll();
}
