// Selecting the segments of a large track (5000 segments of trkdocs.py): each selection, by a
// click, an arrow key or from the tree scrolled first, fills the list pane once and draws the plan
// pane's frame once; the paints that scrolling the tree brings the plan pane show its kept frame,
// the same picture, without drawing the plan again. A paint of a pane whose frame is kept is
// answered at once.
#include <gtest/gtest.h>

#include <GL/gl.h>

#include <wx/frame.h>
#include <wx/glcanvas.h>
#include <wx/listctrl.h>
#include <wx/uiaction.h>

#include "GuiKit.h"
#include "Vantrel/App/MainFrame.h"
#include "TrkDocSamples.h"
#include "Vantrel/Rows/TrkHint.h"
#include "Vantrel/View/HintListView.h"
#include "Vantrel/View/HintTreeView.h"
#include "Vantrel/View/Trk3DView.h"
#include "Vantrel/View/TrkUpdateHint.h"

using namespace GuiTest;
using namespace TrkDocTest;

namespace
{
struct Panes
{
    CVantrelDoc* Document = nullptr;
    CHintTreeView* Tree = nullptr;
    CHintListView* List = nullptr;
    CTrk3DView* Plan = nullptr;
    int Fills = 0;
};

void OpenLarge(Panes& panes)
{
    panes.Document = Open(Generated("bench") + "/games/gpl/tracks/Big/big.trk");
    ASSERT_NE(panes.Document, nullptr);
    panes.Tree = ViewOf<CHintTreeView>(panes.Document);
    panes.List = ViewOf<CHintListView>(panes.Document);
    panes.Plan = ViewOf<CTrk3DView>(panes.Document);
    ASSERT_TRUE(panes.Tree && panes.List && panes.Plan);
    panes.List->GetList()->Bind(wxEVT_LIST_DELETE_ALL_ITEMS, [&panes](wxListEvent& event) {
        ++panes.Fills;
        event.Skip();
    });
    ASSERT_TRUE(PumpUntil([&] { return panes.Plan->GetPlanFrameCount() > 0; }));
}

// The plan pane's picture as its last frame left it.
wxImage Shown(CTrk3DView* view, const std::string& name)
{
    return GLShot(view->GetCanvas(), view->GetContext(), name);
}
} // namespace

TEST(TrkSelection, EachSelectionFillsTheListOnceAndDrawsThePlanOnce)
{
    FailOnMessages();
    Panes panes;
    OpenLarge(panes);
    wxTreeCtrl& tree = *panes.Tree->GetTree();
    wxUIActionSimulator input;
    const struct
    {
        const char* how;
        int segment;
        bool scrollFirst;
        bool key;
    } cases[] = {
        {"click", 3, false, false},
        {"click", 7, false, false},
        {"click after scrolling", 400, true, false},
        {"click after scrolling", 900, true, false},
        {"down arrow", 901, false, true},
        {"down arrow", 902, false, true},
    };
    for (const auto& c : cases)
    {
        const wxTreeItemId item = panes.Tree->FindItem(TrkHint::Segment(c.segment));
        ASSERT_TRUE(item.IsOk());
        if (c.scrollFirst)
        {
            // The tree scrolled to the segment as a wheel does, three lines a step; the plan pane
            // shows what it showed.
            const int frames = panes.Plan->GetPlanFrameCount();
            const int kept = panes.Plan->GetKeptFrameCount();
            const wxImage before = Shown(panes.Plan, "");
            const wxTreeItemId below = panes.Tree->FindItem(TrkHint::Segment(c.segment + 5));
            while (!tree.IsVisible(below))
            {
                tree.ScrollLines(3);
                Pump();
            }
            AnswerPaints();
            EXPECT_GT(panes.Plan->GetKeptFrameCount(), kept) << "the paints that scrolling brought";
            EXPECT_EQ(panes.Plan->GetPlanFrameCount(), frames) << c.how << " " << c.segment;
            EXPECT_EQ(DifferentPixels(Shown(panes.Plan, "trk-selection-kept"), before), 0) << c.segment;
        }
        const int frames = panes.Plan->GetPlanFrameCount();
        panes.Fills = 0;
        if (c.key)
        {
            tree.SetFocus();
            input.Char(WXK_DOWN);
        }
        else
        {
            wxRect rect;
            ASSERT_TRUE(tree.GetBoundingRect(item, rect, true));
            input.MouseMove(tree.ClientToScreen(rect.GetPosition() + wxPoint(8, rect.height / 2)));
            Pump();
            input.MouseClick();
        }
        EXPECT_TRUE(PumpUntil([&] { return panes.Plan->GetScene().GetSelectedSegment() == c.segment &&
                                           panes.Plan->GetPlanFrameCount() > frames; }))
            << c.how << " " << c.segment;
        // Whatever else comes (the tree scrolling to the item, focus), nothing is drawn or
        // filled again.
        AnswerPaints();
        EXPECT_EQ(panes.Plan->GetPlanFrameCount(), frames + 1) << c.how << " " << c.segment;
        EXPECT_EQ(panes.Fills, 1) << c.how << " " << c.segment;
        EXPECT_EQ(panes.List->GetRows().front().Field, "Type") << c.how << " " << c.segment;
    }
    EXPECT_EQ(panes.Plan->GetFailedPaintCount(), 0);
    CloseAll();
}

TEST(TrkSelection, AHintOrANewSizeDrawsThePlanAnew)
{
    FailOnMessages();
    Panes panes;
    OpenLarge(panes);
    // The same segment twice: the hint draws anew, the kept frame is not shown.
    for (int code : {TrkHint::Segment(5), TrkHint::Segment(5), TrkHint::Whole})
    {
        const int frames = panes.Plan->GetPlanFrameCount();
        CTrkUpdateHint hint(code);
        panes.Document->UpdateAllViews(nullptr, &hint);
        EXPECT_TRUE(PumpUntil([&] { return panes.Plan->GetPlanFrameCount() == frames + 1; })) << code;
    }
    const wxImage whole = Shown(panes.Plan, "trk-selection-whole");
    EXPECT_GT(Count(whole, Asphalt), 0);
    // A new size: drawn again at that size.
    const int frames = panes.Plan->GetPlanFrameCount();
    Frame().SetSize(Frame().GetSize() - wxSize(80, 40));
    EXPECT_TRUE(PumpUntil([&] { return panes.Plan->GetPlanFrameCount() > frames; }));
    EXPECT_EQ(panes.Plan->GetFailedPaintCount(), 0);
    Frame().SetSize(Frame().GetSize() + wxSize(80, 40));
    Pump();
    CloseAll();
}

// An expose of a pane whose frame is kept, in the track's window and in the replay's (its plan
// pane is the track's), is answered by the paint that it brings, at once: once that paint has
// been handled the screen shows the plan again, drawn from the kept pixels, with nothing more to
// wait for. The expose comes from a window over the pane taken away, and from a repaint asked for
// after something else was put on the pane's part of the screen.
TEST(TrkSelection, AKeptFrameAnswersAnExposeAtOnce)
{
    FailOnMessages();
    for (const char* file : {"gpl/Tracks/Plan/PLAN.TRK", "gpl/Replays/race.rpy"})
    {
        SCOPED_TRACE(file);
        CVantrelDoc* document = Open(Game(file));
        ASSERT_NE(document, nullptr);
        CTrk3DView* view = ViewOf<CTrk3DView>(document);
        ASSERT_NE(view, nullptr);
        ASSERT_TRUE(PumpUntil([view] { return view->GetPlanFrameCount() > 0; }));
        wxGLCanvas* canvas = view->GetCanvas();
        const std::string shot = std::string("kept-expose-") + (std::string(file).ends_with(".rpy") ? "rpy" : "trk");
        const wxImage plan = Shot(canvas, shot);
        ASSERT_GT(Count(plan, Asphalt), 500);
        const int all = plan.GetWidth() * plan.GetHeight();
        for (const bool covered : {true, false})
        {
            SCOPED_TRACE(covered ? "a window over the pane taken away" : "a repaint asked for");
            // Black where the pane is on the screen, the pane unchanged.
            wxFrame* cover = nullptr;
            if (covered)
            {
                cover = new wxFrame(nullptr, wxID_ANY, "cover", canvas->GetScreenPosition(), canvas->GetSize(),
                                    wxBORDER_NONE | wxFRAME_NO_TASKBAR | wxSTAY_ON_TOP);
                cover->SetBackgroundColour(*wxBLACK);
                cover->Show();
            }
            else
            {
                ASSERT_TRUE(canvas->SetCurrent(*view->GetContext()));
                glClearColor(0, 0, 0, 1);
                glClear(GL_COLOR_BUFFER_BIT);
                canvas->SwapBuffers();
            }
            ASSERT_TRUE(PumpUntil([&] { return DarkPixels(Shot(canvas, "")) == all; }));
            const int frames = view->GetPlanFrameCount();
            const int kept = view->GetKeptFrameCount();
            if (covered)
            {
                cover->Hide();
                cover->Destroy();
                // The display server's exposes taken in and handled, as the toolkit's loop would.
                SyncDisplay();
                Pump();
            }
            else
                canvas->Refresh(false);
            // Paints what is still invalid now: no timer has run.
            canvas->Update();
            EXPECT_GT(view->GetKeptFrameCount(), kept) << "the paint answered by the kept frame";
            EXPECT_EQ(view->GetPlanFrameCount(), frames) << "the plan is not drawn again";
            EXPECT_EQ(DifferentPixels(Shot(canvas, shot + (covered ? "-uncovered" : "-refreshed")), plan), 0);
        }
        EXPECT_EQ(view->GetFailedPaintCount(), 0);
        CloseAll();
    }
}
