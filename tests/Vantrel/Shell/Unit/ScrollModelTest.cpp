#include <gtest/gtest.h>

#include <utility>
#include <vector>

#include "Vantrel/View/HexScrollModel.h"

using Velmo::U64;

namespace
{
CHexScrollModel Model(U64 bytes, U64 pageLines)
{
    CHexScrollModel model;
    model.SetSize(bytes);
    model.SetPageLines(pageLines);
    return model;
}
} // namespace

// A dump of 40,000 lines, 30 to the page: too tall for a 15-bit pixel range.
TEST(ScrollModel, LargeFileHomeEndAndSteps)
{
    CHexScrollModel model = Model(40000 * 16, 30);
    EXPECT_EQ(model.GetLines(), 40000u);
    EXPECT_EQ(model.GetTop(), 0u);
    EXPECT_TRUE(model.End());
    EXPECT_EQ(model.GetTop(), 39970u);
    EXPECT_EQ(model.GetTopOffset(), 39970u * 16);
    EXPECT_FALSE(model.LineDown());
    EXPECT_FALSE(model.PageDown());
    EXPECT_TRUE(model.LineUp());
    EXPECT_EQ(model.GetTop(), 39969u);
    EXPECT_TRUE(model.Home());
    EXPECT_EQ(model.GetTop(), 0u);
    EXPECT_FALSE(model.LineUp());
    EXPECT_FALSE(model.PageUp());
    for (U64 i = 1; i <= 5; ++i)
    {
        EXPECT_TRUE(model.LineDown());
        EXPECT_EQ(model.GetTop(), i);
    }
    EXPECT_TRUE(model.PageDown());
    EXPECT_EQ(model.GetTop(), 35u);
    EXPECT_TRUE(model.PageUp());
    EXPECT_EQ(model.GetTop(), 5u);
    EXPECT_TRUE(model.PageUp());
    EXPECT_EQ(model.GetTop(), 0u);
    // Page down near the end stops at the last page, never past it.
    model.ScrollTo(39960);
    EXPECT_TRUE(model.PageDown());
    EXPECT_EQ(model.GetTop(), 39970u);
}

TEST(ScrollModel, TopStaysWithinRange)
{
    const struct
    {
        U64 bytes;
        U64 page;
        U64 maxTop;
    } cases[] = {
        {0, 30, 0}, {1, 30, 0}, {16, 1, 0}, {17, 1, 1}, {30 * 16, 30, 0}, {31 * 16, 30, 1},
        {31 * 16 - 15, 30, 1}, {U64(1) << 30, 50, (U64(1) << 26) - 50}, {~U64(0), 10, (U64(1) << 60) - 10},
    };
    for (const auto& c : cases)
    {
        CHexScrollModel model = Model(c.bytes, c.page);
        EXPECT_EQ(model.GetMaxTop(), c.maxTop) << c.bytes;
        model.ScrollTo(~U64(0));
        EXPECT_EQ(model.GetTop(), c.maxTop) << c.bytes;
        model.ScrollBy(-1000);
        EXPECT_EQ(model.GetTop(), c.maxTop > 1000 ? c.maxTop - 1000 : 0) << c.bytes;
        model.ScrollBy(1000);
        EXPECT_EQ(model.GetTop(), c.maxTop) << c.bytes;
        model.ScrollBy(-(1LL << 62));
        EXPECT_EQ(model.GetTop(), 0u);
        model.ScrollBy(1LL << 62);
        EXPECT_EQ(model.GetTop(), c.maxTop);
    }
}

TEST(ScrollModel, ShrinkingFileOrGrowingPageClampsTop)
{
    CHexScrollModel model = Model(1000 * 16, 10);
    model.End();
    EXPECT_EQ(model.GetTop(), 990u);
    model.SetPageLines(100);
    EXPECT_EQ(model.GetTop(), 900u);
    model.SetSize(50 * 16);
    EXPECT_EQ(model.GetTop(), 0u);
    model.SetPageLines(0);
    EXPECT_EQ(model.GetPageLines(), 1u);
}

TEST(ScrollModel, ScrollBarOfHugeFileReachesEveryEnd)
{
    // 5 GB: one bar unit per line. 1 TB: 64 lines per unit.
    for (U64 bytes : {U64(5) << 30, U64(1) << 40})
    {
        CHexScrollModel model = Model(bytes, 40);
        const U64 scale = model.GetScale();
        EXPECT_EQ(scale, bytes == (U64(1) << 40) ? 64u : 1u);
        EXPECT_GT(model.GetBarRange(), 0);
        EXPECT_EQ(model.GetBarPosition(), 0);
        model.ScrollToBarPosition(model.GetBarRange() - model.GetBarThumb());
        EXPECT_EQ(model.GetTop(), model.GetMaxTop());
        EXPECT_EQ(model.GetBarPosition(), model.GetBarRange() - model.GetBarThumb());
        // The last offset is shown: the last line holds the file's last byte.
        EXPECT_EQ((model.GetTop() + model.GetPageLines() - 1) * 16, (bytes - 1) / 16 * 16);
        model.ScrollToBarPosition(1000);
        EXPECT_EQ(model.GetTop(), 1000 * scale);
        model.ScrollToBarPosition(-5);
        EXPECT_EQ(model.GetTop(), 0u);
    }
}

// The wheel, notch 120, three lines a notch: a touchpad's small steps add up to whole lines,
// in either direction, and what is left of a line waits for the next step.
TEST(ScrollModel, WheelStepsSmallerThanANotchAddUpToLines)
{
    struct Case
    {
        const char* what;
        std::vector<int> rotations; // positive: up
        U64 startTop;
        U64 endTop;
        int moves; // events that changed the top line
    };
    const auto repeat = [](std::initializer_list<std::pair<int, int>> runs) {
        std::vector<int> rotations;
        for (const auto& [times, rotation] : runs)
            rotations.insert(rotations.end(), std::size_t(times), rotation);
        return rotations;
    };
    const Case cases[] = {
        {"whole notches down", repeat({{2, -120}}), 0, 6, 2},
        {"twenty tenth notches down: two notches' lines", repeat({{20, -12}}), 0, 6, 6},
        {"twenty tenth notches up", repeat({{20, 12}}), 100, 94, 6},
        {"nine tenths: no whole line yet", repeat({{3, -12}}), 0, 0, 0},
        {"a line's share exactly", repeat({{4, -10}}), 0, 1, 1},
        {"mixed directions: down 30 tenths, up 10 tenths", repeat({{30, -12}, {10, 12}}), 0, 6, 12},
        {"a reversal before a whole line moves nothing", repeat({{3, -12}, {3, 12}, {3, -12}}), 50, 50, 0},
        {"a reversal after part of a line gives that part back first", repeat({{5, -12}, {5, 12}}), 50, 50, 2},
        {"half notches (a line and a half) alternating", repeat({{1, -60}, {1, 60}, {1, -60}, {1, 60}}), 50, 50, 4},
        {"steps of 7 (not a divisor of 40)", repeat({{40, -7}}), 0, 7, 7},
        {"up from the top stays there", repeat({{20, 12}}), 0, 0, 0},
        {"down past the end stops at the last page", repeat({{400, -120}}), 0, 990, 330},
    };
    for (const Case& c : cases)
    {
        SCOPED_TRACE(c.what);
        CHexScrollModel model = Model(1000 * 16, 10);
        model.ScrollTo(c.startTop);
        int moves = 0;
        for (const int rotation : c.rotations)
            moves += model.Wheel(rotation, 120, 3) ? 1 : 0;
        EXPECT_EQ(model.GetTop(), c.endTop);
        EXPECT_EQ(moves, c.moves);
    }
}

// What is left of a line stays only while the wheel keeps its notch: one line per notch, and a
// notch of another size starts again from nothing.
TEST(ScrollModel, WheelRestFollowsTheNotch)
{
    CHexScrollModel model = Model(1000 * 16, 10);
    EXPECT_FALSE(model.Wheel(-60, 120, 1));
    EXPECT_TRUE(model.Wheel(-60, 120, 1));
    EXPECT_EQ(model.GetTop(), 1u);
    EXPECT_FALSE(model.Wheel(-60, 120, 1));
    EXPECT_FALSE(model.Wheel(-30, 60, 1)) << "the half line of the old notch is gone";
    EXPECT_TRUE(model.Wheel(-30, 60, 1));
    EXPECT_EQ(model.GetTop(), 2u);
    // A zero or negative notch or line count is taken as 1.
    EXPECT_TRUE(model.Wheel(-1, 0, 0));
    EXPECT_EQ(model.GetTop(), 3u);
}
