// The track and replay windows' plans of a track too heavy to draw in full (the sample of
// plan_samples.py: a thousand segments naming a thousand cross sections in turn, opened as its
// N4 folder's track): the first picture is the plan drawn in part, and the plan pane's notice bar
// says so beside its steps, with no message box.
#include <gtest/gtest.h>

#include <cstdlib>
#include <string>
#include <vector>

#include "GuiKit.h"
#include "Support/TempFolder.h"
#include "TrkDocSamples.h"
#include "Vantrel/Doc/RpyDoc.h"
#include "Vantrel/Doc/TrkDoc.h"
#include "Vantrel/Drawing/ReplayPath.h"
#include "Vantrel/Frame/DocChildFrame.h"
#include "Vantrel/Rows/RpyHint.h"
#include "Vantrel/Rows/TrkHint.h"
#include "Vantrel/View/NoticeBar.h"
#include "Vantrel/View/Rpy3DView.h"
#include "Vantrel/View/Trk3DView.h"

using namespace GuiTest;

namespace
{
const std::string Steps2 = "Every 2nd point of the plan drawn: the track is too long to draw in full.";
const std::string Cut = "Drawn in part: the object is too large to show in full.";

// The folders of plan_samples.py, written once: n4/tracks/Heavy/heavy.ptf, n4/replays/heavy.rpy.
std::string Sample(const std::string& relative)
{
    static VelmoTest::TempFolder folder;
    static const bool written = [] {
        const std::string line = std::string(VELMO_PYTHON3) + " \"" + VELMO_TEST_SOURCE_DIR +
                                 "/Vantrel/Drawing/plan_samples.py\" folders \"" + folder.Path() + "\"";
        return std::system(line.c_str()) == 0;
    }();
    EXPECT_TRUE(written);
    return folder.Path(relative);
}

// What the bar shows the user: its lines, nothing while it is hidden.
std::string BarText(const CTrk3DView& view)
{
    const CNoticeBar* bar = view.GetNoticeBar();
    return bar != nullptr && bar->IsShownOnScreen() ? bar->GetText().utf8_string() : std::string();
}

// The first paint of the plan, and the bar's two lines after it.
void ExpectPlanInPart(CTrk3DView& view)
{
    ASSERT_TRUE(PumpUntil([&] { return view.GetPlanFrameCount() > 0; }, 60000));
    EXPECT_TRUE(view.GetScene().IsCompiled());
    EXPECT_TRUE(PumpUntil([&] { return BarText(view) == Steps2 + "\n" + Cut; })) << BarText(view);
    EXPECT_EQ(view.GetNotices().GetShown(), (std::vector<std::string>{Steps2, Cut}));
}

} // namespace

TEST(TrkPlanNotices, TheTracksPlanIsDrawnInPartAndTheBarSaysSo)
{
    FailOnMessages();
    auto* document = dynamic_cast<CTrkDoc*>(Open(Sample("n4/tracks/Heavy/heavy.track")));
    ASSERT_NE(document, nullptr);
    ASSERT_TRUE(document->GetTrack());
    EXPECT_EQ(document->GetTrack()->GetSegmentCount(), 1000);
    CTrk3DView* view = ViewOf<CTrk3DView>(document);
    ASSERT_NE(view, nullptr);
    ExpectPlanInPart(*view);
    Shot(view->GetChildFrame(), "trk-plan-in-part");

    // A segment selected moves the camera: the plan is replayed, its notices stay.
    const int frames = view->GetPlanFrameCount();
    ASSERT_TRUE(TrkDocTest::Select(document, TrkHint::Segment(3)));
    ASSERT_TRUE(PumpUntil([&] { return view->GetPlanFrameCount() > frames; }));
    Pump();
    EXPECT_EQ(BarText(*view), Steps2 + "\n" + Cut);
    CloseAll();
}

TEST(TrkPlanNotices, TheReplaysPlanIsDrawnInPartAndItsPathOverIt)
{
    FailOnMessages();
    auto* document = dynamic_cast<CRpyDoc*>(Open(Sample("n4/replays/heavy.rpy")));
    ASSERT_NE(document, nullptr);
    ASSERT_TRUE(document->GetReplay());
    ASSERT_TRUE(document->GetTrack());
    auto* view = ViewOf<CRpy3DView>(document);
    ASSERT_NE(view, nullptr);
    ExpectPlanInPart(*view);

    // A lap: its path over the plan replayed from the list, with the whole of the paint's budget;
    // the plan tells its notices again for the lap.
    const int lap = TrkDocTest::FirstLapWithFrames(*document->GetReplay(), 0);
    ASSERT_NE(lap, 0);
    ASSERT_TRUE(TrkDocTest::Select(document, lap));
    ASSERT_TRUE(PumpUntil([&] { return view->IsPathShown() && view->GetPathPoints() > 1; }));
    EXPECT_TRUE(PumpUntil([&] { return BarText(*view) == Steps2 + "\n" + Cut; })) << BarText(*view);
    Shot(view->GetChildFrame(), "rpy-plan-in-part");
    CloseAll();
}
