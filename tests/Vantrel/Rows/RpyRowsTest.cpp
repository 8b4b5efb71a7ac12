// The replay tree and list rows over replays made by the independent generator (race.py: GPL
// and N4 replays, an N3 replay): texts and codes come from the generator's values and the
// panes' formats; and the limits of the hint codes over replays in memory.
#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

#include "GeneratedTreeRows.h"
#include "TrkFakes.h"
#include "TrkViewsSamples.h"
#include "Vantrel/Rows/RpyHint.h"
#include "Vantrel/Rows/RpyListRows.h"
#include "Vantrel/Rows/RpyTreeRows.h"

using namespace VelmoTest;
using Velmo::Papy::RpyFile;

namespace
{
std::vector<TrkRow> Rows(const RpyFile& replay, int hint)
{
    std::vector<TrkRow> rows;
    RpyListRows::Add(replay, hint, rows);
    return rows;
}

const TrkTreeItem* Find(const TrkTreeItem& item, const std::string& text)
{
    if (item.Text == text)
        return &item;
    for (const TrkTreeItem& child : item.Children)
        if (const TrkTreeItem* found = Find(child, text))
            return found;
    return nullptr;
}
} // namespace

class RpyRowsSamples : public testing::TestWithParam<std::string>
{
};

TEST_P(RpyRowsSamples, TreeAndRowsAsTheGeneratorHasThem)
{
    const std::string path = TrkViewsPath(GetParam());
    auto replay = LoadReplay(path);

    TrkTreeItem root;
    RpyTreeRows::Build(replay.get(), root);
    CheckTreeAndRows(
        root, path, [&](int hint) { return RpyListRows::Changes(replay.get(), hint); },
        [&](int hint) { return Rows(*replay, hint); });
}

INSTANTIATE_TEST_SUITE_P(Generated, RpyRowsSamples, testing::Values("laps.rpy", "gpl.rpy", "n4.rpy", "n3.rpl"),
                         SampleTestName);

TEST(RpyRows, EdgesOfTheGeneratedReplays)
{
    auto laps = LoadReplay(TrkViewsPath("laps.rpy"));
    TrkTreeItem root;
    RpyTreeRows::Build(laps.get(), root);
    // Driver 0, table 0, lap 12.
    const TrkTreeItem* lap = Find(root, "Lap 0:12");
    ASSERT_NE(lap, nullptr);
    EXPECT_EQ(lap->Hint, 0x01010D00);
    EXPECT_EQ(Rows(*laps, lap->Hint), (std::vector<TrkRow>{{"Time", "0m 1.000s"}, {"Status", "0"}}));
    // The last lap of the table is open (no lap end follows it): no time.
    EXPECT_EQ(Rows(*laps, RpyHint::Lap(0, 0, 14))[0], (TrkRow{"Time", ""}));
    // A driver lists its number alone.
    EXPECT_EQ(Rows(*laps, RpyHint::Driver(0)), (std::vector<TrkRow>{{"Number", "03"}}));
    // No description in a GPL replay: "Frames" is the third row.
    const auto gplRoot = Rows(*laps, -1);
    ASSERT_GE(gplRoot.size(), 3u);
    EXPECT_EQ(gplRoot[2].Field, "Frames");
    // The N4 replay's UTF-16 description.
    auto n4 = LoadReplay(TrkViewsPath("n4.rpy"));
    EXPECT_EQ(Rows(*n4, -1)[2], (TrkRow{"Description", "A long, long race\xC3\xA9!"}));
}

TEST(RpyRows, HintsThatLeaveTheListOrNameNothing)
{
    auto replay = LoadReplay(TrkViewsPath("gpl.rpy"));
    EXPECT_FALSE(RpyListRows::Changes(replay.get(), 0));
    EXPECT_FALSE(RpyListRows::Changes(nullptr, -1));
    const int names_nothing[] = {
        RpyHint::Driver(200),           // six drivers
        RpyHint::Lap(0, 1, 0),          // one lap table
        RpyHint::Lap(0, 0, 200),
        RpyHint::Lap(1, 0, 0),          // driver 1 is a gap without laps
        RpyHint::Lap(0, 0, 0) | 0x01,   // low byte set
        int(0x01000001),
        0x00010100,                     // a lap without a driver
        0x01000100,                     // a lap without a table
        0x01010000,                     // a table without a lap
    };
    for (int hint : names_nothing)
    {
        EXPECT_TRUE(RpyListRows::Changes(replay.get(), hint));
        EXPECT_TRUE(Rows(*replay, hint).empty()) << std::hex << hint;
    }
}

TEST(RpyRows, DecodingOfCodes)
{
    const struct
    {
        int hint;
        RpyHint::Kind kind;
        int driver, table, lap;
    } cases[] = {
        {0, RpyHint::Kind::Nothing, -1, -1, -1},
        {-1, RpyHint::Kind::Whole, -1, -1, -1},
        {0x01000000, RpyHint::Kind::Driver, 0, -1, -1},
        {int(0xFF000000u), RpyHint::Kind::Driver, 254, -1, -1},
        {0x01010D00, RpyHint::Kind::Lap, 0, 0, 12},
        {int(0xFFFFFF00u), RpyHint::Kind::Lap, 254, 254, 254},
        {0x00010100, RpyHint::Kind::Lap, -1, 0, 0},
        {0x01010101, RpyHint::Kind::Other, -1, -1, -1},
        {0x00000001, RpyHint::Kind::Other, -1, -1, -1},
    };
    for (const auto& c : cases)
    {
        const RpyHint::Selection s = RpyHint::Decode(c.hint);
        EXPECT_EQ(s.What, c.kind) << std::hex << c.hint;
        EXPECT_EQ(s.Driver, c.driver) << std::hex << c.hint;
        EXPECT_EQ(s.Table, c.table) << std::hex << c.hint;
        EXPECT_EQ(s.Lap, c.lap) << std::hex << c.hint;
    }
    EXPECT_EQ(RpyHint::Lap(254, 254, 254), int(0xFFFFFF00u));
    EXPECT_EQ(RpyHint::Driver(254), int(0xFF000000u));
}

TEST(RpyRows, CodesStopAtTheirLimits)
{
    const struct
    {
        int drivers, tables, laps;
        std::size_t items, lapsPerDriver;
    } cases[] = {
        {300, 1, 1, 255, 1},
        {255, 1, 0, 255, 0},
        {1, 300, 1, 1, 255},
        {1, 2, 400, 1, 2 * 255},
        {2, 1, -1, 2, 0}, // no such table for the driver
    };
    for (const auto& c : cases)
    {
        FakeReplay replay;
        replay.Drivers = c.drivers;
        replay.Tables = c.tables;
        replay.Laps = c.laps;
        TrkTreeItem root;
        RpyTreeRows::Build(&replay, root);
        ASSERT_EQ(root.Children.size(), c.items);
        const TrkTreeItem& last = root.Children.back();
        EXPECT_EQ(RpyHint::Decode(last.Hint).Driver, int(c.items) - 1);
        ASSERT_EQ(last.Children.size(), c.lapsPerDriver);
        std::map<int, int> seen;
        for (const TrkTreeItem& item : last.Children)
        {
            EXPECT_EQ(seen[item.Hint]++, 0) << item.Text;
            const RpyHint::Selection s = RpyHint::Decode(item.Hint);
            EXPECT_EQ(item.Text, "Lap " + std::to_string(s.Table) + ":" + std::to_string(s.Lap));
        }
    }
}

TEST(RpyRows, DescriptionAndUnknownValues)
{
    FakeReplay replay;
    replay.Wide = std::u16string{u'R', 0xD800, u'!'};
    replay.Integers = {-5, 2147483647};
    EXPECT_EQ(Rows(replay, -1), (std::vector<TrkRow>{{"Track", "Track"},
                                                     {"Player", "Player"},
                                                     {"Description", "R\xEF\xBF\xBD!"},
                                                     {"Frames", "100"},
                                                     {"Unknown", "-5"},
                                                     {"Unknown", "2147483647"}}));
    TrkTreeItem root;
    RpyTreeRows::Build(nullptr, root);
    EXPECT_EQ(root.Text, "root");
    EXPECT_TRUE(root.Children.empty());
}
