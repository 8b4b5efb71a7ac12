// The budget of the track plans: one for the whole plan, shared by the PTF plan of the 3D-object
// pane and the plan of the track pane. A damaged file of 3000 segments of a huge finite length
// (1000 km each: billions of vertices at the plan's step)
// is drawn at a whole multiple of its step, in a bounded time, with one notice; the bounds are measured
// without drawing.
#include <gtest/gtest.h>

#include <GL/gl.h>

#include <chrono>
#include <cmath>
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
#include "Vantrel/Drawing/FrameBudget.h"
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
// sections, a line per wall; a point a piece of a line, two of a band (its two edges).
class Loads : public Velmo::Papy::ThreeDObjectVisitor
{
public:
    bool EnterTrackSegment(Velmo::Papy::ThreeDObjectTrackSegment& node) override
    {
        List.push_back({node.GetLength(), 1 + 2 * (node.GetFSectionCount() - 1) + node.GetWSectionCount()});
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

TEST(PlanBudget, AStepIsLengthenedOnlyPastTheBudgetAndThenByTheSmallestWholeMultiple)
{
    const double huge = 1e12, inf = std::numeric_limits<double>::infinity();
    const long long most = (long long)Budget::MaxPoints();
    const struct
    {
        const char* name;
        Budget::Cut cut;
        std::vector<Budget::Load> loads;
        bool lengthened;
    } cases[] = {
        {"empty", Budget::Cut::EqualPieces, {}, false},
        {"small track", Budget::Cut::WholeSteps, std::vector<Budget::Load>(5000, {10, 24}), false},
        {"just fits", Budget::Cut::WholeSteps, {{3.0 * 100000, most / 100000}}, false},
        {"3000 huge segments", Budget::Cut::EqualPieces, std::vector<Budget::Load>(3000, {huge, 23}), true},
        {"3000 huge track segments", Budget::Cut::WholeSteps, std::vector<Budget::Load>(3000, {huge, 28}), true},
        {"one over", Budget::Cut::WholeSteps, {{3.0 * 100000, most / 100000 + 1}}, true},
        {"twice over", Budget::Cut::WholeSteps, {{3.0 * 100000, 2 * (most / 100000) + 1}}, true},
        {"not finite", Budget::Cut::EqualPieces, {{inf, 1000000}, {std::nan(""), 1000000}}, false},
        // One piece each is already past it: every segment one piece, no further.
        {"too many sections", Budget::Cut::EqualPieces, std::vector<Budget::Load>(5, {10, 1000000}), true},
    };
    for (const auto& c : cases)
    {
        const double step = Budget::FitStep(c.cut, 3, c.loads);
        EXPECT_EQ(step > 3, c.lengthened) << c.name << ": " << step;
        // A whole multiple of the step asked.
        EXPECT_EQ(step / 3, std::round(step / 3)) << c.name << ": " << step;
        const long long points = Budget::CountPoints(c.cut, step, c.loads);
        long long onePiece = 0;
        for (const Budget::Load& load : c.loads)
            onePiece += Budget::PieceCount(c.cut, load.Length, 1e300) * load.PointsPerPiece;
        EXPECT_LE(points, std::max(most, onePiece)) << c.name;
        if (c.lengthened && points > onePiece)
        {
            // The multiple below does not fit.
            EXPECT_GT(Budget::CountPoints(c.cut, step - 3, c.loads), most) << c.name;
        }
    }
    EXPECT_EQ(Budget::FitStep(Budget::Cut::WholeSteps, 3, {{3.0 * 100000, most / 100000 + 1}}), 6);
    EXPECT_EQ(Budget::FitStep(Budget::Cut::WholeSteps, 3, {{3.0 * 100000, 2 * (most / 100000) + 1}}), 9);
    // Past the budget even one piece a segment: segments of 10 are one piece from a step of 12 on,
    // and the step goes no further.
    EXPECT_EQ(Budget::FitStep(Budget::Cut::EqualPieces, 3, std::vector<Budget::Load>(5, {10, 1000000})), 12);
    EXPECT_EQ(Budget::FitStep(Budget::Cut::WholeSteps, 3, std::vector<Budget::Load>(5, {10, 1000000})), 12);
    // The plan's points are the frame's: measured and drawn in one frame, with room left.
    EXPECT_EQ(Budget::MaxPoints(), FrameBudget::Limits[FrameBudget::TrackPoints] / 3);
}

// The notice of a plan drawn at a whole multiple of its step: the ordinal of the points drawn.
TEST(PlanBudget, TheStepsNoticeSaysWhichPointsAreDrawn)
{
    const struct
    {
        double fitted;
        const char* text;
    } cases[] = {
        {6, "Every 2nd point of the plan drawn: the track is too long to draw in full."},
        {9, "Every 3rd point of the plan drawn: the track is too long to draw in full."},
        {12, "Every 4th point of the plan drawn: the track is too long to draw in full."},
        {33, "Every 11th point of the plan drawn: the track is too long to draw in full."},
        {36, "Every 12th point of the plan drawn: the track is too long to draw in full."},
        {39, "Every 13th point of the plan drawn: the track is too long to draw in full."},
        {63, "Every 21st point of the plan drawn: the track is too long to draw in full."},
        {66, "Every 22nd point of the plan drawn: the track is too long to draw in full."},
        {69, "Every 23rd point of the plan drawn: the track is too long to draw in full."},
        {333, "Every 111th point of the plan drawn: the track is too long to draw in full."},
        {3 * 1e12, "Every 2147483647th point of the plan drawn: the track is too long to draw in full."},
    };
    for (const auto& c : cases)
        EXPECT_EQ(Budget::StepsText(3, c.fitted), c.text) << c.fitted;
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

TEST(PlanBudget, APtfOfThreeThousandHugeSegmentsPaintsInBoundedTimeWithOneNotice)
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
    EXPECT_LE(Budget::CountPoints(Budget::Cut::EqualPieces, step, loads.List), Budget::MaxPoints());
    EXPECT_GT(Budget::CountPoints(Budget::Cut::EqualPieces, step - 3, loads.List), Budget::MaxPoints());
    EXPECT_TRUE(report.GetMessages().empty());
    EXPECT_EQ(report.GetNotices(), std::vector<std::string>{Budget::StepsText(3, step)});
    // The whole lap is in the bounds: about a circle of 3000 x 1e12 round.
    const double radius = 3000 * 1e6 / (2 * 3.141592653589793);
    EXPECT_NEAR(state.GetBounds().MaxX, radius, radius * 0.01);
    EXPECT_NEAR(state.GetBounds().MinY, -radius, radius * 0.01);
    painter.Destroy(state);
}

TEST(PlanBudget, ATrackOfThreeThousandHugeSegmentsPaintsInBoundedTimeWithOneNotice)
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
    EXPECT_LE(double(points), 2 * Budget::MaxPoints());
    EXPECT_EQ(scene.GetBounds().MaxX, 3000 * 1e12);
    EXPECT_TRUE(report.GetMessages().empty());
    ASSERT_EQ(report.GetNotices().size(), 1u);
    EXPECT_EQ(report.GetNotices()[0].rfind("Every ", 0), 0u) << report.GetNotices()[0];
    EXPECT_EQ(glGetError(), GLenum(GL_NO_ERROR));
    scene.ReleaseGL();
}
