// The 3D pane of a 3D-object window in the running application: its commands and their check
// marks, hints from the other panes, the bounds step and the track plan's display list, the
// problems shown once, Check and the clip test, the two dialogs, and the plan as the pane draws
// it (read back from the pane's own context) beside a shot of the window.
#include <gtest/gtest.h>

#include <cmath>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include <wx/frame.h>
#include <wx/menu.h>
#include <wx/statusbr.h>
#include <wx/testing.h>
#include <wx/treectrl.h>

#include "GLViewSamples.h"
#include "GuiKit.h"
#include "Papy/Model/ThreeDObjectRoot.h"
#include "Papy/Model/ThreeDObjectTransformation.h"
#include "Papy/Model/ThreeDObjectVisitor.h"
#include "Vantrel/App/MainFrame.h"
#include "Vantrel/Dialogs/BoundsDlg.h"
#include "Vantrel/Dialogs/ViewpointDlg.h"
#include "Vantrel/Doc/3DODoc.h"
#include "Vantrel/Doc/3DOHint.h"
#include "Vantrel/Drawing/ThreeDObjectViewState.h"
#include "Vantrel/Frame/CommandIds.h"
#include "Vantrel/Frame/DocChildFrame.h"
#include "Vantrel/View/3DO3DView.h"
#include "Vantrel/View/3DOTreeView.h"
#include "Vantrel/View/GLContextScope.h"

using namespace GuiTest;
using GLViewTest::Samples;
typedef ThreeDObjectViewState State;

namespace
{
// An open 3D-object document and its panes, closed at the end of the test.
class Window
{
public:
    explicit Window(const std::string& relative)
    {
        EXPECT_TRUE(Samples::Get().IsReady());
        Document = dynamic_cast<C3DODoc*>(Open(Samples::Get().Path(relative)));
        View = ViewOf<C3DO3DView>(Document);
        Tree = ViewOf<C3DOTreeView>(Document);
    }
    ~Window() { CloseAll(); }

    bool IsOpen() const { return Document != nullptr && View != nullptr && Tree != nullptr; }
    int RootId() const { return Document->GetFile()->GetRoot()->GetId(); }

    // What the tree tells the other panes when the user selects a node (handled at once; the
    // repaint it asks for comes later).
    void Select(int id)
    {
        C3DOHint hint(id);
        Document->UpdateAllViews(Tree, &hint);
    }
    // What an edit tells every pane.
    void Changed(int id)
    {
        C3DOHint hint(id);
        Document->UpdateAllViews(nullptr, &hint);
    }
    // Repaints and waits for the paint (drawn or failed).
    bool Paint()
    {
        const int before = Paints();
        View->Invalidate();
        return PumpUntil([&] { return Paints() > before; });
    }
    int Paints() const { return View->GetPaintCount() + View->GetFailedPaintCount(); }
    // Whether the menu item is checked, as the menu shows it after its update.
    bool Checked(int id) const
    {
        CDocChildFrame* frame = View->GetChildFrame();
        frame->UpdateMenus();
        wxMenuItem* item = frame->GetMenuBar()->FindItem(id);
        return item != nullptr && item->IsCheckable() && item->IsChecked();
    }
    bool Enabled(int id) const
    {
        CDocChildFrame* frame = View->GetChildFrame();
        frame->UpdateMenus();
        wxMenuItem* item = frame->GetMenuBar()->FindItem(id);
        return item != nullptr && item->IsEnabled();
    }

    C3DODoc* Document = nullptr;
    C3DO3DView* View = nullptr;
    C3DOTreeView* Tree = nullptr;
};

std::string StatusText()
{
    wxStatusBar* bar = Frame().GetStatusBar();
    return bar != nullptr ? bar->GetStatusText(0).utf8_string() : std::string();
}

// The first transformation below a node.
class FindTransformation : public Velmo::Papy::ThreeDObjectVisitor
{
public:
    bool EnterTransformation(Velmo::Papy::ThreeDObjectTransformation& node) override
    {
        if (Found == nullptr)
            Found = &node;
        return false;
    }
    Velmo::Papy::ThreeDObjectTransformation* Found = nullptr;
};
} // namespace

// 3D and Track 3D exclude each other; their menu checks follow every toggle.
TEST(ThreeDView, ModesAreExclusiveAndTheirChecksFollow)
{
    Window window("gpl/rotated.3do");
    ASSERT_TRUE(window.IsOpen());
    const struct
    {
        int Command;
        bool ThreeD;
        bool Track3D;
    } steps[] = {
        {ID_VIEW_3D, true, false},       {ID_VIEW_TRACK_3D, false, true}, {ID_VIEW_3D, true, false},
        {ID_VIEW_3D, false, false},      {ID_VIEW_TRACK_3D, false, true}, {ID_VIEW_TRACK_3D, false, false},
    };
    EXPECT_FALSE(window.Checked(ID_VIEW_3D));
    EXPECT_FALSE(window.Checked(ID_VIEW_TRACK_3D));
    for (const auto& step : steps)
    {
        Command(step.Command);
        EXPECT_EQ(window.Checked(ID_VIEW_3D), step.ThreeD);
        EXPECT_EQ(window.Checked(ID_VIEW_TRACK_3D), step.Track3D);
        EXPECT_EQ(window.View->GetState().GetMode() == State::Mode::ThreeD, step.ThreeD);
        EXPECT_EQ(window.View->GetState().GetMode() == State::Mode::Track3D, step.Track3D);
    }
}

// Each axis command checks its own item only and turns Default Axis off; the other toggles'
// checks follow them; every command of the menus is enabled while the pane is there.
TEST(ThreeDView, AxisAndSwitchChecksFollowTheirCommands)
{
    Window window("gpl/rotated.3do");
    ASSERT_TRUE(window.IsOpen());
    const int axes[] = {ID_AXIS_POSITIVE_Z, ID_AXIS_POSITIVE_Y, ID_AXIS_POSITIVE_X,
                        ID_AXIS_NEGATIVE_Z, ID_AXIS_NEGATIVE_Y, ID_AXIS_NEGATIVE_X};
    EXPECT_TRUE(window.Checked(ID_AXIS_DEFAULT));
    for (int chosen : axes)
    {
        Command(chosen);
        for (int axis : axes)
            EXPECT_EQ(window.Checked(axis), axis == chosen) << chosen << " " << axis;
        EXPECT_FALSE(window.Checked(ID_AXIS_DEFAULT));
    }
    const struct
    {
        int Command;
        bool Before;
    } toggles[] = {
        {ID_VIEW_HIGHLIGHT, false}, {ID_VIEW_CENTER, true},    {ID_VIEW_Z_BUFFER, false},
        {ID_DRAW_SHADED, true},     {ID_DRAW_WIREFRAME, false}, {ID_DRAW_BOUNDING_BOXES, false},
        {ID_TEXTURE_SHADED, true},  {ID_DRAW_WALLS, true},      {ID_TEXTURE_GRASS, true},
        {ID_AXIS_DEFAULT, false},
    };
    for (const auto& toggle : toggles)
    {
        EXPECT_EQ(window.Checked(toggle.Command), toggle.Before) << toggle.Command;
        Command(toggle.Command);
        EXPECT_EQ(window.Checked(toggle.Command), !toggle.Before) << toggle.Command;
    }
    // None and All switch every category at once.
    Command(ID_DRAW_NONE);
    EXPECT_FALSE(window.Checked(ID_DRAW_TREES));
    EXPECT_FALSE(window.Checked(ID_DRAW_WALLS));
    Command(ID_DRAW_ALL);
    EXPECT_TRUE(window.Checked(ID_DRAW_TREES));
    for (int command : State::GetCommands())
    {
        if (command == State::ClipTestCommand)
            continue;
        EXPECT_TRUE(window.Enabled(AppCommand(command))) << command;
    }
}

// A pane squeezed to nothing keeps its size and camera and makes no OpenGL call.
TEST(ThreeDView, AnEmptySizeMakesNoOpenGLCall)
{
    Window window("gpl/rotated.3do");
    ASSERT_TRUE(window.IsOpen());
    Command(ID_VIEW_3D);
    window.Select(window.RootId());
    ASSERT_TRUE(window.Paint());
    const int width = window.View->GetWidth();
    const int height = window.View->GetHeight();
    const double distance = window.View->GetState().GetCamera()->Distance;
    const unsigned long scopes = GLContextScope::GetOpenCount();
    for (auto size : {std::pair(0, 0), std::pair(0, 300), std::pair(300, 0), std::pair(-1, 5)})
        window.View->OnSize(size.first, size.second);
    EXPECT_EQ(GLContextScope::GetOpenCount(), scopes);
    EXPECT_EQ(window.View->GetWidth(), width);
    EXPECT_EQ(window.View->GetHeight(), height);
    EXPECT_EQ(window.View->GetState().GetWidth(), width);
    EXPECT_EQ(window.View->GetState().GetCamera()->Distance, distance);
    // A real size is taken (in the pane's context).
    window.View->OnSize(width / 2, height);
    EXPECT_GT(GLContextScope::GetOpenCount(), scopes);
    EXPECT_EQ(window.View->GetState().GetWidth(), width / 2);
}

// The plan is compiled into one display list on the first Track 3D paint and replayed under
// the same name afterwards; an edit compiles it again, still under that name.
TEST(ThreeDView, ThePlanKeepsItsListNameAcrossPaints)
{
    Window window("n4/plan.ptf");
    ASSERT_TRUE(window.IsOpen());
    Command(ID_VIEW_TRACK_3D);
    window.Select(window.RootId());
    ASSERT_TRUE(window.Paint());
    const unsigned list = window.View->GetPainter().GetListName();
    EXPECT_NE(list, 0u);
    EXPECT_TRUE(window.View->GetState().IsPlanCompiled());
    for (int i = 0; i < 4; ++i)
    {
        ASSERT_TRUE(window.Paint());
        EXPECT_EQ(window.View->GetPainter().GetListName(), list);
    }
    window.Changed(window.RootId());
    EXPECT_FALSE(window.View->GetState().IsPlanCompiled());
    ASSERT_TRUE(window.Paint());
    EXPECT_TRUE(window.View->GetState().IsPlanCompiled());
    EXPECT_EQ(window.View->GetPainter().GetListName(), list);
    EXPECT_EQ(window.View->GetFailedPaintCount(), 0);
}

// An edit (a hint without a sender) measures the node again, even when the hint names the node
// shown; a selection of the node already shown changes nothing.
TEST(ThreeDView, AnEditRecomputesTheBounds)
{
    Window window("gpl/rotated.3do");
    ASSERT_TRUE(window.IsOpen());
    Command(ID_VIEW_3D);
    window.Select(window.RootId());
    ASSERT_TRUE(window.Paint());
    ASSERT_TRUE(window.View->GetState().AreBoundsValid());
    const ViewBounds before = window.View->GetState().GetBounds();

    window.Select(window.RootId());
    EXPECT_TRUE(window.View->GetState().AreBoundsValid());

    FindTransformation find;
    window.Document->GetFile()->GetRoot()->Accept(find);
    ASSERT_NE(find.Found, nullptr);
    find.Found->SetZTranslation(find.Found->GetZTranslation() + 100);
    window.Changed(window.RootId());
    EXPECT_FALSE(window.View->GetState().AreBoundsValid());
    ASSERT_TRUE(window.Paint());
    ASSERT_TRUE(window.View->GetState().AreBoundsValid());
    const ViewBounds after = window.View->GetState().GetBounds();
    EXPECT_NEAR(after.MaxZ, before.MaxZ + 100, 1e-3);
    EXPECT_EQ(after.MinX, before.MinX);
}

// A shown node that an edit removed is shown no more (instead of failing every paint).
TEST(ThreeDView, AShownNodeThatIsGoneIsForgotten)
{
    Window window("gpl/rotated.3do");
    ASSERT_TRUE(window.IsOpen());
    Command(ID_VIEW_3D);
    Messages messages;
    // The other panes answer for themselves (the field list cannot list the node).
    window.Select(987654);
    window.Changed(987654);
    EXPECT_EQ(window.View->GetState().GetShownId(), -1);
    Pump();
    messages.Texts.clear();
    const int failed = window.View->GetFailedPaintCount();
    ASSERT_TRUE(window.Paint());
    Pump();
    EXPECT_TRUE(messages.Texts.empty());
    EXPECT_EQ(window.View->GetFailedPaintCount(), failed);
}

// A missing external object is passed over by each paint (the rest is measured and drawn), and
// its message comes once, after the paint; again only when the node or the mode changes.
TEST(ThreeDView, AMissingExternalObjectIsReportedOnceOverFiveRepaints)
{
    Window window("gpl/lost.3do");
    ASSERT_TRUE(window.IsOpen());
    Messages messages;
    Command(ID_VIEW_3D);
    window.Select(window.RootId());
    const int failed = window.View->GetFailedPaintCount();
    for (int i = 0; i < 5; ++i)
    {
        ASSERT_TRUE(window.Paint());
        Pump();
    }
    ASSERT_EQ(messages.Texts.size(), 1u);
    EXPECT_NE(messages.Texts[0].find("nowhere"), std::string::npos) << messages.Texts[0];
    EXPECT_EQ(window.View->GetFailedPaintCount(), failed);
    // The object's other polygon has two vertices: the pane shows its grey background, read
    // back from its own context.
    const wxImage shot = GLShot(window.View->GetCanvas(), window.View->GetContext(), "");
    ASSERT_TRUE(shot.IsOk());
    const int x = shot.GetWidth() / 2, y = shot.GetHeight() / 2;
    EXPECT_NEAR(shot.GetRed(x, y), 128, 2);
    EXPECT_NEAR(shot.GetGreen(x, y), 128, 2);

    // Switching the mode off and on again is a change: told once more.
    Command(ID_VIEW_3D);
    Command(ID_VIEW_3D);
    ASSERT_TRUE(window.Paint());
    Pump();
    EXPECT_EQ(messages.Texts.size(), 2u);
}

// While Highlight is on, selections set the highlighted node and leave the shown one;
// switching it off forgets the highlighted node.
TEST(ThreeDView, HighlightTakesTheSelectionsAndForgetsItsNodeWhenOff)
{
    Window window("gpl/rotated.3do");
    ASSERT_TRUE(window.IsOpen());
    Command(ID_VIEW_3D);
    // Through the tree itself: its first item is the file's root.
    wxTreeCtrl* tree = window.Tree->GetTree();
    wxTreeItemIdValue cookie;
    const wxTreeItemId rootItem = tree->GetFirstChild(tree->GetRootItem(), cookie);
    ASSERT_TRUE(rootItem.IsOk());
    tree->SelectItem(rootItem);
    Pump();
    const int root = window.RootId();
    EXPECT_EQ(window.View->GetState().GetShownId(), root);

    FindTransformation find;
    window.Document->GetFile()->GetRoot()->Accept(find);
    ASSERT_NE(find.Found, nullptr);
    const int child = find.Found->GetId();
    Command(ID_VIEW_HIGHLIGHT);
    window.Select(child);
    EXPECT_EQ(window.View->GetState().GetShownId(), root);
    EXPECT_EQ(window.View->GetState().GetHighlightedId(), child);
    ASSERT_TRUE(window.Paint());
    EXPECT_EQ(window.View->GetFailedPaintCount(), 0);
    Command(ID_VIEW_HIGHLIGHT);
    EXPECT_EQ(window.View->GetState().GetHighlightedId(), -1);
    window.Select(child);
    EXPECT_EQ(window.View->GetState().GetShownId(), child);
}

// Check of a sound node says so in the status bar only; a node naming a missing file gets the
// file's message, at every Check.
TEST(ThreeDView, CheckPassesSilentlyAndReportsAMissingFile)
{
    {
        Window window("gpl/textured.3do");
        ASSERT_TRUE(window.IsOpen());
        window.Select(window.RootId());
        Frame().SetStatusText("", 0);
        Messages messages;
        Command(ID_CHECK);
        EXPECT_TRUE(messages.Texts.empty());
        EXPECT_EQ(StatusText(), C3DO3DView::CheckPassedText);
    }
    {
        Window window("gpl/lost.3do");
        ASSERT_TRUE(window.IsOpen());
        Messages messages;
        // Nothing shown: nothing to check.
        Command(ID_CHECK);
        EXPECT_TRUE(messages.Texts.empty());
        window.Select(window.RootId());
        Command(ID_CHECK);
        Command(ID_CHECK);
        ASSERT_EQ(messages.Texts.size(), 2u);
        EXPECT_EQ(messages.Texts[0].rfind("Couldn't open ", 0), 0u) << messages.Texts[0];
        EXPECT_NE(messages.Texts[0].find("nowhere"), std::string::npos) << messages.Texts[0];
    }
}

// The clip-test command runs the test in place of one frame (nothing new is drawn), then the
// pane draws normally again.
TEST(ThreeDView, TheClipTestTakesOneFrame)
{
    Window window("gpl/rotated.3do");
    ASSERT_TRUE(window.IsOpen());
    Command(ID_VIEW_3D);
    window.Select(window.RootId());
    ASSERT_TRUE(window.Paint());
    Frame().SetStatusText("", 0);
    Messages messages;
    Command(ID_CLIP_TEST);
    ASSERT_TRUE(PumpUntil([&] { return StatusText() == C3DO3DView::ClipTestPassedText; }));
    Pump();
    EXPECT_TRUE(messages.Texts.empty());
    EXPECT_EQ(window.View->GetState().GetMode(), State::Mode::ThreeD);
    // The request is taken: the next paint draws (grey background and the node).
    ASSERT_TRUE(window.Paint());
    const wxImage shot = GLShot(window.View->GetCanvas(), window.View->GetContext(), "");
    ASSERT_TRUE(shot.IsOk());
    int notGrey = 0;
    for (int y = 0; y < shot.GetHeight(); y += 2)
        for (int x = 0; x < shot.GetWidth(); x += 2)
            if (std::abs(shot.GetRed(x, y) - 128) > 4 || std::abs(shot.GetGreen(x, y) - 128) > 4)
                ++notGrey;
    EXPECT_GT(notGrey, 10);
    EXPECT_EQ(window.View->GetFailedPaintCount(), 0);
}

// The Bounds and Viewpoint dialogs show the pane's bounds and camera (nothing is read back).
TEST(ThreeDView, BoundsAndViewpointShowThePanesValues)
{
    Window window("gpl/rotated.3do");
    ASSERT_TRUE(window.IsOpen());
    Command(ID_VIEW_3D);
    window.Select(window.RootId());
    ASSERT_TRUE(window.Paint());
    const ViewBounds bounds = window.View->GetState().GetBounds();
    const std::vector<double> camera = window.View->GetState().GetViewpointDialogValues();

    class ExpectBounds : public wxExpectModalBase<CBoundsDlg>
    {
    public:
        explicit ExpectBounds(std::vector<double>& seen) : m_seen(seen) {}

    protected:
        int OnInvoked(CBoundsDlg* dialog) const override
        {
            m_seen = {dialog->MinX, dialog->MaxX, dialog->MinY, dialog->MaxY, dialog->MinZ, dialog->MaxZ};
            return wxID_OK;
        }

    private:
        std::vector<double>& m_seen;
    };
    class ExpectViewpoint : public wxExpectModalBase<CViewpointDlg>
    {
    public:
        explicit ExpectViewpoint(std::vector<double>& seen) : m_seen(seen) {}

    protected:
        int OnInvoked(CViewpointDlg* dialog) const override
        {
            m_seen = {dialog->FromX, dialog->FromY, dialog->FromZ,          dialog->ToX, dialog->ToY,
                      dialog->ToZ,   double(dialog->Vertical), dialog->Near, dialog->Far};
            return wxID_OK;
        }

    private:
        std::vector<double>& m_seen;
    };
    std::vector<double> seenBounds, seenCamera;
    wxTEST_DIALOG(Command(ID_BOUNDS), ExpectBounds(seenBounds));
    EXPECT_EQ(seenBounds, (std::vector<double>{bounds.MinX, bounds.MaxX, bounds.MinY, bounds.MaxY, bounds.MinZ,
                                               bounds.MaxZ}));
    wxTEST_DIALOG(Command(ID_VIEWPOINT), ExpectViewpoint(seenCamera));
    EXPECT_EQ(seenCamera, camera);
    // The eye stands off the box along the chosen axis.
    ASSERT_EQ(seenCamera.size(), 9u);
    EXPECT_NE(seenCamera[0] + seenCamera[1] + seenCamera[2], 0.0);
}

// The plan as the pane draws it, from its own pixels, saved with a shot of the window beside
// it: white around the track, asphalt in the band, the red centre line, where the generator
// puts them for this pane's size.
TEST(ThreeDView, ThePlanAsThePaneDrawsIt)
{
    Window window("n4/plan.ptf");
    ASSERT_TRUE(window.IsOpen());
    Command(ID_VIEW_TRACK_3D);
    window.Select(window.RootId());
    ASSERT_TRUE(window.Paint());
    const wxImage plan = GLShot(window.View->GetCanvas(), window.View->GetContext(), "ptf_plan");
    ASSERT_TRUE(plan.IsOk());
    Shot(window.View->GetChildFrame(), "ptf_plan_window");
    const std::vector<GLViewTest::Pixel> pixels = Samples::Get().PlanPixels(plan.GetWidth(), plan.GetHeight());
    ASSERT_EQ(pixels.size(), 4u);
    for (const GLViewTest::Pixel& pixel : pixels)
    {
        const int y = plan.GetHeight() - 1 - pixel.Y;
        const int r = plan.GetRed(pixel.X, y), g = plan.GetGreen(pixel.X, y), b = plan.GetBlue(pixel.X, y);
        bool expected = false;
        if (pixel.Kind == "white")
            expected = r == 255 && g == 255 && b == 255;
        else if (pixel.Kind == "asphalt")
            expected = std::abs(r - 128) <= 2 && std::abs(g - 128) <= 2 && std::abs(b - 128) <= 2;
        else if (pixel.Kind == "red")
            expected = r > 200 && g < 60 && b < 60;
        EXPECT_TRUE(expected) << pixel.Kind << " at " << pixel.X << "," << pixel.Y << ": " << r << " " << g << " " << b;
    }
    // A lap of the track generator, for the eye.
    Window lap(Samples::Get().Lap(240, 4.0).substr(Samples::Get().Path("").size()));
    ASSERT_TRUE(lap.IsOpen());
    lap.View->RunCommand(State::Track3DCommand);
    lap.Select(lap.RootId());
    ASSERT_TRUE(lap.Paint());
    EXPECT_TRUE(GLShot(lap.View->GetCanvas(), lap.View->GetContext(), "ptf_plan_lap").IsOk());
    Shot(lap.View->GetChildFrame(), "ptf_plan_lap_window");
    EXPECT_EQ(lap.View->GetFailedPaintCount(), 0);
}

// The probe sample in 3D mode, shaded and in wireframe, from the pane's own pixels with shots
// of the window beside them: its squares where the generator's model of the pane's camera (the
// axis of least extent, the bounds' centre, a 90-degree view) puts them for this pane's size,
// in their colours (tolerance 2); in wireframe their insides show the background.
TEST(ThreeDView, AnObjectAsThePaneDrawsIt)
{
    Window window("gpl/probe-rotations.3do");
    ASSERT_TRUE(window.IsOpen());
    Command(ID_VIEW_3D);
    window.Select(window.RootId());
    ASSERT_TRUE(window.Paint());
    const wxImage shaded = GLShot(window.View->GetCanvas(), window.View->GetContext(), "tdo_3d");
    Shot(window.View->GetChildFrame(), "tdo_3d_window");
    // Wireframe waits for Refresh, as the menu's switches do.
    Command(ID_DRAW_WIREFRAME);
    const int paints = window.Paints();
    Command(ID_REFRESH);
    ASSERT_TRUE(PumpUntil([&] { return window.Paints() > paints; }));
    const wxImage wireframe = GLShot(window.View->GetCanvas(), window.View->GetContext(), "tdo_3d_wireframe");
    Shot(window.View->GetChildFrame(), "tdo_3d_wireframe_window");
    ASSERT_TRUE(shaded.IsOk());
    ASSERT_TRUE(wireframe.IsOk());
    ASSERT_EQ(shaded.GetSize(), wireframe.GetSize());

    // The generator's probes for this size: "pane FILE x y r g b", y from the bottom row.
    VelmoTest::TempFolder folder;
    ASSERT_TRUE(GLViewTest::Run(folder.Path() + " " + std::to_string(shaded.GetWidth()) + " " +
                                std::to_string(shaded.GetHeight())));
    std::ifstream in(folder.Path("expected.txt"));
    std::string line;
    int probes = 0;
    while (std::getline(in, line))
    {
        std::istringstream fields(line);
        std::string what, file;
        int x = 0, y = 0, r = 0, g = 0, b = 0;
        if (!(fields >> what >> file >> x >> y >> r >> g >> b) || what != "pane")
            continue;
        ++probes;
        const int row = shaded.GetHeight() - 1 - y;
        EXPECT_LE(std::abs(shaded.GetRed(x, row) - r) + std::abs(shaded.GetGreen(x, row) - g) +
                      std::abs(shaded.GetBlue(x, row) - b),
                  6)
            << "shaded at " << x << "," << y << ": " << int(shaded.GetRed(x, row)) << " " << int(shaded.GetGreen(x, row))
            << " " << int(shaded.GetBlue(x, row)) << ", expected " << r << " " << g << " " << b;
        EXPECT_LE(std::abs(wireframe.GetRed(x, row) - 128) + std::abs(wireframe.GetGreen(x, row) - 128) +
                      std::abs(wireframe.GetBlue(x, row) - 128),
                  6)
            << "wireframe at " << x << "," << y;
    }
    EXPECT_GE(probes, 9);
    // The wireframe's lines are white, and there are some.
    int white = 0;
    for (int y = 0; y < wireframe.GetHeight(); ++y)
        for (int x = 0; x < wireframe.GetWidth(); ++x)
            if (wireframe.GetRed(x, y) == 255 && wireframe.GetGreen(x, y) == 255 && wireframe.GetBlue(x, y) == 255)
                ++white;
    EXPECT_GT(white, 50);
    EXPECT_EQ(window.View->GetFailedPaintCount(), 0);
}
