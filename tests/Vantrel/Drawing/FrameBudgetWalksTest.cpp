// Every walk of the 3D pane over the hostile samples of drawing_samples.py, small files whose
// walks would cost far more than a frame may: a GPL object of 40 levels that each name the next
// twice (2^40 paths to one square), an N4 object of 21 such levels, seven GPL objects that each
// name the next 64 times (64^6 walks of the last), and two N4 objects of 10 shared levels over
// one heavy shape (100,000 triangles, or a list of 300,000 vertices: one visit sends them all).
// Each walk ends within its budget, keeps what it did, and says once that the object is too
// large to show; a walk that the file does not make costly says nothing. The time bound only
// catches a walk that does not end; the real figures come from WalkBudgetBench.
#include <gtest/gtest.h>

#include <GL/gl.h>
#include <GL/glu.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <filesystem>
#include <initializer_list>
#include <limits>

#include "CountingMake.h"
#include "DrawingSamples.h"
#include "GLContext.h"
#include "WalkRuns.h"
#include "Vantrel/Drawing/DrawingMessages.h"
#include "Vantrel/Drawing/FrameBudget.h"
#include "Vantrel/Drawing/ThreeDObjectViewPainter.h"
#include "Vantrel/Drawing/ThreeDObjectViewState.h"

namespace
{
using namespace DrawingTest;

struct Hostile
{
    const char* folder;
    const char* name;
    // The walks that the sample makes too costly (the others end within their budget).
    std::initializer_list<Walk> tooLarge;
    bool drawsSquare = true;
};

const Hostile HostileSamples[] = {
    {"walks", "shared", {Walk::Draw, Walk::Bounds, Walk::Check, Walk::ClipTest, Walk::PlanMeasure, Walk::PlanFitStep,
                         Walk::PlanDraw}},
    {"walks-n4", "shared", {Walk::Draw, Walk::Bounds, Walk::Check, Walk::ClipTest, Walk::PlanMeasure,
                            Walk::PlanFitStep, Walk::PlanDraw}},
    // The check opens each external object once, and the plan does not follow them.
    {"walks", "chain0", {Walk::Draw, Walk::Bounds, Walk::ClipTest}},
    // Only the drawing sends the triangles.
    {"walks-n4", "heavy-triangles", {Walk::Draw}},
    // The drawing copies the vertices, the bounds and the check read them.
    {"walks-n4", "heavy-vertices", {Walk::Draw, Walk::Bounds, Walk::Check}},
    // Self-crossing squares, each charged the fill of its fan (its square).
    {"walks", "bow-tie", {Walk::Draw}},
    // 2,000 texture names a visit of the material; every walk passes 2^19 paths.
    {"walks", "texture-names", {Walk::Draw, Walk::Bounds, Walk::Check, Walk::ClipTest, Walk::PlanMeasure,
                                Walk::PlanFitStep, Walk::PlanDraw}},
    // A transform over a strip of no pixels, drawn from a list of 50,000 vertices: nothing is
    // drawn, each draw projects only the vertex its indices use.
    {"walks-n4", "reprojected", {Walk::Draw, Walk::Bounds, Walk::Check, Walk::ClipTest, Walk::PlanMeasure,
                                 Walk::PlanFitStep, Walk::PlanDraw}, false},
};

bool Contains(std::initializer_list<Walk> walks, Walk walk)
{
    for (Walk w : walks)
        if (w == walk)
            return true;
    return false;
}

CountedPointer<TdoFile> Load(const char* folder, const char* name)
{
    CountedPointer<TdoFile> file;
    Samples::Get().Factory(folder)->GetFacet<Velmo::Papy::MakeTdo>()->Make(file, name, "3do", false);
    return file;
}
} // namespace

TEST(FrameBudget, EveryWalkOfAHostileSampleEndsKeepsWhatItDidAndSaysSoOnce)
{
    GLContext context(16, 16);
    VELMO_REQUIRE_GL(context);
    for (const Hostile& sample : HostileSamples)
    {
        const auto factory = Samples::Get().Factory(sample.folder);
        const CountedPointer<TdoFile> file = Load(sample.folder, sample.name);
        for (const Walk walk : AllWalks)
        {
            const std::string what = std::string(sample.folder) + "/" + sample.name + ", " + NameOf(walk);
            const WalkRun run = RunWalk(walk, factory, Samples::Root(file));
            EXPECT_LT(run.Seconds, 30.0) << what;
            EXPECT_EQ(run.Error, "") << what;
            EXPECT_EQ(run.Messages, std::vector<std::string>{}) << what;
            EXPECT_EQ(run.Notices, Contains(sample.tooLarge, walk)
                                       ? std::vector<std::string>{DrawingMessages::TooLarge()}
                                       : std::vector<std::string>{})
                << what;
            // Every sample is one red square of half size 5 at the origin, wherever it is reached.
            if (walk == Walk::Bounds)
                ExpectBounds(run.Bounds, Samples::Get().Bounds("walks-shared"), what);
            if (walk == Walk::Draw && sample.drawsSquare)
            {
                EXPECT_COLOUR_AT(context, 0, 0, Red) << what;
                EXPECT_COLOUR_AT(context, 8, 8, Grey) << what;
            }
        }
    }
    EXPECT_EQ(DrawingMessages::TooLarge(), "Drawn in part: the object is too large to show in full.");
}

// Each walk asks the folder for an external object once, however often the objects name it:
// seven objects that each name the next 64 times (64^6 paths to the last) make one request of
// each in a walk, and the next frame asks again (a file changed on disk is then read again).
TEST(FrameBudget, EachWalkAsksTheFolderOnceForEachExternalObject)
{
    GLContext context(16, 16);
    VELMO_REQUIRE_GL(context);
    const auto folder = Samples::Get().Factory("walks");
    const CountedPointer<TdoFile> file = Load("walks", "chain0");
    for (const Walk walk : {Walk::Draw, Walk::Bounds, Walk::ClipTest})
    {
        auto* objects = new CountingMake<Velmo::Papy::MakeTdo>(folder->GetFacet<Velmo::Papy::MakeTdo>());
        CountedPointer<Velmo::Papy::FileFactory> factory(new Velmo::Papy::FileFactory);
        factory->AddFacet<Velmo::Papy::MakeTdo>(objects);
        const WalkRun run = RunWalk(walk, factory, Samples::Root(file));
        EXPECT_EQ(run.Error, "") << NameOf(walk);
        EXPECT_EQ(objects->Requests.size(), 6u) << NameOf(walk);
        for (const auto& [name, requests] : objects->Requests)
            EXPECT_EQ(requests, 1) << NameOf(walk) << ": " << name;
    }
}

TEST(FrameBudget, EachFrameDrawsAgainWithTheWholeBudget)
{
    GLContext context(16, 16);
    VELMO_REQUIRE_GL(context);
    SetView();
    const auto factory = Samples::Get().Factory("walks-n4");
    const CountedPointer<TdoFile> shared = Load("walks-n4", "shared");
    ThreeDObject3DVisitor visitor(factory);
    // A frame past the budget does not leave the next frame of the same visitor short.
    Draw(DrawOptions(), visitor, Samples::Root(shared), nullptr);
    EXPECT_EQ(visitor.GetReport().GetNotices(), std::vector<std::string>{DrawingMessages::TooLarge()});
    const FrameBudget::Amounts first = visitor.GetBudget().GetTaken();
    visitor.GetReport().Clear();
    Draw(DrawOptions(), visitor, Samples::Root(shared), nullptr);
    EXPECT_EQ(visitor.GetReport().GetNotices(), std::vector<std::string>{DrawingMessages::TooLarge()});
    EXPECT_EQ(visitor.GetBudget().GetTaken(), first);
    EXPECT_COLOUR_AT(context, 0, 0, Red);
}

// A heavy node is charged before it is sent: the part that fits is sent and the walk stops
// within the node. Each case spends one cost of a small budget on a hostile sample; the walk
// takes exactly the limit of that cost (whole items: triangles, vertex lists, squares), draws
// what fitted and says so once.
TEST(FrameBudget, AHeavyNodeSendsWhatFitsAndTheWalkStopsWithinIt)
{
    GLContext context(16, 16);
    VELMO_REQUIRE_GL(context);
    // In the drawing tests' view a square of half size 5 covers 8 x 8 of the 16 x 16 pixels.
    const double square = 64;
    struct Case
    {
        const char* folder;
        const char* name;
        Walk walk;
        FrameBudget::Cost cost;
        double limit;
        double taken; // of that cost, at the end
        double primitives;
    };
    const Case cases[] = {
        // The first shape's 4 vertices, the 4 of them its indices use, projected, and 998 of
        // its 100,000 triangles (its square and 996 degenerate ones) in one call: the next
        // shape's vertices do not fit.
        {"walks-n4", "heavy-triangles", Walk::Draw, FrameBudget::Vertices, 3004, 3002, 1},
        // Two vertex lists of 300,000 (with their 6 indices and the 4 vertices they project)
        // fit in 700,000: the third is not copied.
        {"walks-n4", "heavy-vertices", Walk::Draw, FrameBudget::Vertices, 700000, 600020, 2},
        {"walks-n4", "heavy-vertices", Walk::Bounds, FrameBudget::Vertices, 700000, 600000, 0},
        // Ten full squares of fill, and a bit: the eleventh does not fit.
        {"walks", "shared", Walk::Draw, FrameBudget::Pixels, 10.5 * square, 10 * square, 10},
        {"walks", "shared", Walk::Draw, FrameBudget::Primitives, 7, 7, 7},
        {"walks", "shared", Walk::Bounds, FrameBudget::Nodes, 100, 100, 0},
    };
    for (const Case& c : cases)
    {
        const std::string what = std::string(c.folder) + "/" + c.name + ", " + NameOf(c.walk) + ", " +
                                 FrameBudget::NameOf(c.cost);
        FrameBudget::Amounts limits = FrameBudget::Limits;
        limits[c.cost] = c.limit;
        const CountedPointer<TdoFile> file = Load(c.folder, c.name);
        const WalkRun run = RunWalk(c.walk, Samples::Get().Factory(c.folder), Samples::Root(file), limits);
        EXPECT_EQ(run.Notices, std::vector<std::string>{DrawingMessages::TooLarge()}) << what;
        EXPECT_NEAR(run.Spent[c.cost], c.taken, 1e-3) << what;
        EXPECT_DOUBLE_EQ(run.Spent[FrameBudget::Primitives], c.primitives) << what;
        if (c.walk == Walk::Draw)
        {
            EXPECT_COLOUR_AT(context, 0, 0, Red) << what;
        }
        if (c.walk == Walk::Bounds)
            ExpectBounds(run.Bounds, Samples::Get().Bounds("walks-shared"), what);
    }
}

// Every ordinary sample of the drawing tests (the probe samples, the scenes, the plans) goes
// through every walk within its budget: nothing is cut and nobody is told the object is too
// large. The largest real objects are measured against the limits by WalkBudgetBench.
TEST(FrameBudget, EveryOrdinarySampleKeepsWithinTheBudgetOfEveryWalk)
{
    GLContext context(96, 64);
    VELMO_REQUIRE_GL(context);
    int files = 0;
    for (const char* folder : {"gpl", "n4"})
        for (const auto& entry : std::filesystem::directory_iterator(Samples::Get().Path(folder)))
        {
            const std::string extension = entry.path().extension().string();
            if (extension != ".3do" && extension != ".ptf")
                continue;
            const std::string name = entry.path().stem().string();
            const auto factory = Samples::Get().Factory(folder);
            CountedPointer<TdoFile> file;
            try
            {
                if (extension == ".ptf")
                    factory->GetFacet<Velmo::Papy::MakePtf>()->Make(file, name, "ptf", false);
                else
                    factory->GetFacet<Velmo::Papy::MakeTdo>()->Make(file, name, "3do", false);
            }
            catch (const Velmo::Util::Exception&)
            {
                continue; // the samples of files that do not load
            }
            if (!Samples::Root(file))
                continue;
            ++files;
            for (const Walk walk : AllWalks)
            {
                const WalkRun run = RunWalk(walk, factory, Samples::Root(file));
                EXPECT_EQ(run.Notices, std::vector<std::string>{}) << folder << "/" << name << ", " << NameOf(walk);
            }
        }
    EXPECT_GE(files, 30);
}

// The 50,000 small polygons of gpl3do.py's benchmark object, an ordinary object, seen with the
// eye at the centre of its bounds (where a user gets with Center off after a close-up) looking
// each way, and from outside: a polygon behind the eye covers nothing and costs nothing, one
// across the eye plane costs only its part in front, so the object draws in full and nobody is
// told it is too large.
TEST(FrameBudget, AnOrdinaryObjectSeenFromInsideDrawsInFull)
{
    GLContext context(320, 240);
    VELMO_REQUIRE_GL(context);
    const auto factory = Samples::Get().Factory("walks");
    const CountedPointer<TdoFile> file = Load("walks", "polygons");
    const WalkRun measured = RunWalk(Walk::Bounds, factory, Samples::Root(file));
    const ViewBounds& b = measured.Bounds;
    const double centre[3] = {(b.MinX + b.MaxX) / 2, (b.MinY + b.MaxY) / 2, (b.MinZ + b.MaxZ) / 2};
    const struct
    {
        const char* what;
        double eye[3];   // from the centre
        double look[3];  // the direction looked in
    } cases[] = {
        {"inside, looking down", {0, 0, 0}, {0, 0, -1}},
        {"inside, looking up", {0, 0, 0}, {0, 0, 1}},
        {"inside, looking along x", {0, 0, 0}, {1, 0, 0}},
        {"inside, looking along -y", {0, 0, 0}, {0, -1, 0}},
        {"inside, near the ground", {0, 0, -49}, {0.3, 0.2, 0}},
        {"outside, above", {0, 0, 1500}, {0, 0, -1}},
    };
    for (const auto& c : cases)
    {
        glMatrixMode(GL_PROJECTION);
        glLoadIdentity();
        gluPerspective(60, 320.0 / 240.0, 0.5, 5000);
        glMatrixMode(GL_MODELVIEW);
        glLoadIdentity();
        const double eye[3] = {centre[0] + c.eye[0], centre[1] + c.eye[1], centre[2] + c.eye[2]};
        const bool vertical = c.look[0] == 0 && c.look[1] == 0;
        gluLookAt(eye[0], eye[1], eye[2], eye[0] + c.look[0], eye[1] + c.look[1], eye[2] + c.look[2], 0,
                  vertical ? 1 : 0, vertical ? 0 : 1);
        ThreeDObject3DVisitor visitor(factory);
        Draw(DrawOptions(), visitor, Samples::Root(file), nullptr);
        glFinish();
        EXPECT_EQ(visitor.GetReport().GetNotices(), std::vector<std::string>{}) << c.what;
        EXPECT_EQ(visitor.GetBudget().GetTaken()[FrameBudget::Primitives], 50000) << c.what;
        // No more than the window's area a polygon that can be seen at all.
        EXPECT_LE(visitor.GetBudget().GetTaken()[FrameBudget::Pixels], 50000 * 320.0 * 240.0) << c.what;
        EXPECT_EQ(glGetError(), GLenum(GL_NO_ERROR)) << c.what;
    }
}

// Work that the budget did not see is charged as it is done: the fill of a self-crossing
// polygon as its fan fills it, the vertices projected for a client-array draw after a transform
// moved the modelview (only those its indices use), and every texture name a multiple-textures
// node looks up on every visit. Each sample still ends within the budget and says so once.
TEST(FrameBudget, WorkOnceLeftUnchargedIsCharged)
{
    GLContext context(16, 16);
    VELMO_REQUIRE_GL(context);
    // In the drawing tests' view a square of half size 5 covers 8 x 8 pixels.
    const double square = 64;
    {
        // Each bow-tie is charged its square twice over half: the two triangles of its fan.
        const CountedPointer<TdoFile> file = Load("walks", "bow-tie");
        const WalkRun run = RunWalk(Walk::Draw, Samples::Get().Factory("walks"), Samples::Root(file));
        EXPECT_EQ(run.Notices, std::vector<std::string>{DrawingMessages::TooLarge()});
        EXPECT_EQ(run.SpentOn, FrameBudget::Primitives);
        EXPECT_NEAR(run.Spent[FrameBudget::Pixels], run.Spent[FrameBudget::Primitives] * square,
                    1e-6 * run.Spent[FrameBudget::Pixels]);
        EXPECT_COLOUR_AT(context, 0, 0, Red);
    }
    {
        // Each draw of the strip: its two triangles (an index each) and the one vertex they
        // use, projected again under the moved modelview; the list's 50,000 vertices once. The
        // draw the budget refuses last has projected its vertex too.
        const CountedPointer<TdoFile> file = Load("walks-n4", "reprojected");
        const WalkRun run = RunWalk(Walk::Draw, Samples::Get().Factory("walks-n4"), Samples::Root(file));
        EXPECT_EQ(run.Notices, std::vector<std::string>{DrawingMessages::TooLarge()});
        EXPECT_EQ(run.SpentOn, FrameBudget::Primitives);
        EXPECT_EQ(run.Spent[FrameBudget::Vertices], 50000 + 3 * run.Spent[FrameBudget::Primitives] + 1);
    }
    for (const Walk walk : {Walk::Draw, Walk::Check})
    {
        // 2,000 names a visit: the walk ends on the names, a few hundred visits in.
        const CountedPointer<TdoFile> file = Load("walks", "texture-names");
        const WalkRun run = RunWalk(walk, Samples::Get().Factory("walks"), Samples::Root(file));
        EXPECT_EQ(run.Notices, std::vector<std::string>{DrawingMessages::TooLarge()}) << NameOf(walk);
        EXPECT_EQ(run.SpentOn, FrameBudget::Names) << NameOf(walk);
        EXPECT_EQ(std::fmod(run.Spent[FrameBudget::Names], 2000), 0) << NameOf(walk);
        EXPECT_GT(run.Spent[FrameBudget::Names], FrameBudget::Limits[FrameBudget::Names] - 2000) << NameOf(walk);
        if (walk == Walk::Draw)
        {
            EXPECT_EQ(run.Spent[FrameBudget::Primitives], run.Spent[FrameBudget::Names] / 2000);
            EXPECT_COLOUR_AT(context, 0, 0, Red);
        }
    }
}

namespace
{
// The pane's first frame of the node in the mode, as the pane paints it, with the frame's limits;
// the drawing's visitor is the caller's. Answers what the paint told.
DrawingReport FirstFrame(ThreeDObjectViewPainter& painter, ThreeDObject3DVisitor& visitor,
                         const CountedPointer<TdoFile>& file, const CountedPointer<FileFactory>& factory,
                         int command, const FrameBudget::Amounts& limits = FrameBudget::Limits)
{
    ThreeDObjectViewState state;
    state.OnSize(16, 16);
    ThreeDObjectViewPainter::Resize(state);
    state.Execute(command);
    state.OnSelection(Samples::Root(file)->GetId());
    painter.GetFrameBudget().SetLimits(limits);
    DrawingReport report;
    painter.PreDraw(state, file.Get(), factory, report);
    painter.DrawScene(state, file.Get(),
                      [&](const DrawOptions& options, const ThreeDObjectViewPainter::Node& shown,
                          const ThreeDObjectViewPainter::Node& highlighted) {
                          Draw(options, visitor, shown, highlighted);
                      },
                      {});
    for (const DrawingReport* walk : std::initializer_list<const DrawingReport*>{&visitor.GetReport(), &painter.GetPlanReport()})
        for (const std::string& notice : walk->GetNotices())
            report.AddNotice(notice);
    painter.Destroy(state);
    return report;
}
} // namespace

// The walks of one paint share one budget: Track 3D's first frame fits the plan's step three
// times, measures it and draws it; 3D's measures the bounds and draws. The frame takes what the
// walks take each on its own, together, and limits that each walk alone keeps to but the five
// together do not cut the frame, with the notice.
TEST(FrameBudget, TheWalksOfOnePaintShareOneBudget)
{
    GLContext context(16, 16);
    VELMO_REQUIRE_GL(context);
    const auto factory = Samples::Get().Factory("n4");
    const CountedPointer<TdoFile> ptf = Samples::Get().Ptf("plan");
    const CountedPointer<ThreeDObject> root = Samples::Root(ptf);
    // Each walk with a budget of its own: the step's walk alone, then the measuring and the
    // drawing (each fits the step first, in its own budget).
    FrameBudget step;
    ThreeDObject3DPtfVisitor::FitStep(root, nullptr, &step);
    const WalkRun measure = RunWalk(Walk::PlanMeasure, factory, root);
    const WalkRun plan = RunWalk(Walk::PlanDraw, factory, root);
    const double nodes = step.GetTaken()[FrameBudget::Nodes];
    ASSERT_GT(nodes, 0);
    const double alone = std::max(measure.Spent[FrameBudget::Nodes], plan.Spent[FrameBudget::Nodes]);
    {
        ThreeDObjectViewPainter painter;
        ThreeDObject3DVisitor visitor(factory);
        const DrawingReport told = FirstFrame(painter, visitor, ptf, factory, ThreeDObjectViewState::Track3DCommand);
        EXPECT_EQ(told.GetNotices(), std::vector<std::string>{});
        EXPECT_EQ(painter.GetLastFrame().GetTaken()[FrameBudget::Nodes],
                  nodes + measure.Spent[FrameBudget::Nodes] + plan.Spent[FrameBudget::Nodes]);
        EXPECT_EQ(painter.GetLastFrame().GetTaken()[FrameBudget::TrackPoints],
                  measure.Spent[FrameBudget::TrackPoints] + plan.Spent[FrameBudget::TrackPoints]);
    }
    {
        // One node fewer than the five walks take together; each walk alone fits.
        FrameBudget::Amounts limits = FrameBudget::Limits;
        limits[FrameBudget::Nodes] = nodes + measure.Spent[FrameBudget::Nodes] + plan.Spent[FrameBudget::Nodes] - 1;
        ASSERT_LT(alone, limits[FrameBudget::Nodes]);
        EXPECT_EQ(RunWalk(Walk::PlanMeasure, factory, root, limits).Notices, std::vector<std::string>{});
        EXPECT_EQ(RunWalk(Walk::PlanDraw, factory, root, limits).Notices, std::vector<std::string>{});
        ThreeDObjectViewPainter painter;
        ThreeDObject3DVisitor visitor(factory);
        const DrawingReport told =
            FirstFrame(painter, visitor, ptf, factory, ThreeDObjectViewState::Track3DCommand, limits);
        EXPECT_EQ(told.GetNotices(), std::vector<std::string>{DrawingMessages::TooLarge()});
        EXPECT_LE(painter.GetLastFrame().GetTaken()[FrameBudget::Nodes], limits[FrameBudget::Nodes]);
    }
    {
        // 3D: the bounds and the drawing.
        const CountedPointer<TdoFile> file = Load("walks", "polygons");
        const auto gpl = Samples::Get().Factory("walks");
        const WalkRun bounds = RunWalk(Walk::Bounds, gpl, Samples::Root(file));
        const WalkRun drawing = RunWalk(Walk::Draw, gpl, Samples::Root(file));
        ThreeDObjectViewPainter painter;
        ThreeDObject3DVisitor visitor(gpl);
        const DrawingReport told = FirstFrame(painter, visitor, file, gpl, ThreeDObjectViewState::ThreeDCommand);
        EXPECT_EQ(told.GetNotices(), std::vector<std::string>{});
        EXPECT_EQ(painter.GetLastFrame().GetTaken()[FrameBudget::Nodes],
                  bounds.Spent[FrameBudget::Nodes] + drawing.Spent[FrameBudget::Nodes]);
        // The next paint has the whole budget again.
        EXPECT_EQ(painter.GetFrameBudget().GetTaken(), FrameBudget::Amounts{});
    }
    {
        // An object too large to measure: the bounds step spends at most half of the frame, and
        // the picture (its square over the pane) is drawn with the rest.
        const CountedPointer<TdoFile> file = Load("walks", "shared");
        const auto gpl = Samples::Get().Factory("walks");
        ThreeDObjectViewPainter painter;
        ThreeDObject3DVisitor visitor(gpl);
        const DrawingReport told = FirstFrame(painter, visitor, file, gpl, ThreeDObjectViewState::ThreeDCommand);
        EXPECT_EQ(told.GetNotices(), std::vector<std::string>{DrawingMessages::TooLarge()});
        EXPECT_GT(painter.GetLastFrame().GetTaken()[FrameBudget::Primitives], 0);
        EXPECT_COLOUR_AT(context, 8, 8, Red);
    }
}

// Behind the budget stands a deadline: a frame whose walks run past it stops as a spent budget
// does, with the same notice, even when nothing it charges comes near a limit. The clock is a
// fake one that moves a second at every charge; the walks are over 2^40 paths, which no limit
// but the deadline stops here.
TEST(FrameBudget, AFrameStopsAtItsDeadlineWhateverItCharges)
{
    GLContext context(16, 16);
    VELMO_REQUIRE_GL(context);
    FrameBudget::Amounts limits;
    limits.fill(std::numeric_limits<double>::infinity());
    limits[FrameBudget::Seconds] = 5;
    double now = 1000;
    const FrameBudget::Clock clock = [&now] { return now += 1; };
    const auto factory = Samples::Get().Factory("walks");
    const CountedPointer<TdoFile> file = Load("walks", "shared");
    {
        // One walk: the deadline runs from its first charge, charges at 0 .. 5 s fit.
        ThreeDObjectCheckVisitor check(factory);
        check.SetLimits(limits);
        check.GetBudget().SetClock(clock);
        check.ClearRecords();
        Samples::Root(file)->Accept(check);
        EXPECT_EQ(check.GetReport().GetNotices(), std::vector<std::string>{DrawingMessages::TooLarge()});
        EXPECT_EQ(check.GetBudget().GetSpentOn(), FrameBudget::Seconds);
        EXPECT_EQ(check.GetBudget().GetTaken()[FrameBudget::Nodes], 6);
    }
    {
        // A paint: the bounds step has half of the frame's time, the picture the rest.
        ThreeDObjectViewPainter painter;
        painter.GetFrameBudget().SetClock(clock);
        ThreeDObject3DVisitor visitor(factory);
        const DrawingReport told = FirstFrame(painter, visitor, file, factory, ThreeDObjectViewState::ThreeDCommand,
                                              limits);
        EXPECT_EQ(told.GetNotices(), std::vector<std::string>{DrawingMessages::TooLarge()});
        EXPECT_GE(painter.GetLastFrame().GetTaken()[FrameBudget::Seconds], 2.5);
        EXPECT_LE(painter.GetLastFrame().GetTaken()[FrameBudget::Nodes], 6);
    }
    {
        // With the deadline off the same clock never stops a walk: its limits do.
        FrameBudget::Amounts off = FrameBudget::WithoutDeadline();
        off[FrameBudget::Nodes] = 1000;
        ThreeDObjectCheckVisitor check(factory);
        check.SetLimits(off);
        check.GetBudget().SetClock(clock);
        Samples::Root(file)->Accept(check);
        EXPECT_EQ(check.GetBudget().GetSpentOn(), FrameBudget::Nodes);
        EXPECT_EQ(check.GetBudget().GetTaken()[FrameBudget::Nodes], 1000);
    }
}

// The objects of the cost fuzz harness's findings (tests/data/cost-fuzz): every walk of each
// ends, and a walk that stops says so once. The time bound only catches a walk that does not
// end; the harness's -timeout found them, WalkBudgetBench gives the figures.
TEST(FrameBudget, EveryWalkOfACostFindingEnds)
{
    GLContext context(16, 16);
    VELMO_REQUIRE_GL(context);
    int files = 0;
    for (const auto& entry : std::filesystem::directory_iterator(Samples::Get().Path("walks-fuzz")))
    {
        const std::string folder = "walks-fuzz/" + entry.path().filename().string();
        ++files;
        const auto factory = Samples::Get().Factory(folder.c_str());
        const CountedPointer<TdoFile> file = Load(folder.c_str(), "obj");
        for (const Walk walk : AllWalks)
        {
            const std::string what = folder + ", " + NameOf(walk);
            const WalkRun run = RunWalk(walk, factory, Samples::Root(file));
            EXPECT_LT(run.Seconds, 30.0) << what;
            EXPECT_LE(run.Notices.size(), 1u) << what;
            std::printf("%s: %.3f s%s\n", what.c_str(), run.Seconds, run.Notices.empty() ? "" : " (cut)");
        }
    }
    EXPECT_GE(files, 1);
}
