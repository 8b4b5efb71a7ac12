// A splitter's child is chosen once a visit: a visit of a splitter of 100,000 entries that never
// apply costs every walk of the pane a number of steps linear in its entries (counted by the
// walk meter, which every entry read and every test ticks), and each entry tested or walked is
// charged to the budget as a node. Tested on drawing_samples.py's splitter samples, a distance
// splitter and a state splitter, in the drawing, the bounds walk, the check and the clip test.
#include <gtest/gtest.h>

#include <cstdint>

#include "DrawingSamples.h"
#include "GLContext.h"
#include "WalkRuns.h"
#include "Util/WalkMeter.h"
#include "Vantrel/Drawing/FrameBudget.h"

namespace
{
using namespace DrawingTest;
using Velmo::Util::WalkMeter;

// drawing_samples.py's WALK_SPLITTER.
constexpr double Entries = 100'000;
// The root list and the splitter.
constexpr double Around = 2;
} // namespace

TEST(SplitterChoice, AVisitOfASplitterCostsStepsAndChargesLinearInItsEntries)
{
    GLContext context(16, 16);
    VELMO_REQUIRE_GL(context);
    for (const char* name : {"splitter", "splitter-state"})
    {
        CountedPointer<TdoFile> file;
        const auto factory = Samples::Get().Factory("walks");
        factory->GetFacet<Velmo::Papy::MakeTdo>()->Make(file, name, "3do", false);
        for (Walk walk : {Walk::Draw, Walk::Bounds, Walk::Check, Walk::ClipTest})
        {
            SCOPED_TRACE(std::string(name) + ", " + NameOf(walk));
            const std::int64_t before = WalkMeter::GetCount();
            const WalkRun run = RunWalk(walk, factory, Samples::Root(file), FrameBudget::WithoutDeadline());
            const double steps = double(WalkMeter::GetCount() - before);
            EXPECT_EQ(run.Error, "");
            EXPECT_TRUE(run.Notices.empty());
            // A few steps an entry (its test or its descent, its reads, its place in the list);
            // a choice made again for each child would take billions.
            EXPECT_GE(steps, Entries);
            EXPECT_LE(steps, 8 * Entries);
            // Every entry tested (the drawing's choices, the bounds' state choice) or walked (the
            // others walk every child) is a node of the budget.
            EXPECT_GE(run.Spent[FrameBudget::Nodes], Entries);
            EXPECT_LE(run.Spent[FrameBudget::Nodes], Entries + Around);
        }
    }
}
