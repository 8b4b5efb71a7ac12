// The frame's deadline holds whether or not a loop charges the budget: a test-only walk plants a
// loop over a node's data (a polygon's vertices, a splitter's entries, a material's names, an N4
// list's vertices or indices, a track segment's sections) that charges nothing and would run for
// many seconds, on a clock that stands still until the loop starts and then moves a second each
// time it is read. The walk must stop within a few looks of the walk meter, its budget spent on
// its time, its report telling the cut once; the drawing and the bounds walks must leave the
// OpenGL state as they found it.
#include <gtest/gtest.h>

#include <GL/gl.h>

#include <functional>
#include <string>
#include <utility>
#include <vector>

#include "DrawingSamples.h"
#include "DrawingTestSupport.h"
#include "GLContext.h"
#include "Papy/Model/ThreeDObjectDistanceSplitter.h"
#include "Papy/Model/ThreeDObjectMultipleTextures.h"
#include "Papy/Model/ThreeDObjectPolygon.h"
#include "Papy/Model/ThreeDObjectStateSplitter.h"
#include "Papy/Model/ThreeDObjectTrackSegment.h"
#include "Papy/Model/ThreeDObjectTriangles.h"
#include "Papy/Model/ThreeDObjectVertices.h"
#include "Papy/Model/TrackSegmentLookup.h"
#include "Util/WalkMeter.h"
#include "Vantrel/Drawing/BudgetedVisitor.h"
#include "Vantrel/Drawing/DrawingMessages.h"
#include "Vantrel/Drawing/FrameBudget.h"
#include "Vantrel/Drawing/ThreeDObject3DVisitor.h"
#include "Vantrel/Drawing/ThreeDObjectGetBoundsVisitor.h"

namespace
{
using namespace DrawingTest;
using namespace Velmo::Papy;
using Velmo::Util::WalkMeter;

// Far more steps than a deadline of seconds lets run at a second a look.
constexpr long Planted = 50'000'000;
// The loop stops within this many of its steps: the meter looks every Interval ticks, each
// look moves the clock a second, the deadline is FrameBudget::Limits' five seconds.
constexpr long Bound = 8 * WalkMeter::Interval;

volatile double sink = 0;

// Stands still until the planted loop starts, then a second a read.
struct SteppingClock
{
    bool Running = false;
    double Now = 0;
    FrameBudget::Clock Get()
    {
        return [this] {
            if (Running)
                Now += 1;
            return Now;
        };
    }
};

// The planted loop over a node of the kind: Planted steps, each charging nothing; false for a
// node of another kind.
// The steps so far and whether the loop started (the cut ends it with an exception).
struct Progress
{
    bool Met = false;
    long Steps = 0;
};

template <class Kind, class Step>
std::function<void(ThreeDObject&, SteppingClock&, Progress&)> Over(Step step)
{
    return [step](ThreeDObject& node, SteppingClock& clock, Progress& progress) {
        auto* kind = dynamic_cast<Kind*>(&node);
        if (kind == nullptr || progress.Met)
            return;
        progress.Met = true;
        clock.Running = true;
        for (long k = 0; k < Planted; ++k)
        {
            step(*kind, k);
            ++progress.Steps;
        }
    };
}

struct Plant
{
    const char* name;
    const char* folder;
    const char* file;
    const char* extension;
    std::function<void(ThreeDObject&, SteppingClock&, Progress&)> loop;
};

int Modulo(long k, int count)
{
    return int(k % (count > 0 ? count : 1));
}

const std::vector<Plant>& Plants()
{
    static const std::vector<Plant> plants = {
        {"polygon vertices", "walks", "shared", "3do",
         Over<ThreeDObjectPolygon>([](ThreeDObjectPolygon& p, long k) {
             sink = p.GetVertex(Modulo(k, p.GetVertexCount())).GetX();
         })},
        {"distance splitter entries", "walks", "splitter", "3do",
         Over<ThreeDObjectDistanceSplitter>([](ThreeDObjectDistanceSplitter& s, long k) {
             sink = s.IsChildActive(Modulo(k, s.GetChildCount()), 50.0);
         })},
        {"distance splitter thresholds", "walks", "splitter", "3do",
         Over<ThreeDObjectDistanceSplitter>([](ThreeDObjectDistanceSplitter& s, long k) {
             sink = s.GetSplitDistance(Modulo(k, s.GetChildCount()));
         })},
        {"state splitter values", "walks", "splitter-state", "3do",
         Over<ThreeDObjectStateSplitter>([](ThreeDObjectStateSplitter& s, long k) {
             sink = s.GetValue(Modulo(k, s.GetChildCount()));
         })},
        {"texture names", "walks", "texture-names", "3do",
         Over<ThreeDObjectMultipleTextures>([](ThreeDObjectMultipleTextures& m, long k) {
             sink = double(m.GetTextureName(Modulo(k, m.GetTextureCount())).size());
         })},
        {"N4 vertex list", "walks-n4", "heavy-vertices", "3do",
         Over<ThreeDObjectVertices>([](ThreeDObjectVertices& v, long k) {
             sink = v.GetVertex(Modulo(k, v.GetVertexCount())).GetX();
         })},
        {"N4 indices", "walks-n4", "heavy-triangles", "3do",
         Over<ThreeDObjectTriangles>([](ThreeDObjectTriangles& t, long k) {
             sink = t.GetIndex(Modulo(k, t.GetIndexCount()));
         })},
        {"track segment positions", "n4", "plan", "ptf",
         Over<ThreeDObjectTrackSegment>([](ThreeDObjectTrackSegment& s, long k) {
             sink = s.GetPosition(double(k % 100) / 100, 0.0, false).X;
         })},
        {"track segment look-ups", "n4", "plan", "ptf",
         Over<ThreeDObjectTrackSegment>([](ThreeDObjectTrackSegment& s, long k) {
             const TrackSegmentLookup lookup(s);
             sink = lookup.GetPoint(double(k % 100) / 100, 0.0).GetX();
         })},
    };
    return plants;
}

CountedPointer<TdoFile> Load(const char* folder, const char* name, const char* extension)
{
    CountedPointer<TdoFile> file;
    const auto factory = Samples::Get().Factory(folder);
    if (std::string(extension) == "ptf")
        factory->GetFacet<MakePtf>()->Make(file, name, extension, false);
    else
        factory->GetFacet<MakeTdo>()->Make(file, name, extension, false);
    return file;
}

// A walk of every node, which runs the planted loop on the first node of its kind.
class PlantedWalk : public BudgetedVisitor
{
public:
    PlantedWalk(const Plant& plant, SteppingClock& clock) : m_plant(plant), m_clock(clock)
    {
        GetBudget().SetClock(clock.Get());
    }
    bool Enter(ThreeDObject& node) override
    {
        m_plant.loop(node, m_clock, Planting);
        return true;
    }
    void Visit(ThreeDObject& node) override { Enter(node); }

    Progress Planting;

private:
    const Plant& m_plant;
    SteppingClock& m_clock;
};

// A walk with the loop planted in its polygons.
template <class Walk>
class PlantedPolygons : public Walk
{
public:
    template <class... More>
    PlantedPolygons(const CountedPointer<FileFactory>& factory, SteppingClock& clock, More&&... more)
        : Walk(factory, std::forward<More>(more)...), m_clock(clock)
    {
    }
    void VisitPolygon(ThreeDObjectPolygon& node) override
    {
        Over<ThreeDObjectPolygon>([](ThreeDObjectPolygon& p, long k) {
            sink = p.GetVertex(Modulo(k, p.GetVertexCount())).GetX();
        })(node, m_clock, Planting);
    }
    Progress Planting;

private:
    SteppingClock& m_clock;
};

// The drawing runs on the frame it is given; the bounds walk on its own budget, on the clock.
using PlantedDrawing = PlantedPolygons<ThreeDObject3DVisitor>;

class PlantedBounds : public PlantedPolygons<ThreeDObjectGetBoundsVisitor>
{
public:
    PlantedBounds(const CountedPointer<FileFactory>& factory, SteppingClock& clock)
        : PlantedPolygons(factory, clock, DrawOptions())
    {
        GetBudget().SetClock(clock.Get());
    }
};

GLint ModelviewDepth()
{
    GLint depth = 0;
    glGetIntegerv(GL_MODELVIEW_STACK_DEPTH, &depth);
    return depth;
}

const std::vector<std::string> Cut = {DrawingMessages::TooLarge()};
} // namespace

TEST(WalkDeadline, ALoopOverAnyListOfTheFileThatChargesNothingStopsAtTheDeadline)
{
    for (const Plant& plant : Plants())
    {
        SCOPED_TRACE(plant.name);
        const CountedPointer<TdoFile> file = Load(plant.folder, plant.file, plant.extension);
        SteppingClock clock;
        PlantedWalk walk(plant, clock);
        walk.Walk(*Samples::Root(file));
        EXPECT_TRUE(walk.Planting.Met);
        EXPECT_LT(walk.Planting.Steps, Bound);
        EXPECT_GT(walk.Planting.Steps, 0);
        EXPECT_EQ(walk.GetBudget().GetSpentOn(), FrameBudget::Seconds);
        EXPECT_EQ(walk.GetReport().GetNotices(), Cut);
        EXPECT_TRUE(walk.GetReport().GetMessages().empty());
        EXPECT_FALSE(WalkMeter::IsArmed());
    }
}

TEST(WalkDeadline, AWalkWithinItsDeadlineRunsToItsEndAndTellsNothing)
{
    // The same loops on a clock that never moves: every step runs.
    const Plant& plant = Plants().front();
    const CountedPointer<TdoFile> file = Load(plant.folder, "bow-tie", "3do");
    SteppingClock clock;
    PlantedWalk walk(plant, clock);
    walk.GetBudget().SetClock([] { return 0.0; });
    walk.Walk(*Samples::Root(file));
    EXPECT_EQ(walk.Planting.Steps, Planted);
    EXPECT_FALSE(walk.GetBudget().IsSpent());
    EXPECT_TRUE(walk.GetReport().GetNotices().empty());
}

TEST(WalkDeadline, TheDrawingCutInsideATransformLeavesTheStateAsItFoundIt)
{
    GLContext context(32, 32);
    VELMO_REQUIRE_GL(context);
    SetView();
    const CountedPointer<TdoFile> file = Samples::Get().Gpl("rotated");
    SteppingClock clock;
    PlantedDrawing visitor(Samples::Get().Factory("gpl"), clock);
    FrameBudget frame(FrameBudget::Limits, clock.Get());
    DrawOptions options;
    options.Frame = &frame;
    const GLint depth = ModelviewDepth();
    Draw(options, visitor, Samples::Root(file), nullptr);
    EXPECT_LT(visitor.Planting.Steps, Bound);
    EXPECT_GT(visitor.Planting.Steps, 0);
    EXPECT_EQ(frame.GetSpentOn(), FrameBudget::Seconds);
    EXPECT_EQ(visitor.GetReport().GetNotices(), Cut);
    EXPECT_EQ(ModelviewDepth(), depth);
    EXPECT_EQ(glGetError(), GLenum(GL_NO_ERROR));
    for (GLenum cap : {GLenum(GL_CLIP_PLANE0), GLenum(GL_STENCIL_TEST), GLenum(GL_COLOR_LOGIC_OP),
                       GLenum(GL_TEXTURE_2D), GLenum(GL_CULL_FACE)})
        EXPECT_FALSE(glIsEnabled(cap)) << cap;
    GLint mode[2] = {};
    glGetIntegerv(GL_POLYGON_MODE, mode);
    EXPECT_EQ(mode[0], GL_FILL);
    EXPECT_FALSE(WalkMeter::IsArmed());
}

TEST(WalkDeadline, TheBoundsWalkCutInsideATransformPopsItsTransforms)
{
    GLContext context(16, 16);
    VELMO_REQUIRE_GL(context);
    glMatrixMode(GL_MODELVIEW);
    glLoadIdentity();
    const GLint depth = ModelviewDepth();
    const CountedPointer<TdoFile> file = Samples::Get().Gpl("rotated");
    SteppingClock clock;
    PlantedBounds visitor(Samples::Get().Factory("gpl"), clock);
    visitor.Walk(*Samples::Root(file));
    EXPECT_LT(visitor.Planting.Steps, Bound);
    EXPECT_GT(visitor.Planting.Steps, 0);
    EXPECT_EQ(visitor.GetBudget().GetSpentOn(), FrameBudget::Seconds);
    EXPECT_EQ(visitor.GetReport().GetNotices(), Cut);
    EXPECT_EQ(ModelviewDepth(), depth);
    EXPECT_EQ(glGetError(), GLenum(GL_NO_ERROR));
}
