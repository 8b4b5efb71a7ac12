// Every walk of the 3D pane over the hostile samples of drawing_samples.py, small files whose
// walks would cost far more than a frame may: a GPL object of 40 levels that each name the next
// twice (2^40 paths to one square), an N4 object of 21 such levels, seven GPL objects that each
// name the next 64 times (64^6 walks of the last), and two N4 objects of 10 shared levels over
// one heavy shape (100,000 triangles, or a list of 300,000 vertices: one visit sends them all).
// Each walk ends within its budget, keeps what it did, and says once that the object is too
// large to show; a walk that the file does not make costly says nothing. The time bound only
// catches a walk that does not end; the real figures come from WalkBudgetBench.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <initializer_list>

#include "DrawingSamples.h"
#include "GLContext.h"
#include "WalkRuns.h"
#include "Vantrel/Drawing/DrawingMessages.h"
#include "Vantrel/Drawing/FrameBudget.h"

namespace
{
using namespace DrawingTest;

struct Hostile
{
    const char* folder;
    const char* name;
    // The walks that the sample makes too costly (the others end within their budget).
    std::initializer_list<Walk> tooLarge;
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
            if (walk == Walk::Draw)
            {
                EXPECT_COLOUR_AT(context, 0, 0, Red) << what;
                EXPECT_COLOUR_AT(context, 8, 8, Grey) << what;
            }
        }
    }
    EXPECT_EQ(DrawingMessages::TooLarge(), "Drawn in part: the object is too large to show in full.");
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
