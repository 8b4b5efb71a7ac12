#include <gtest/gtest.h>

#include <set>

#include "Vantrel/Drawing/ThreeDObjectViewState.h"

namespace
{
using State = ThreeDObjectViewState;
using Effect = State::Effect;

ViewBounds Box(double x0, double x1, double y0, double y1, double z0, double z1)
{
    ViewBounds b;
    b.MinX = x0, b.MaxX = x1, b.MinY = y0, b.MaxY = y1, b.MinZ = z0, b.MaxZ = z1;
    return b;
}

// A pane of 300 x 100 in 3D mode showing node 7, its bounds measured.
State Showing(const ViewBounds& bounds)
{
    State state;
    state.OnSize(300, 100);
    state.Execute(State::ThreeDCommand);
    state.OnSelection(7);
    EXPECT_TRUE(state.NeedsBounds());
    state.SetBounds(bounds);
    return state;
}
} // namespace

TEST(ThreeDObjectViewState, TheModesAreExclusiveAndTheirChecksFollow)
{
    State state;
    EXPECT_EQ(state.GetCheck(State::ThreeDCommand), false);
    EXPECT_EQ(state.GetCheck(State::Track3DCommand), false);
    // Switching a mode on repaints; switching the other one on switches the first off.
    EXPECT_EQ(state.Execute(State::ThreeDCommand), (Effect{true, false}));
    EXPECT_EQ(state.GetCheck(State::ThreeDCommand), true);
    EXPECT_EQ(state.Execute(State::Track3DCommand), (Effect{true, false}));
    EXPECT_EQ(state.GetMode(), State::Mode::Track3D);
    EXPECT_EQ(state.GetCheck(State::ThreeDCommand), false);
    EXPECT_EQ(state.GetCheck(State::Track3DCommand), true);
    // Switching it off does not repaint and leaves no mode.
    EXPECT_EQ(state.Execute(State::Track3DCommand), (Effect{}));
    EXPECT_FALSE(state.IsModeOn());
    EXPECT_EQ(state.GetCheck(State::Track3DCommand), false);
}

TEST(ThreeDObjectViewState, EveryCommandHasTheUpdateHandlerOfItsMenuEntry)
{
    // Commands without an update handler: always enabled, never checked.
    const std::set<int> unchecked = {State::CheckCommand,       State::RefreshCommand,     State::BoundsCommand,
                                     State::ViewpointCommand,   State::DrawNoneCommand,    State::DrawAllCommand,
                                     State::TextureNoneCommand, State::TextureAllCommand,  State::ClipTestCommand};
    State state;
    for (int command : State::GetCommands())
        EXPECT_EQ(state.GetCheck(command).has_value(), !unchecked.contains(command)) << command;
    // 25 fixed commands and 19 categories in each of the two menus.
    EXPECT_EQ(State::GetCommands().size(), 25u + 2 * 19u);
    // The start state: Center and Default Axis on, positive Z, shaded drawing and textures on.
    for (int command : {State::CenterCommand, State::DefaultAxisCommand, State::PositiveZCommand,
                        State::DrawShadedCommand, State::TextureShadedCommand})
        EXPECT_EQ(state.GetCheck(command), true) << command;
    for (int command : {State::HighlightCommand, State::ZBufferCommand, State::WireframeCommand,
                        State::BoundingBoxesCommand, State::NegativeZCommand, State::PositiveXCommand})
        EXPECT_EQ(state.GetCheck(command), false) << command;
}

TEST(ThreeDObjectViewState, CategoryCommandsToggleTheirClassAndInvalidateTheBounds)
{
    State state = Showing(Box(0, 1, 0, 1, 0, 1));
    // Walls (25): draw 32786, texture 32783.
    ASSERT_EQ(State::GetCategory(32786), std::make_pair(25u, true));
    ASSERT_EQ(State::GetCategory(32783), std::make_pair(25u, false));
    EXPECT_FALSE(State::GetCategory(32773));
    EXPECT_EQ(state.Execute(32786), (Effect{}));
    EXPECT_FALSE(state.GetOptions().GetDraw(25));
    EXPECT_TRUE(state.GetOptions().GetTexture(25));
    EXPECT_EQ(state.GetCheck(32786), false);
    EXPECT_TRUE(state.NeedsBounds());
    // None and All reach the classes without a command as well.
    state.Execute(State::DrawNoneCommand);
    EXPECT_FALSE(state.GetOptions().GetDraw(8));
    EXPECT_EQ(state.GetCheck(32775), false); // Objects
    state.Execute(State::DrawAllCommand);
    EXPECT_TRUE(state.GetOptions().GetDraw(8));
    EXPECT_EQ(state.GetCheck(32786), true);
    // Bounding boxes change the bounds; the other switches do not.
    state.SetBounds(Box(0, 1, 0, 1, 0, 1));
    state.Execute(State::WireframeCommand);
    state.Execute(State::ZBufferCommand);
    EXPECT_FALSE(state.NeedsBounds());
    EXPECT_TRUE(state.GetOptions().Wireframe);
    state.Execute(State::BoundingBoxesCommand);
    EXPECT_TRUE(state.NeedsBounds());
}

TEST(ThreeDObjectViewState, WithCenterOffANewNodeRecomputesTheBoundsButKeepsTheCamera)
{
    State state = Showing(Box(-1.5, 1.5, 0, 1, 0, 0));
    ASSERT_TRUE(state.GetCamera());
    EXPECT_DOUBLE_EQ(state.GetCamera()->Distance, 1 / 1.8);
    const CameraFit before = *state.GetCamera();
    // Switching Center off keeps the camera and asks for nothing.
    EXPECT_EQ(state.Execute(State::CenterCommand), (Effect{}));
    EXPECT_EQ(state.OnSelection(8), (Effect{true, false}));
    EXPECT_TRUE(state.NeedsBounds());
    EXPECT_EQ(state.SetBounds(Box(100, 200, 100, 300, 0, 50)), (Effect{}));
    EXPECT_DOUBLE_EQ(state.GetCamera()->Distance, before.Distance);
    EXPECT_DOUBLE_EQ(state.GetCamera()->Centre1, before.Centre1);
    // A resize keeps it too, and an axis command changes only the switches.
    EXPECT_EQ(state.OnSize(600, 100), (Effect{false, true}));
    EXPECT_EQ(state.Execute(State::NegativeXCommand), (Effect{}));
    EXPECT_EQ(state.GetCheck(State::NegativeXCommand), true);
    EXPECT_EQ(state.GetCamera()->Axis, 2);
    // Center on again fits the new bounds from the chosen axis.
    EXPECT_EQ(state.Execute(State::CenterCommand), (Effect{true, true}));
    EXPECT_EQ(state.GetCamera()->Axis, 0);
    EXPECT_TRUE(state.GetCamera()->Negative);
    EXPECT_DOUBLE_EQ(state.GetCamera()->Centre1, 200);
}

TEST(ThreeDObjectViewState, DefaultAxisChoosesAgainOnlyWhenSwitchedOnWithCenterOn)
{
    State state = Showing(Box(0, 1, 0, 2, 0, 3));
    EXPECT_EQ(state.GetAxis(), 0);
    EXPECT_EQ(state.Execute(State::PositiveZCommand), (Effect{true, true}));
    EXPECT_EQ(state.GetCamera()->Axis, 2);
    EXPECT_EQ(state.GetCheck(State::DefaultAxisCommand), false);
    EXPECT_EQ(state.Execute(State::DefaultAxisCommand), (Effect{true, true}));
    EXPECT_EQ(state.GetCamera()->Axis, 0);
    EXPECT_EQ(state.GetCheck(State::PositiveXCommand), true);
    // Off: nothing to refit.
    EXPECT_EQ(state.Execute(State::DefaultAxisCommand), (Effect{}));
}

TEST(ThreeDObjectViewState, HighlightTakesTheSelectionsAndSwitchingItOffForgetsItsNode)
{
    State state = Showing(Box(0, 1, 0, 1, 0, 1));
    state.Execute(State::HighlightCommand);
    EXPECT_EQ(state.OnSelection(9), (Effect{true, false}));
    EXPECT_EQ(state.GetShownId(), 7);
    EXPECT_EQ(state.GetHighlightedId(), 9);
    // The same id again changes nothing.
    EXPECT_EQ(state.OnSelection(9), (Effect{}));
    state.Execute(State::HighlightCommand);
    EXPECT_EQ(state.GetHighlightedId(), -1);
    state.OnSelection(11);
    EXPECT_EQ(state.GetShownId(), 11);
    EXPECT_EQ(state.GetHighlightedId(), -1);
}

TEST(ThreeDObjectViewState, AContentChangeRemeasuresRecompilesAndForgetsDeletedIds)
{
    State state = Showing(Box(0, 1, 0, 1, 0, 1));
    state.Execute(State::HighlightCommand);
    state.OnSelection(9);
    state.SetBounds(Box(0, 1, 0, 1, 0, 1));
    state.SetPlanCompiled(true);
    // An edit of the node shown: same id, yet the bounds are measured again.
    EXPECT_EQ(state.OnContentChanged([](int) { return true; }), (Effect{true, false}));
    EXPECT_TRUE(state.NeedsBounds());
    EXPECT_FALSE(state.IsPlanCompiled());
    EXPECT_EQ(state.GetShownId(), 7);
    // The highlighted node was deleted.
    state.OnContentChanged([](int id) { return id != 9; });
    EXPECT_EQ(state.GetHighlightedId(), -1);
    EXPECT_EQ(state.GetShownId(), 7);
    state.OnContentChanged([](int id) { return id != 7; });
    EXPECT_EQ(state.GetShownId(), -1);
    EXPECT_EQ(state.TakeScene(), State::Scene::Clear);
}

TEST(ThreeDObjectViewState, TheSceneFollowsModeNodeBoundsAndTheClipTestRequest)
{
    State state;
    state.OnSize(64, 64);
    EXPECT_EQ(state.TakeScene(), State::Scene::Clear);
    state.Execute(State::ThreeDCommand);
    EXPECT_EQ(state.TakeScene(), State::Scene::Clear); // no node
    state.OnSelection(3);
    state.SetBounds(ViewBounds());
    EXPECT_EQ(state.TakeScene(), State::Scene::Clear); // nothing to frame
    EXPECT_FALSE(state.GetCamera());
    state.OnSelection(4);
    state.SetBounds(Box(0, 1, 0, 1, 0, 1));
    EXPECT_EQ(state.TakeScene(), State::Scene::ThreeD);
    // The clip test takes one paint; the next one draws again.
    EXPECT_EQ(state.Execute(State::ClipTestCommand), (Effect{true, false}));
    EXPECT_EQ(state.TakeScene(), State::Scene::ClipTest);
    EXPECT_EQ(state.TakeScene(), State::Scene::ThreeD);
    state.Execute(State::Track3DCommand);
    state.SetBounds(Box(0, 1, 0, 1, 0, 0));
    EXPECT_EQ(state.TakeScene(), State::Scene::Track3D);
}

TEST(ThreeDObjectViewState, AnEmptySizeChangesNothing)
{
    State state = Showing(Box(-1.5, 1.5, 0, 1, 0, 0));
    for (auto [w, h] : {std::pair{0, 100}, std::pair{100, 0}, std::pair{-5, 10}})
    {
        EXPECT_EQ(state.OnSize(w, h), (Effect{}));
        EXPECT_EQ(state.GetWidth(), 300);
        EXPECT_DOUBLE_EQ(state.GetAspect(), 3);
    }
    EXPECT_EQ(state.OnSize(100, 100), (Effect{false, true}));
    EXPECT_DOUBLE_EQ(state.GetCamera()->Distance, 3 / 1.8);
}

TEST(ThreeDObjectViewState, AProblemIsReportedOnceUntilTheNodeModeOrOptionsChange)
{
    State state = Showing(Box(0, 1, 0, 1, 0, 1));
    EXPECT_TRUE(state.ShouldReport("File not found"));
    for (int paint = 0; paint < 5; ++paint)
        EXPECT_FALSE(state.ShouldReport("File not found"));
    EXPECT_TRUE(state.ShouldReport("another"));
    state.Execute(State::RefreshCommand);
    EXPECT_FALSE(state.ShouldReport("File not found"));
    for (auto change : {+[](State& s) { s.OnSelection(12); }, +[](State& s) { s.Execute(State::WireframeCommand); },
                        +[](State& s) { s.Execute(State::Track3DCommand); }})
    {
        change(state);
        EXPECT_TRUE(state.ShouldReport("File not found"));
        EXPECT_FALSE(state.ShouldReport("File not found"));
    }
}

TEST(ThreeDObjectViewState, TheDialogsShowBoundsAndTheViewpointAsTheCameraWasSet)
{
    State state = Showing(Box(0, 4, 10, 12, -3, 5));
    EXPECT_EQ(state.GetBoundsDialogValues(), (std::vector<double>{4, 12, 5, 0, 10, -3}));
    state.Execute(State::NegativeZCommand);
    // Axis Z from the negative side: eye at -3 - d, looking at +5.
    const double d = std::max(2.0, 4 / 3.0) / 1.8;
    const std::vector<double> values = state.GetViewpointDialogValues();
    ASSERT_EQ(values.size(), 9u);
    const std::vector<double> expected = {2, 11, -3 - d, 2, 11, 5, 1, -3 - d - 0.95 * d + 2 * d,
                                          -3 - d - 1.05 * (8 + d) + 2 * d};
    for (std::size_t i = 0; i < 9; ++i)
        EXPECT_NEAR(values[i], expected[i], 1e-12) << i;
}
