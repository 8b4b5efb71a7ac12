// The OpenGL side of the 3D-object pane: the plan's display list (compiled once, replayed
// under the same name, ended and dropped when compiling fails), the bounds step's stack, and a
// missing file reported once over many paints.
#include <gtest/gtest.h>

#include <GL/gl.h>

#include "DrawingSamples.h"
#include "GLContext.h"
#include "Util/Exception.h"
#include "Vantrel/Drawing/ThreeDObjectViewPainter.h"
#include "Vantrel/Drawing/ThreeDObjectViewState.h"

namespace
{
using DrawingTest::Samples;
using State = ThreeDObjectViewState;

int StackDepth()
{
    GLint depth = 0;
    glGetIntegerv(GL_MODELVIEW_STACK_DEPTH, &depth);
    return depth;
}

GLint OpenList()
{
    GLint list = 0;
    glGetIntegerv(GL_LIST_INDEX, &list);
    return list;
}

// One paint as the pane does it; the text of the error that ended it, if any.
std::string Paint(State& state, ThreeDObjectViewPainter& painter, const Velmo::Papy::TdoFile* file,
                  const std::string& folder, const ThreeDObjectViewPainter::DrawFunction& draw = {})
{
    DrawingReport report;
    try
    {
        painter.PreDraw(state, file, Samples::Get().Factory(folder), report);
        painter.DrawScene(state, file, draw, {});
    }
    catch (const Velmo::Util::Exception& e)
    {
        return e.GetText();
    }
    return report.HasNoProblems() ? "" : report.GetMessages().front();
}

// The state of a pane of a size, sized as the painter sizes it, in a mode (a command).
State Viewing(int width, int height, State::Command mode)
{
    State state;
    state.OnSize(width, height);
    ThreeDObjectViewPainter::Resize(state);
    state.Execute(mode);
    return state;
}

State Track3D(const Velmo::Util::CountedPointer<Velmo::Papy::TdoFile>& file)
{
    State state = Viewing(32, 32, State::Track3DCommand);
    state.OnSelection(Samples::Root(file)->GetId());
    return state;
}
} // namespace

TEST(ViewPainter, ThePlanIsCompiledOnceAndReplayedUnderTheSameName)
{
    GLContext context(32, 32);
    VELMO_REQUIRE_GL(context);
    const auto file = Samples::Get().Ptf("plan");
    State state = Track3D(file);
    ThreeDObjectViewPainter painter;
    EXPECT_EQ(Paint(state, painter, file.Get(), "n4"), "");
    const unsigned list = painter.GetListName();
    ASSERT_NE(list, 0u);
    EXPECT_TRUE(glIsList(list));
    EXPECT_TRUE(state.IsPlanCompiled());
    for (int paint = 0; paint < 3; ++paint)
    {
        // Another node gives other bounds, the same plan; a node the file does not hold fails
        // the paint and leaves the list alone.
        state.OnSelection(999999 + paint);
        EXPECT_NE(Paint(state, painter, file.Get(), "n4").find("p != SubObjects.end()"), std::string::npos);
        state.OnSelection(Samples::Root(file)->GetId());
        EXPECT_EQ(Paint(state, painter, file.Get(), "n4"), "");
        EXPECT_EQ(painter.GetListName(), list);
    }
    // A content change compiles again, under the same name.
    state.OnContentChanged([](int) { return true; });
    EXPECT_FALSE(state.IsPlanCompiled());
    EXPECT_EQ(Paint(state, painter, file.Get(), "n4"), "");
    EXPECT_EQ(painter.GetListName(), list);
    EXPECT_TRUE(state.IsPlanCompiled());
    painter.Destroy(state);
    EXPECT_FALSE(glIsList(list));
    EXPECT_EQ(painter.GetListName(), 0u);
    EXPECT_EQ(glGetError(), GLenum(GL_NO_ERROR));
}

TEST(ViewPainter, AFailureWhileCompilingEndsAndDropsTheList)
{
    GLContext context(32, 32);
    VELMO_REQUIRE_GL(context);
    // The corner without a centre fails in the bounds step already; measure the good plan and
    // paint the broken file's plan with those bounds.
    const auto good = Samples::Get().Ptf("plan");
    const auto bad = Samples::Get().Ptf("badcorner");
    State state = Track3D(good);
    ThreeDObjectViewPainter painter;
    DrawingReport report;
    painter.PreDraw(state, good.Get(), Samples::Get().Factory("n4"), report);
    EXPECT_THROW(painter.DrawScene(state, bad.Get(), {}, {}), Velmo::Util::XAssertion);
    EXPECT_EQ(OpenList(), 0);
    EXPECT_EQ(painter.GetListName(), 0u);
    EXPECT_FALSE(state.IsPlanCompiled());
    EXPECT_EQ(glGetError(), GLenum(GL_NO_ERROR));
    // The next paint compiles again.
    painter.DrawScene(state, good.Get(), {}, {});
    EXPECT_NE(painter.GetListName(), 0u);
    EXPECT_TRUE(state.IsPlanCompiled());
    EXPECT_EQ(glGetError(), GLenum(GL_NO_ERROR));
}

TEST(ViewPainter, AMissingExternalObjectIsReportedOnceOverFivePaintsAndTheStackStaysBalanced)
{
    GLContext context(32, 32);
    VELMO_REQUIRE_GL(context);
    const auto file = Samples::Get().Gpl("lost");
    State state = Viewing(32, 32, State::ThreeDCommand);
    state.OnSelection(Samples::Root(file)->GetId());
    ThreeDObjectViewPainter painter;
    const int depth = StackDepth();
    int shown = 0;
    for (int paint = 0; paint < 5; ++paint)
    {
        // Measured without it on the first paint; the bounds then hold.
        const std::string error = Paint(state, painter, file.Get(), "gpl");
        if (paint == 0)
        {
            EXPECT_NE(error.find("File not found"), std::string::npos) << error;
        }
        if (!error.empty() && state.ShouldReport(error))
            ++shown;
        EXPECT_EQ(StackDepth(), depth);
        EXPECT_FALSE(state.NeedsBounds());
    }
    EXPECT_EQ(shown, 1);
    EXPECT_EQ(glGetError(), GLenum(GL_NO_ERROR));
}

TEST(ViewPainter, ThreeDModeFramesTheNodeAndCallsTheDrawingWithTheOptionsAndNodes)
{
    GLContext context(30, 10);
    VELMO_REQUIRE_GL(context);
    const auto file = Samples::Get().Gpl("rotated");
    State state = Viewing(30, 10, State::ThreeDCommand);
    const int root = Samples::Root(file)->GetId();
    state.OnSelection(root);
    int calls = 0;
    auto draw = [&](const DrawOptions& options, const ThreeDObjectViewPainter::Node& shown,
                    const ThreeDObjectViewPainter::Node& highlighted) {
        ++calls;
        EXPECT_EQ(shown->GetId(), root);
        EXPECT_FALSE(highlighted);
        EXPECT_TRUE(options.Wireframe);
        // The camera in place: the model-view matrix is a look-at, not the identity.
        GLdouble m[16];
        glGetDoublev(GL_MODELVIEW_MATRIX, m);
        EXPECT_NE(m[14], 0.0);
    };
    state.Execute(State::WireframeCommand);
    ThreeDObjectViewPainter painter;
    EXPECT_EQ(Paint(state, painter, file.Get(), "gpl", draw), "");
    EXPECT_EQ(calls, 1);
    DrawingTest::ExpectBounds(state.GetBounds(), Samples::Get().Bounds("rotated"), "rotated");
    ASSERT_TRUE(state.GetCamera());
    EXPECT_EQ(glGetError(), GLenum(GL_NO_ERROR));
}
