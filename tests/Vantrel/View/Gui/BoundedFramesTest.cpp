// A small hostile file in the 3D pane of the running application: the shared sample of
// drawing_samples.py, 40 levels that each name the next twice over one square (2^40 paths to a
// square that fills the pane). View > 3D and View > Track 3D each give their first picture; the
// frames are cut short, which the pane's notice bar tells after them, never a message box
// (without the budget each mode kept the program busy for minutes). Later paints show the same
// pictures, read back from the pane, and say nothing more.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>

#include "GLViewSamples.h"
#include "GuiKit.h"
#include "PaneNoticesSupport.h"
#include "Papy/Model/ThreeDObjectRoot.h"
#include "Vantrel/Doc/3DODoc.h"
#include "Vantrel/Doc/3DOHint.h"
#include "Vantrel/Drawing/DrawingMessages.h"
#include "Vantrel/Frame/CommandIds.h"
#include "Vantrel/Frame/DocChildFrame.h"
#include "Vantrel/View/3DO3DView.h"
#include "Vantrel/View/3DOTreeView.h"
#include "Vantrel/View/NoticeBar.h"

using namespace GuiTest;
using GLViewTest::Samples;

using namespace NoticesTest;

namespace
{
// The pane's last picture, read back from its own context.
wxImage Picture(C3DO3DView& view, const std::string& shot)
{
    return GLShot(view.GetCanvas(), view.GetContext(), shot);
}

wxColour Middle(const wxImage& image)
{
    if (!image.IsOk())
        return wxColour();
    const int x = image.GetWidth() / 2, y = image.GetHeight() / 2;
    return wxColour(image.GetRed(x, y), image.GetGreen(x, y), image.GetBlue(x, y));
}

// Repaints the pane and waits for the paint.
bool PaintAgain(C3DO3DView& view)
{
    const int paints = Paints(view);
    view.Invalidate();
    const bool painted = PumpUntil([&] { return Paints(view) > paints; }, 60000);
    Pump();
    return painted;
}
} // namespace

TEST(BoundedFrames, TheSharedSampleGivesItsFirstPictureAndTheNoticeInBothModes)
{
    ASSERT_TRUE(Samples::Get().IsReady());
    auto* document = dynamic_cast<C3DODoc*>(Open(Samples::Get().Path("walks/shared.3do")));
    ASSERT_NE(document, nullptr);
    C3DO3DView* view = ViewOf<C3DO3DView>(document);
    C3DOTreeView* tree = ViewOf<C3DOTreeView>(document);
    ASSERT_NE(view, nullptr);
    ASSERT_NE(tree, nullptr);
    Messages messages;

    // 3D: the square over the whole pane (red, as the generator colours it), then the notice.
    Command(ID_VIEW_3D);
    C3DOHint hint(document->GetFile()->GetRoot()->GetId());
    document->UpdateAllViews(tree, &hint);
    int paints = Paints(*view);
    ASSERT_TRUE(PumpUntil([&] { return Paints(*view) > paints && BarText(*view) == DrawingMessages::TooLarge(); },
                          60000));
    // The picture once the bar has taken its room.
    ASSERT_TRUE(PaintAgain(*view));
    const wxImage square = Picture(*view, "bounded_shared_3d");
    Shot(view->GetChildFrame(), "bounded_shared_3d_window");
    EXPECT_NEAR(Middle(square).Red(), 220, 2);
    EXPECT_NEAR(Middle(square).Green(), 30, 2);
    EXPECT_NEAR(Middle(square).Blue(), 30, 2);
    // Later paints: the same picture, the same notice, nothing more.
    ASSERT_TRUE(PaintAgain(*view));
    EXPECT_EQ(DifferentPixels(Picture(*view, "bounded_shared_3d_later"), square), 0);
    EXPECT_EQ(BarText(*view), DrawingMessages::TooLarge());

    // Track 3D: the object has no track, so no plan to frame: the pane's grey; and the notice
    // once more for the new mode (the plan's walks past their budget).
    paints = Paints(*view);
    Command(ID_VIEW_TRACK_3D);
    ASSERT_TRUE(PumpUntil([&] { return Paints(*view) > paints; }, 60000));
    Pump();
    EXPECT_EQ(view->GetNotices().GetOwner().Mode, int(ThreeDObjectViewState::Mode::Track3D));
    EXPECT_EQ(view->GetNotices().GetShown(), std::vector<std::string>{DrawingMessages::TooLarge()});
    EXPECT_TRUE(PumpUntil([&] { return BarText(*view) == DrawingMessages::TooLarge(); }));
    ASSERT_TRUE(PaintAgain(*view));
    const wxImage ground = Picture(*view, "bounded_shared_track3d");
    Shot(view->GetChildFrame(), "bounded_shared_track3d_window");
    EXPECT_EQ(Middle(ground), wxColour(128, 128, 128));
    ASSERT_TRUE(PaintAgain(*view));
    EXPECT_EQ(DifferentPixels(Picture(*view, "bounded_shared_track3d_later"), ground), 0);

    // No message box in either mode.
    EXPECT_EQ(TooLargeLines(messages), 0);
    EXPECT_TRUE(messages.Texts.empty()) << messages.Texts.front();
    EXPECT_EQ(view->GetFailedPaintCount(), 0);
    CloseAll();
}
