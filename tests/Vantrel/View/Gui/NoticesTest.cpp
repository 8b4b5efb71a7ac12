// The 3D pane's own notices (how it drew) in the running application: a bar above the pane that
// never blocks and takes no key, which tells what the frames of the shown mode and node made,
// and nothing that another mode's frames made.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include <wx/glcanvas.h>
#include <wx/uiaction.h>

#include "GLViewSamples.h"
#include "GuiKit.h"
#include "PaneNoticesSupport.h"
#include "TdoSupport.h"
#include "Papy/Model/ThreeDObjectRoot.h"
#include "Vantrel/App/MainFrame.h"
#include "Vantrel/Drawing/DrawingMessages.h"
#include "Vantrel/Frame/CommandIds.h"
#include "Vantrel/Frame/DocChildFrame.h"
#include "Vantrel/View/NoticeBar.h"

using namespace GuiTest;
using GLViewTest::Samples;
using TdoTest::Child;
using TdoTest::Panes;
using TdoTest::RootItem;

using namespace NoticesTest;

namespace
{
// Whether the window is the bar or inside it.
bool InBar(const C3DO3DView& view, const wxWindow* window)
{
    for (; window != nullptr; window = window->GetParent())
        if (window == view.GetNoticeBar())
            return true;
    return false;
}

// Selects the node as the tree does, then has the pane paint and waits for the paint and for
// what comes after it (the bar, the messages).
bool SelectAndPaint(Panes& panes, int id)
{
    const int before = Paints(*panes.View3D);
    C3DOHint hint(id);
    panes.Doc->UpdateAllViews(panes.Tree, &hint);
    panes.View3D->Invalidate();
    const bool painted = PumpUntil([&] { return Paints(*panes.View3D) > before; }, 60000);
    Pump();
    return painted;
}

// Runs a command of the View menu and waits for the pane's paint.
bool CommandAndPaint(Panes& panes, int command)
{
    const int before = Paints(*panes.View3D);
    Command(command);
    const bool painted = PumpUntil([&] { return Paints(*panes.View3D) > before; }, 60000);
    Pump();
    return painted;
}
} // namespace

// A track too large to draw as a whole (3000 segments of 3000 floor sections): its plan is cut
// short, which the Track 3D mode tells. Its one segment is small: in 3D mode it draws in full,
// and neither the mode nor any later selection tells the plan's line (the plan's report of its
// last compile is not the 3D frame's).
TEST(Notices, AStalePlanLineIsNotToldIn3D)
{
    ASSERT_TRUE(Samples::Get().IsReady());
    const std::string path = Samples::Get().Path("ptf/repeat3000.ptf");
    ASSERT_TRUE(GLViewTest::Run("repeat-ptf " + path + " 3000 3000"));
    Panes panes(Open(path));
    ASSERT_TRUE(panes.IsOk());
    wxTreeCtrl& tree = *panes.Tree->GetTree();
    const wxTreeItemId track = Child(tree, RootItem(tree), 0);
    ASSERT_TRUE(track.IsOk());
    tree.Expand(track);
    const wxTreeItemId segment = Child(tree, track, 0);
    ASSERT_TRUE(segment.IsOk());
    tree.Expand(segment);
    const wxTreeItemId section = Child(tree, segment, 0);
    ASSERT_TRUE(section.IsOk());
    const int segmentId = panes.Tree->GetNodeId(segment);
    const int sectionId = panes.Tree->GetNodeId(section);
    Messages messages;

    // Track 3D: the plan past its budget, told in the bar.
    ASSERT_TRUE(SelectAndPaint(panes, segmentId));
    ASSERT_TRUE(CommandAndPaint(panes, ID_VIEW_TRACK_3D));
    // The plan is drawn in steps and cut short: the bar tells the cut among its lines.
    ASSERT_TRUE(PumpUntil(
        [&] { return BarText(*panes.View3D).find(DrawingMessages::TooLarge()) != std::string::npos; }));
    Shot(panes.View3D->GetChildFrame(), "notices_plan_track3d");
    EXPECT_EQ(TooLargeLines(messages), 0);

    // 3D: the segment draws in full; the mode's change takes the plan's line away.
    messages.Texts.clear();
    ASSERT_TRUE(CommandAndPaint(panes, ID_VIEW_3D));
    ASSERT_EQ(panes.View3D->GetState().GetMode(), ThreeDObjectViewState::Mode::ThreeD);
    EXPECT_TRUE(PumpUntil([&] { return BarText(*panes.View3D).empty(); }));
    Shot(panes.View3D->GetChildFrame(), "notices_plan_then_3d");
    for (const int id : {sectionId, segmentId, sectionId})
    {
        ASSERT_TRUE(SelectAndPaint(panes, id)) << id;
        EXPECT_EQ(BarText(*panes.View3D), "") << id;
        EXPECT_TRUE(panes.View3D->GetNotices().GetShown().empty()) << id;
    }
    EXPECT_EQ(TooLargeLines(messages), 0);
    EXPECT_TRUE(messages.Texts.empty()) << messages.Texts.front();
    CloseAll();
}

// The shared sample in 3D mode is cut short: the bar tells it, under real message boxes (a box
// would be an unexpected dialog). Typed keys go on as if the bar were not there: Alt+F opens the
// File menu, Escape closes it, F5 reaches the pane, Ctrl+Q reaches Exit; the focus never enters
// the bar and none of these keys closes it.
TEST(Notices, ANoticeTakesNoKey)
{
    ASSERT_TRUE(Samples::Get().IsReady());
    Panes panes(Open(Samples::Get().Path("walks/shared.3do")));
    ASSERT_TRUE(panes.IsOk());
    RealMessageBoxes boxes;
    Command(ID_VIEW_3D);
    const int root = panes.Doc->GetFile()->GetRoot()->GetId();
    ASSERT_TRUE(SelectAndPaint(panes, root));
    ASSERT_TRUE(PumpUntil([&] { return BarText(*panes.View3D) == DrawingMessages::TooLarge(); }, 60000));
    // The bar takes its room from the picture, which is drawn once more for its new size; its
    // notice is the same, so the bar stays as it is and the pane rests.
    const int shown = Paints(*panes.View3D);
    for (int i = 0; i < 3; ++i)
    {
        AnswerPaints(panes.View3D->GetChildFrame());
        Pump();
    }
    EXPECT_LE(Paints(*panes.View3D), shown + 1);
    // The paint after the bar took its room.
    ASSERT_TRUE(SelectAndPaint(panes, root));
    Shot(panes.View3D->GetChildFrame(), "notices_bar_3d");
    const wxRect bar = panes.View3D->GetNoticeBar()->GetScreenRect();
    const wxRect canvas = panes.View3D->GetCanvas()->GetScreenRect();
    EXPECT_LE(bar.GetBottom(), canvas.GetTop()) << "the bar stands above the picture";

    // The keys go to the window under the pointer (no window manager): the picture.
    wxTreeCtrl& tree = *panes.Tree->GetTree();
    tree.SetFocus();
    ASSERT_TRUE(PumpUntil([&] { return wxWindow::FindFocus() == &tree; }));
    wxUIActionSimulator keys;
    keys.MouseMove(canvas.GetPosition() + wxPoint(canvas.GetWidth() / 2, canvas.GetHeight() / 2));
    Pump();

    // The titles of the menus opened, as the document window's menu bar (the one the main
    // window shows) names them.
    std::vector<std::string> opened;
    int closed = 0;
    int exits = 0;
    const auto onOpen = [&](wxMenuEvent& event) {
        wxMenuBar* bar = panes.View3D->GetChildFrame()->GetMenuBar();
        for (std::size_t i = 0; bar != nullptr && i < bar->GetMenuCount(); ++i)
            if (bar->GetMenu(i) == event.GetMenu())
                opened.push_back(bar->GetMenuLabel(i).utf8_string());
        event.Skip();
    };
    const auto onClose = [&](wxMenuEvent& event) {
        ++closed;
        event.Skip();
    };
    // Exit is counted and goes no further: the program stays for the rest of the suite.
    const auto onExit = [&](wxCommandEvent&) { ++exits; };
    Frame().Bind(wxEVT_MENU_OPEN, onOpen);
    Frame().Bind(wxEVT_MENU_CLOSE, onClose);
    Frame().Bind(wxEVT_MENU, onExit, ID_APP_EXIT);

    keys.Char('f', wxMOD_ALT);
    EXPECT_TRUE(PumpUntil([&] { return !opened.empty(); })) << "Alt+F opened no menu";
    EXPECT_EQ(opened, std::vector<std::string>{"&File"});
    ScreenShot("notices_file_menu");
    keys.Char(WXK_ESCAPE);
    EXPECT_TRUE(PumpUntil([&] { return closed > 0; })) << "Escape left the menu open";

    const int refreshes = panes.View3D->GetRefreshCount();
    keys.Char(WXK_F5);
    EXPECT_TRUE(PumpUntil([&] { return panes.View3D->GetRefreshCount() == refreshes + 1; }));
    for (const int key : {WXK_RETURN, WXK_ESCAPE, WXK_TAB, WXK_SPACE})
    {
        keys.Char(key);
        Pump();
        EXPECT_FALSE(InBar(*panes.View3D, wxWindow::FindFocus())) << key;
    }
    keys.Char('q', wxMOD_CONTROL);
    EXPECT_TRUE(PumpUntil([&] { return exits == 1; })) << "Ctrl+Q did not reach Exit";
    Frame().Unbind(wxEVT_MENU_OPEN, onOpen);
    Frame().Unbind(wxEVT_MENU_CLOSE, onClose);
    Frame().Unbind(wxEVT_MENU, onExit, ID_APP_EXIT);

    // Still told, as it was; closing it with its cross is the one way.
    EXPECT_EQ(BarText(*panes.View3D), DrawingMessages::TooLarge());
    EXPECT_FALSE(InBar(*panes.View3D, wxWindow::FindFocus()));
    const wxRect cross = panes.View3D->GetNoticeBar()->GetCloseButton()->GetScreenRect();
    keys.MouseMove(cross.GetPosition() + wxPoint(cross.GetWidth() / 2, cross.GetHeight() / 2));
    Pump();
    keys.MouseClick();
    EXPECT_TRUE(PumpUntil([&] { return BarText(*panes.View3D).empty(); }));
    EXPECT_FALSE(InBar(*panes.View3D, wxWindow::FindFocus()));
    // Closed: later frames of the same node do not tell it again.
    ASSERT_TRUE(SelectAndPaint(panes, root));
    EXPECT_EQ(BarText(*panes.View3D), "");
    Shot(panes.View3D->GetChildFrame(), "notices_bar_closed");
    CloseAll();
}


// Check walks the shared sample past its budget: it does not say it passed, and tells the cut in
// the status bar, as it tells a check that passed; no box.
TEST(Notices, ACheckCutShortSaysSoInTheStatusBar)
{
    ASSERT_TRUE(Samples::Get().IsReady());
    Panes panes(Open(Samples::Get().Path("walks/shared.3do")));
    ASSERT_TRUE(panes.IsOk());
    Messages messages;
    Command(ID_VIEW_3D);
    ASSERT_TRUE(SelectAndPaint(panes, panes.Doc->GetFile()->GetRoot()->GetId()));
    Frame().SetStatusText("", 0);
    panes.View3D->RunCommand(ThreeDObjectViewState::CheckCommand);
    Pump();
    EXPECT_EQ(Frame().GetStatusBar()->GetStatusText(0).utf8_string(), DrawingMessages::TooLarge());
    EXPECT_TRUE(messages.Texts.empty()) << messages.Texts.front();
    CloseAll();
}
