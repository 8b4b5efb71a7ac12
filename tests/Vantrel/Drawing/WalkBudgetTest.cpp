// Node graphs whose paths far outnumber their nodes, from drawing_samples.py: a GPL object of
// 40 levels that each name the next twice (2^40 paths), an N4 object of 21 such levels, and
// seven GPL objects that each name the next 64 times (64^6 walks of the last). Every walk of
// the 3D pane ends within its budget of nodes, keeps what it did, and says once that the
// object is too large to show. The time bound only catches a walk that does not end (without
// the budget each takes hours); the real figures come from WalkBudgetBench.
#include <gtest/gtest.h>

#include "DrawingSamples.h"
#include "GLContext.h"
#include "WalkRuns.h"
#include "Vantrel/Drawing/DrawingMessages.h"
#include "Vantrel/Drawing/WalkBudget.h"

namespace
{
using namespace DrawingTest;

struct Graph
{
    const char* folder;
    const char* name;
    bool checkedWhole; // the check opens each external object once: it walks the chain whole
};

const Graph Graphs[] = {
    {"walks", "shared", false},
    {"walks-n4", "shared", false},
    {"walks", "chain0", true},
};
} // namespace

TEST(WalkBudget, EveryWalkOfAGraphOfFarMorePathsThanNodesEndsKeepsWhatItDidAndSaysSoOnce)
{
    GLContext context(16, 16);
    VELMO_REQUIRE_GL(context);
    for (const Graph& graph : Graphs)
    {
        const auto factory = Samples::Get().Factory(graph.folder);
        CountedPointer<TdoFile> file;
        factory->GetFacet<Velmo::Papy::MakeTdo>()->Make(file, graph.name, "3do", false);
        for (const Walk walk : AllWalks)
        {
            const std::string what = std::string(graph.folder) + "/" + graph.name + ", " + NameOf(walk);
            const WalkRun run = RunWalk(walk, factory, Samples::Root(file));
            EXPECT_LT(run.Seconds, 30.0) << what;
            EXPECT_EQ(run.Error, "") << what;
            const bool tooLarge = !(walk == Walk::Check && graph.checkedWhole);
            EXPECT_EQ(run.Messages, tooLarge ? std::vector<std::string>{DrawingMessages::TooLarge()}
                                             : std::vector<std::string>{})
                << what;
            // Every graph is one red square of half size 5 at the origin, wherever it is reached.
            if (walk == Walk::Bounds)
            {
                ExpectBounds(run.Bounds, Samples::Get().Bounds("walks-shared"), what);
            }
            if (walk == Walk::Draw)
            {
                EXPECT_COLOUR_AT(context, 0, 0, Red) << what;
                EXPECT_COLOUR_AT(context, 8, 8, Grey) << what;
            }
        }
    }
    EXPECT_EQ(DrawingMessages::TooLarge(), "The object is too large to show.");
}

TEST(WalkBudget, EachFrameDrawsAgainWithTheWholeBudget)
{
    GLContext context(16, 16);
    VELMO_REQUIRE_GL(context);
    SetView();
    const auto factory = Samples::Get().Factory("walks-n4");
    CountedPointer<TdoFile> shared;
    factory->GetFacet<Velmo::Papy::MakeTdo>()->Make(shared, "shared", "3do", false);
    ThreeDObject3DVisitor visitor(factory);
    // A frame past the budget does not leave the next frame of the same visitor short.
    Draw(DrawOptions(), visitor, Samples::Root(shared), nullptr);
    EXPECT_EQ(visitor.GetReport().GetMessages(), std::vector<std::string>{DrawingMessages::TooLarge()});
    visitor.GetReport().Clear();
    Draw(DrawOptions(), visitor, Samples::Root(shared), nullptr);
    EXPECT_EQ(visitor.GetReport().GetMessages(), std::vector<std::string>{DrawingMessages::TooLarge()});
    EXPECT_COLOUR_AT(context, 0, 0, Red);
}
