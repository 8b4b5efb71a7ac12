// The budget of the track plans: one for the whole plan, shared by the PTF plan of the 3D-object
// pane and the plan of the track pane. A damaged file of 3000 segments of a huge finite length
// (1000 km each: billions of vertices at the plan's step)
// is drawn at a longer step, in a bounded time, with one report line; the bounds are measured
// without drawing.
#include <gtest/gtest.h>

#include <GL/gl.h>

#include <chrono>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <limits>
#include <vector>

#include "BrokenSamples.h"
#include "DrawingSamples.h"
#include "GLContext.h"
#include "Papy/Model/ThreeDObjectTrackSegment.h"
#include "Papy/N4/N4ArchiverLists.h"
#include "Papy/N4/N4TdoFile.h"
#include "Support/TempFolder.h"
#include "Vantrel/Drawing/ThreeDObject3DPtfVisitor.h"
#include "Vantrel/Drawing/ThreeDObjectViewPainter.h"
#include "Vantrel/Drawing/ThreeDObjectViewState.h"
#include "Vantrel/Drawing/TrackPlan.h"
#include "Vantrel/Drawing/TrackPlanBudget.h"
#include "Vantrel/Drawing/TrackPlanScene.h"
#include "Vantrel/Rows/TrkFakes.h"

using Budget = TrackPlanBudget;
using Velmo::Util::CountedPointer;

namespace
{
// A hang shows as a time far beyond this; the real figure comes from TrackPlanBench.
constexpr auto Generous = std::chrono::seconds(60);

// The PTF of drawing_samples.py: segments of a length round a circle, 10 floor and 4 wall
// sections each.
CountedPointer<Velmo::Papy::TdoFile> LargePtf(int segments, double length, VelmoTest::Bytes& bytes)
{
    return DrawingTest::GeneratedPtf("large-ptf", std::to_string(segments) + " " + std::to_string(length), bytes);
}

// The segments' loads as the PTF plan draws them: the centre line, a band between each two floor
// sections, a line per wall; two vertices a line, four a band.
class Loads : public Velmo::Papy::ThreeDObjectVisitor
{
public:
    bool EnterTrackSegment(Velmo::Papy::ThreeDObjectTrackSegment& node) override
    {
        List.push_back({node.GetLength(), 2 + 4 * (node.GetFSectionCount() - 1) + 2 * node.GetWSectionCount()});
        return false;
    }
    std::vector<Budget::Load> List;
};

// The values OpenGL's feedback gets while a step runs.
GLint FeedbackValues(const std::function<void()>& step)
{
    std::vector<GLfloat> buffer(1 << 20);
    glFeedbackBuffer(GLsizei(buffer.size()), GL_2D, buffer.data());
    glRenderMode(GL_FEEDBACK);
    step();
    return glRenderMode(GL_RENDER);
}
} // namespace

TEST(PlanBudget, AStepIsLengthenedOnlyPastTheBudgetAndThenAsLittleAsItCan)
{
    const double huge = 1e12, inf = std::numeric_limits<double>::infinity();
    const struct
    {
        const char* name;
        Budget::Cut cut;
        std::vector<Budget::Load> loads;
        bool lengthened;
    } cases[] = {
        {"empty", Budget::Cut::EqualPieces, {}, false},
        {"small track", Budget::Cut::WholeSteps, std::vector<Budget::Load>(5000, {10, 48}), false},
        {"just fits", Budget::Cut::WholeSteps, {{3.0 * 100000, 20}}, false},
        {"3000 huge segments", Budget::Cut::EqualPieces, std::vector<Budget::Load>(3000, {huge, 46}), true},
        {"3000 huge track segments", Budget::Cut::WholeSteps, std::vector<Budget::Load>(3000, {huge, 56}), true},
        {"one over", Budget::Cut::WholeSteps, {{3.0 * 100000, 21}}, true},
        {"not finite", Budget::Cut::EqualPieces, {{inf, 1000000}, {std::nan(""), 1000000}}, false},
        // One piece each is already past it: every segment one piece, no further.
        {"too many sections", Budget::Cut::EqualPieces, std::vector<Budget::Load>(5, {10, 1000000}), true},
    };
    for (const auto& c : cases)
    {
        const double step = Budget::FitStep(c.cut, 3, c.loads);
        EXPECT_EQ(step > 3, c.lengthened) << c.name << ": " << step;
        const long long vertices = Budget::CountVertices(c.cut, step, c.loads);
        long long onePiece = 0;
        for (const Budget::Load& load : c.loads)
            onePiece += Budget::PieceCount(c.cut, load.Length, 1e300) * load.VerticesPerPiece;
        EXPECT_LE(vertices, std::max(Budget::MaxVertices, onePiece)) << c.name;
        if (c.lengthened && vertices > onePiece)
        {
            EXPECT_GT(Budget::CountVertices(c.cut, step * (1 - 1e-5), c.loads), Budget::MaxVertices) << c.name;
        }
    }
    EXPECT_EQ(Budget::LongerStepText(3, 7.5e6),
              "The plan is too large to draw in full: drawn in steps of 7.5e+06 instead of 3");
}

TEST(PlanBudget, TheBoundsOfThePtfPlanAreMeasuredWithoutDrawing)
{
    GLContext context(16, 16);
    VELMO_REQUIRE_GL(context);
    for (const char* name : {"plan", "length299", "huge"})
    {
        const auto root = DrawingTest::Samples::Root(DrawingTest::Samples::Get().Ptf(name));
        ThreeDObject3DPtfVisitor drawn, measured;
        EXPECT_GT(FeedbackValues([&] { drawn.Run(true, root); }), 0) << name;
        EXPECT_EQ(FeedbackValues([&] { measured.Measure(root); }), 0) << name;
        EXPECT_EQ(measured.GetMinX(), drawn.GetMinX()) << name;
        EXPECT_EQ(measured.GetMaxX(), drawn.GetMaxX()) << name;
        EXPECT_EQ(measured.GetMinY(), drawn.GetMinY()) << name;
        EXPECT_EQ(measured.GetMaxY(), drawn.GetMaxY()) << name;
        EXPECT_EQ(measured.GetStep(), ThreeDObject3DPtfVisitor::Step) << name;
    }
    EXPECT_EQ(glGetError(), GLenum(GL_NO_ERROR));
}

TEST(PlanBudget, APtfOfThreeThousandHugeSegmentsPaintsInBoundedTimeWithOneReportLine)
{
    GLContext context(128, 96);
    VELMO_REQUIRE_GL(context);
    VelmoTest::Bytes bytes;
    CountedPointer<Velmo::Papy::TdoFile> file;
    CountedPointer<Velmo::Papy::ThreeDObject> root;
    Loads loads;
    try
    {
        file = LargePtf(3000, 1e6, bytes);
        root = DrawingTest::Samples::Root(file);
        ASSERT_TRUE(root);
        root->Accept(loads);
    }
    catch (const Velmo::Util::Exception& e)
    {
        FAIL() << e.GetText();
    }
    ASSERT_EQ(loads.List.size(), 3000u);

    const auto start = std::chrono::steady_clock::now();
    ThreeDObjectViewState state;
    state.OnSize(128, 96);
    ThreeDObjectViewPainter::Resize(state);
    state.Execute(ThreeDObjectViewState::Track3DCommand);
    state.OnSelection(root->GetId());
    ThreeDObjectViewPainter painter;
    DrawingReport report;
    for (int paint = 0; paint < 2; ++paint)
    {
        try
        {
            painter.PreDraw(state, file.Get(), DrawingTest::Samples::Get().Factory("n4"), report);
            painter.DrawScene(state, file.Get(), {}, {});
        }
        catch (const Velmo::Util::Exception& e)
        {
            ADD_FAILURE() << "paint " << paint << ": " << e.GetText();
        }
    }
    glFinish();
    EXPECT_LT(std::chrono::steady_clock::now() - start, Generous);
    EXPECT_TRUE(state.IsPlanCompiled());
    EXPECT_EQ(glGetError(), GLenum(GL_NO_ERROR));

    // The plan drawn keeps to the budget, at the shortest step that does.
    const double step = ThreeDObject3DPtfVisitor::FitStep(root);
    EXPECT_GT(step, ThreeDObject3DPtfVisitor::Step);
    EXPECT_LE(Budget::CountVertices(Budget::Cut::EqualPieces, step, loads.List), Budget::MaxVertices);
    EXPECT_GT(Budget::CountVertices(Budget::Cut::EqualPieces, step * 0.999, loads.List), Budget::MaxVertices);
    ASSERT_EQ(report.GetMessages().size(), 1u);
    EXPECT_EQ(report.GetMessages()[0], Budget::LongerStepText(3, step));
    // The whole lap is in the bounds: about a circle of 3000 x 1e12 round.
    const double radius = 3000 * 1e6 / (2 * 3.141592653589793);
    EXPECT_NEAR(state.GetBounds().MaxX, radius, radius * 0.01);
    EXPECT_NEAR(state.GetBounds().MinY, -radius, radius * 0.01);
    painter.Destroy(state);
}

TEST(PlanBudget, ATrackOfThreeThousandHugeSegmentsPaintsInBoundedTimeWithOneReportLine)
{
    GLContext context(64, 64);
    VELMO_REQUIRE_GL(context);
    VelmoTest::FakeTrack track;
    for (int s = 0; s < 3000; ++s)
    {
        VelmoTest::FakeSegment& segment = track.Add(1e12, 1e12 * s);
        segment.Surfaces = 3;
        segment.Walls = 2;
    }
    const auto start = std::chrono::steady_clock::now();
    TrackPlanScene scene;
    DrawingReport report;
    EXPECT_TRUE(scene.Paint(&track, 1.0, report));
    EXPECT_TRUE(scene.Paint(&track, 1.0, report));
    EXPECT_LT(std::chrono::steady_clock::now() - start, Generous);
    // Each point is asked once in the bounds walk and once in the drawing, each within the
    // budget (a point per vertex at most).
    std::size_t points = 0;
    for (const auto& segment : track.Segments)
        points += segment->Distances.size();
    EXPECT_LE(points, std::size_t(2 * Budget::MaxVertices));
    EXPECT_EQ(scene.GetBounds().MaxX, 3000 * 1e12);
    ASSERT_EQ(report.GetMessages().size(), 1u);
    EXPECT_EQ(report.GetMessages()[0].rfind("The plan is too large to draw in full: drawn in steps of ", 0), 0u)
        << report.GetMessages()[0];
    EXPECT_EQ(glGetError(), GLenum(GL_NO_ERROR));
    scene.ReleaseGL();
}
