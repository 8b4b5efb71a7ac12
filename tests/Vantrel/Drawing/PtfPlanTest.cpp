// The track plan: pixels read back from a plan framed as the pane frames it (the expected
// pixels worked out by drawing_samples.py from the plan's geometry), piece counts taken from
// OpenGL's feedback of the lines drawn, and broken files.
#include <gtest/gtest.h>

#include <GL/gl.h>

#include <cmath>
#include <fstream>
#include <iterator>
#include <limits>

#include "BrokenSamples.h"
#include "DrawingSamples.h"
#include "GLContext.h"
#include "Papy/N4/N4ArchiverLists.h"
#include "Papy/N4/N4TdoFile.h"
#include "Support/Robustness.h"
#include "Util/CharBuffer.h"
#include "Vantrel/Drawing/ThreeDObject3DPtfVisitor.h"
#include "Vantrel/Drawing/ThreeDObjectGetBoundsVisitor.h"
#include "Vantrel/Drawing/ThreeDObjectViewPainter.h"
#include "Vantrel/Drawing/ThreeDObjectViewState.h"

namespace
{
using DrawingTest::Samples;
using Velmo::Util::CountedPointer;

// The lines of a plan, as OpenGL's feedback reports them, in an orthographic view of x from
// left to right.
int CountLines(const CountedPointer<Velmo::Papy::TdoFile>& file, double left, double right)
{
    glMatrixMode(GL_PROJECTION);
    glLoadIdentity();
    glOrtho(left, right, -100, 100, -1, 1);
    glMatrixMode(GL_MODELVIEW);
    glLoadIdentity();
    std::vector<GLfloat> buffer(1 << 20);
    glFeedbackBuffer(GLsizei(buffer.size()), GL_2D, buffer.data());
    glRenderMode(GL_FEEDBACK);
    ThreeDObject3DPtfVisitor visitor;
    visitor.Run(false, Samples::Root(file));
    const GLint values = glRenderMode(GL_RENDER);
    EXPECT_GE(values, 0) << "feedback buffer too small";
    int lines = 0;
    // GL_2D: a line token is followed by two vertices of two values each.
    for (GLint i = 0; i < values;)
    {
        const GLfloat token = buffer[std::size_t(i)];
        if (token == GL_LINE_TOKEN || token == GL_LINE_RESET_TOKEN)
        {
            ++lines;
            i += 5;
        }
        else if (token == GL_POLYGON_TOKEN)
            i += 2 + 2 * GLint(buffer[std::size_t(i) + 1]);
        else
            i += 1;
    }
    return lines;
}

bool Near(std::uint8_t value, int expected, int tolerance)
{
    return std::abs(int(value) - expected) <= tolerance;
}
} // namespace

TEST(PtfPlan, PiecesOfAboutThreeUnitsCappedAndNoneForALengthThatIsNotFinite)
{
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const double inf = std::numeric_limits<double>::infinity();
    struct Case
    {
        double length;
        int pieces;
    } cases[] = {{0, 1},      {2, 1},       {2.999, 1},   {3, 2},        {299, 100},   {299994, 99999},
                 {299997, 100000}, {1e12, 100000}, {1e300, 100000}, {nan, 0}, {inf, 0}, {-inf, 0}, {-3, 0}};
    for (const Case& c : cases)
        EXPECT_EQ(ThreeDObject3DPtfVisitor::GetPieceCount(c.length), c.pieces) << c.length;
}

TEST(PtfPlan, TheCentreLineIsDrawnInThePiecesOfItsLength)
{
    GLContext context;
    VELMO_REQUIRE_GL(context);
    // One floor section (no band) and no walls: only the centre line draws lines.
    struct Case
    {
        const char* file;
        double right;
        int lines;
    } cases[] = {{"length2", 10, 1}, {"length3", 10, 2}, {"length299", 300, 100}, {"huge", 1.1e12, 100000},
                 {"nan", 10, 0},     {"infinite", 10, 0}};
    for (const Case& c : cases)
        EXPECT_EQ(CountLines(Samples::Get().Ptf(c.file), -10, c.right), c.lines) << c.file;
    EXPECT_EQ(glGetError(), GLenum(GL_NO_ERROR));
}

TEST(PtfPlan, ThePaneShowsWhiteGroundAsphaltAndTheRedCentreLineWithDepthTestOff)
{
    GLContext context(Samples::Width, Samples::Height);
    VELMO_REQUIRE_GL(context);
    const auto file = Samples::Get().Ptf("plan");
    ThreeDObjectViewState state;
    ThreeDObjectViewPainter painter;
    state.OnSize(Samples::Width, Samples::Height);
    ThreeDObjectViewPainter::Resize(state);
    state.Execute(ThreeDObjectViewState::Track3DCommand);
    state.OnSelection(Samples::Root(file)->GetId());
    glEnable(GL_DEPTH_TEST);
    DrawingReport report;
    painter.PreDraw(state, file.Get(), Samples::Get().Factory("n4"), report);
    painter.DrawScene(state, file.Get(), {}, {});
    glFinish();
    // Drawn with depth testing off; the frame then puts the pane's own state back.
    EXPECT_TRUE(glIsEnabled(GL_DEPTH_TEST));
    EXPECT_TRUE(report.HasNoProblems());
    // The plan measured: floor edges and the wall line, in the plane z = 0.
    EXPECT_NEAR(state.GetBounds().MinY, -10, 1e-9);
    EXPECT_NEAR(state.GetBounds().MaxY, 16, 1e-9);
    EXPECT_NEAR(state.GetBounds().MaxX, 30, 1e-9);
    EXPECT_EQ(state.GetBounds().MinZ, 0);
    EXPECT_EQ(state.GetBounds().MaxZ, 0);
    ASSERT_EQ(Samples::Get().PlanPixels().size(), 4u);
    for (const DrawingTest::Pixel& p : Samples::Get().PlanPixels())
    {
        const auto rgb = context.Pixel(p.X, p.Y);
        SCOPED_TRACE(p.Kind + " at " + std::to_string(p.X) + "," + std::to_string(p.Y));
        if (p.Kind == "white")
            EXPECT_TRUE(rgb[0] == 255 && rgb[1] == 255 && rgb[2] == 255) << int(rgb[0]) << " " << int(rgb[1]);
        else if (p.Kind == "asphalt")
            EXPECT_TRUE(Near(rgb[0], 128, 2) && Near(rgb[1], 128, 2) && Near(rgb[2], 128, 2))
                << int(rgb[0]) << " " << int(rgb[1]) << " " << int(rgb[2]);
        else
        {
            // The line at y = 0 lies on this row or next to it; along it, pixels are red.
            bool red = false;
            for (int y = p.Y - 1; y <= p.Y + 1; ++y)
            {
                const auto at = context.Pixel(p.X, y);
                red = red || (at[0] == 255 && at[1] == 0 && at[2] == 0);
            }
            EXPECT_TRUE(red);
        }
    }
    EXPECT_EQ(glGetError(), GLenum(GL_NO_ERROR));
}

TEST(PtfPlan, BoundsAreRecordedOnlyWhenAsked)
{
    GLContext context;
    VELMO_REQUIRE_GL(context);
    const auto root = Samples::Root(Samples::Get().Ptf("plan"));
    ThreeDObject3DPtfVisitor visitor;
    visitor.Run(true, root);
    // The plan's points, across the segment's heading (cos of a right angle is not quite 0).
    EXPECT_NEAR(visitor.GetMinX(), 0, 1e-9);
    EXPECT_NEAR(visitor.GetMaxX(), 30, 1e-9);
    EXPECT_NEAR(visitor.GetMinY(), -10, 1e-9);
    EXPECT_NEAR(visitor.GetMaxY(), 16, 1e-9);
    visitor.Run(false, root);
    EXPECT_EQ(visitor.GetMinX(), 1e9);
    EXPECT_EQ(visitor.GetMaxX(), -1e9);
    EXPECT_EQ(visitor.GetMinY(), 1e9);
    EXPECT_EQ(visitor.GetMaxY(), -1e9);
    EXPECT_FALSE(visitor.GetBounds().IsUsable());
}

TEST(PtfPlan, BrokenTrackFilesEndInOurErrorsAndLeaveOpenGLClean)
{
    GLContext context(16, 16);
    VELMO_REQUIRE_GL(context);
    const VelmoTest::Bytes sample = DrawingTest::SampleBytes("n4/plan.ptf");
    ASSERT_FALSE(sample.empty());
    const auto factory = Samples::Get().Factory("n4");
    auto use = [&](const VelmoTest::Bytes& bytes) {
        CountedPointer<Velmo::Papy::TdoFile> file(new Velmo::Papy::N4TdoFile(
            DrawingTest::StreamOver("plan.ptf", bytes), Velmo::Papy::GetN4PtfArchivers(), nullptr));
        const auto root = Samples::Root(file);
        if (!root)
            return;
        ThreeDObject3DPtfVisitor plan;
        try
        {
            plan.Run(true, root);
        }
        catch (...)
        {
            // Whatever failed, no primitive is left open.
            EXPECT_EQ(glGetError(), GLenum(GL_NO_ERROR));
            throw;
        }
        DrawingTest::WalkBounds(*root, factory);
    };
    VelmoTest::Robustness check("plan.ptf", sample);
    const VelmoTest::RobustnessTally tally = check.Mutations(20261209, 300, use);
    // Both kinds of case occur: files drawn and files refused.
    EXPECT_GT(tally.loaded, 30);
    EXPECT_GT(tally.refused, 30);
    EXPECT_EQ(glGetError(), GLenum(GL_NO_ERROR));
}
