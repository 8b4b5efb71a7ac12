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
#include "Vantrel/Drawing/SplitterChoice.h"

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

// The choice itself: the first entry that holds, each test paid for first (a refused payment
// chooses none and tests no further); an inner splitter's choice hides its outer one's until it
// is left, and a leave of another splitter than the innermost changes nothing.
TEST(SplitterChoice, ChoosesTheFirstEntryThatHoldsEachTestPaidAndNestsWithItsSplitters)
{
    // Two nodes stand for the splitters: only their addresses matter.
    const CountedPointer<TdoFile> one = Samples::Get().Gpl("rotated"), other = Samples::Get().Gpl("state");
    const CountedPointer<ThreeDObject> outer = Samples::Root(one), inner = Samples::Root(other);
    ASSERT_NE(outer.Get(), inner.Get());
    struct Case
    {
        const char* name;
        int count;
        int holds;      // the first entry that holds (-1: none)
        int paid;       // payments accepted before one is refused (-1: all)
        int chosen;
        std::size_t tests;
    };
    const Case cases[] = {
        {"the fourth holds", 10, 3, -1, 3, 4},
        {"the first holds", 10, 0, -1, 0, 1},
        {"none holds", 10, -1, -1, SplitterChoice::None, 10},
        {"no entries", 0, -1, -1, SplitterChoice::None, 0},
        {"refused before the one that holds", 10, 3, 2, SplitterChoice::None, 2},
        {"refused at once", 10, 0, 0, SplitterChoice::None, 0},
    };
    for (const Case& c : cases)
    {
        SCOPED_TRACE(c.name);
        SplitterChoice choice;
        int payments = 0;
        choice.Enter(*outer, c.count, [&](int i) { return i >= c.holds && c.holds >= 0; },
                     [&] { return c.paid < 0 || payments++ < c.paid; });
        EXPECT_EQ(choice.GetTests(), c.tests);
        for (int i = 0; i < c.count; ++i)
            EXPECT_EQ(choice.IsChosen(*outer, i), i == c.chosen) << i;
        choice.Leave(*outer);
        EXPECT_FALSE(choice.IsChosen(*outer, c.chosen));
    }

    SplitterChoice choice;
    const auto always = [] { return true; };
    choice.Enter(*outer, 5, [](int i) { return i == 1; }, always);
    choice.Enter(*inner, 5, [](int i) { return i == 4; }, always);
    EXPECT_TRUE(choice.IsChosen(*inner, 4));
    EXPECT_FALSE(choice.IsChosen(*outer, 1));
    choice.Leave(*outer);
    EXPECT_TRUE(choice.IsChosen(*inner, 4));
    choice.Leave(*inner);
    EXPECT_TRUE(choice.IsChosen(*outer, 1));
    EXPECT_EQ(choice.GetTests(), 7u);
    choice.Clear();
    EXPECT_FALSE(choice.IsChosen(*outer, 1));
}
