// The pane's OpenGL state across frames: a frame cut short by a failure (a wireframe drawing, a
// plan that cannot be read) leaves no polygon mode, culling or depth test of its own to the next
// frame, which draws the track plan with its bands filled.
#include <gtest/gtest.h>

#include <GL/gl.h>

#include <functional>

#include "DrawingSamples.h"
#include "GLContext.h"
#include "Util/Exception.h"
#include "Vantrel/Drawing/ThreeDObjectViewPainter.h"
#include "Vantrel/Drawing/ThreeDObjectViewState.h"

namespace
{
using DrawingTest::Samples;
using State = ThreeDObjectViewState;

// The pane's own state, as it is after InitGL and after a frame that ended well.
void PaneState()
{
    glEnable(GL_DEPTH_TEST);
    glDisable(GL_CULL_FACE);
    glCullFace(GL_BACK);
    glPolygonMode(GL_FRONT_AND_BACK, GL_FILL);
}

void ExpectPaneState(const char* after)
{
    GLint modes[2] = {0, 0};
    glGetIntegerv(GL_POLYGON_MODE, modes);
    EXPECT_EQ(modes[0], GL_FILL) << after;
    EXPECT_EQ(modes[1], GL_FILL) << after;
    EXPECT_FALSE(glIsEnabled(GL_CULL_FACE)) << after;
    GLint culled = 0;
    glGetIntegerv(GL_CULL_FACE_MODE, &culled);
    EXPECT_EQ(culled, GL_BACK) << after;
    EXPECT_TRUE(glIsEnabled(GL_DEPTH_TEST)) << after;
}

bool IsAsphalt(const std::array<std::uint8_t, 3>& rgb)
{
    return std::abs(rgb[0] - 128) <= 2 && std::abs(rgb[1] - 128) <= 2 && std::abs(rgb[2] - 128) <= 2;
}

// The Track 3D frame of the plan sample, and whether its asphalt pixel shows asphalt.
bool PlanShowsAsphalt(const GLContext& context, State& state, ThreeDObjectViewPainter& painter,
                      const Velmo::Util::CountedPointer<Velmo::Papy::TdoFile>& file)
{
    if (state.GetMode() != State::Mode::Track3D)
        state.Execute(State::Track3DCommand);
    DrawingReport report;
    painter.PreDraw(state, file.Get(), Samples::Get().Factory("n4"), report);
    painter.DrawScene(state, file.Get(), {}, {});
    glFinish();
    for (const DrawingTest::Pixel& p : Samples::Get().PlanPixels())
        if (p.Kind == "asphalt")
            return IsAsphalt(context.Pixel(p.X, p.Y));
    ADD_FAILURE() << "no asphalt pixel";
    return false;
}
} // namespace

TEST(GLState, AFailedFrameLeavesNoPolygonModeCullingOrDepthTestToTheTrackPlan)
{
    GLContext context(Samples::Width, Samples::Height);
    VELMO_REQUIRE_GL(context);
    const auto file = Samples::Get().Ptf("plan");
    // What a drawing cut short may have set when it failed.
    const struct
    {
        const char* name;
        std::function<void()> leave;
    } cases[] = {
        {"wireframe", [] { glPolygonMode(GL_FRONT_AND_BACK, GL_LINE); }},
        {"culling", [] {
             glEnable(GL_CULL_FACE);
             glCullFace(GL_FRONT_AND_BACK);
         }},
        {"depth test off", [] { glDisable(GL_DEPTH_TEST); }},
        {"all of them", [] {
             glPolygonMode(GL_FRONT_AND_BACK, GL_LINE);
             glEnable(GL_CULL_FACE);
             glCullFace(GL_FRONT);
             glDisable(GL_DEPTH_TEST);
         }},
    };
    for (const auto& c : cases)
    {
        PaneState();
        State state;
        state.OnSize(Samples::Width, Samples::Height);
        ThreeDObjectViewPainter::Resize(state);
        state.Execute(State::ThreeDCommand);
        state.Execute(State::WireframeCommand);
        state.OnSelection(Samples::Root(file)->GetId());
        ThreeDObjectViewPainter painter;
        DrawingReport report;
        painter.PreDraw(state, file.Get(), Samples::Get().Factory("n4"), report);
        // The wireframe frame fails half-way, with a primitive open.
        auto failing = [&](const DrawOptions& options, const ThreeDObjectViewPainter::Node&,
                           const ThreeDObjectViewPainter::Node&) {
            EXPECT_TRUE(options.Wireframe);
            c.leave();
            glBegin(GL_LINES);
            throw Velmo::Util::XAssertion("drawing", "ThreeDObject3DVisitor.cpp", 1);
        };
        EXPECT_THROW(painter.DrawScene(state, file.Get(), failing, {}), Velmo::Util::XAssertion) << c.name;
        ExpectPaneState(c.name);
        EXPECT_EQ(glGetError(), GLenum(GL_NO_ERROR)) << c.name;
        // Track 3D then draws the plan's bands filled.
        EXPECT_TRUE(PlanShowsAsphalt(context, state, painter, file)) << c.name;
        ExpectPaneState(c.name);
        EXPECT_EQ(glGetError(), GLenum(GL_NO_ERROR)) << c.name;
        painter.Destroy(state);
    }
}

TEST(GLState, APlanThatFailsToCompileLeavesTheDepthTestOfThePane)
{
    GLContext context(Samples::Width, Samples::Height);
    VELMO_REQUIRE_GL(context);
    PaneState();
    // The broken corner fails while the plan is compiled (the plan walk turns depth testing off
    // first); the good plan's bounds frame it.
    const auto good = Samples::Get().Ptf("plan");
    const auto bad = Samples::Get().Ptf("badcorner");
    State state;
    state.OnSize(Samples::Width, Samples::Height);
    ThreeDObjectViewPainter::Resize(state);
    state.Execute(State::Track3DCommand);
    state.OnSelection(Samples::Root(good)->GetId());
    ThreeDObjectViewPainter painter;
    DrawingReport report;
    painter.PreDraw(state, good.Get(), Samples::Get().Factory("n4"), report);
    EXPECT_THROW(painter.DrawScene(state, bad.Get(), {}, {}), Velmo::Util::XAssertion);
    ExpectPaneState("failed plan");
    // A plan drawn well puts it back as well.
    EXPECT_TRUE(PlanShowsAsphalt(context, state, painter, good));
    ExpectPaneState("plan");
    EXPECT_EQ(glGetError(), GLenum(GL_NO_ERROR));
    painter.Destroy(state);
}
