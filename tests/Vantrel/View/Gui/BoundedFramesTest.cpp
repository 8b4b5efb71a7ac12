// A small hostile file in the 3D pane of the running application: the shared sample of
// drawing_samples.py, 40 levels that each name the next twice over one square (2^40 paths to a
// square that fills the pane). View > 3D and View > Track 3D each give their first picture and
// say once, after it, that the object is too large to show (without the budget each mode kept
// the program busy for minutes).
#include <gtest/gtest.h>

#include <algorithm>
#include <string>

#include "GLViewSamples.h"
#include "GuiKit.h"
#include "Papy/Model/ThreeDObjectRoot.h"
#include "Vantrel/Doc/3DODoc.h"
#include "Vantrel/Doc/3DOHint.h"
#include "Vantrel/Drawing/DrawingMessages.h"
#include "Vantrel/Frame/CommandIds.h"
#include "Vantrel/Frame/DocChildFrame.h"
#include "Vantrel/View/3DO3DView.h"
#include "Vantrel/View/3DOTreeView.h"

using namespace GuiTest;
using GLViewTest::Samples;

namespace
{
int Paints(const C3DO3DView& view)
{
    return view.GetPaintCount() + view.GetFailedPaintCount();
}

long TooLargeLines(const Messages& messages)
{
    return long(std::count(messages.Texts.begin(), messages.Texts.end(), DrawingMessages::TooLarge()));
}

// The colour at the middle of the pane's last picture, read back from its own context.
wxColour Middle(C3DO3DView& view, const std::string& shot)
{
    const wxImage image = GLShot(view.GetCanvas(), view.GetContext(), shot);
    if (!image.IsOk())
        return wxColour();
    const int x = image.GetWidth() / 2, y = image.GetHeight() / 2;
    return wxColour(image.GetRed(x, y), image.GetGreen(x, y), image.GetBlue(x, y));
}
} // namespace

TEST(BoundedFrames, TheSharedSampleGivesItsFirstPictureAndTheLineInBothModes)
{
    ASSERT_TRUE(Samples::Get().IsReady());
    auto* document = dynamic_cast<C3DODoc*>(Open(Samples::Get().Path("walks/shared.3do")));
    ASSERT_NE(document, nullptr);
    C3DO3DView* view = ViewOf<C3DO3DView>(document);
    C3DOTreeView* tree = ViewOf<C3DOTreeView>(document);
    ASSERT_NE(view, nullptr);
    ASSERT_NE(tree, nullptr);
    Messages messages;

    // 3D: the square over the whole pane (red, as the generator colours it), then the line.
    Command(ID_VIEW_3D);
    C3DOHint hint(document->GetFile()->GetRoot()->GetId());
    document->UpdateAllViews(tree, &hint);
    int paints = Paints(*view);
    ASSERT_TRUE(PumpUntil([&] { return Paints(*view) > paints && TooLargeLines(messages) == 1; }, 60000));
    const wxColour square = Middle(*view, "bounded_shared_3d");
    Shot(view->GetChildFrame(), "bounded_shared_3d_window");
    EXPECT_NEAR(square.Red(), 220, 2);
    EXPECT_NEAR(square.Green(), 30, 2);
    EXPECT_NEAR(square.Blue(), 30, 2);

    // Track 3D: the object has no track, so no plan to frame: the pane's grey; and the line once
    // more for the new mode (the plan's walks past their budget).
    paints = Paints(*view);
    Command(ID_VIEW_TRACK_3D);
    ASSERT_TRUE(PumpUntil([&] { return Paints(*view) > paints && TooLargeLines(messages) == 2; }, 60000));
    const wxColour ground = Middle(*view, "bounded_shared_track3d");
    Shot(view->GetChildFrame(), "bounded_shared_track3d_window");
    EXPECT_EQ(ground, wxColour(128, 128, 128));

    // Later paints show the same pictures and say nothing more.
    paints = Paints(*view);
    view->Invalidate();
    ASSERT_TRUE(PumpUntil([&] { return Paints(*view) > paints; }, 60000));
    Pump();
    EXPECT_EQ(TooLargeLines(messages), 2);
    EXPECT_EQ(messages.Texts.size(), 2u);
    EXPECT_EQ(view->GetFailedPaintCount(), 0);
    CloseAll();
}
