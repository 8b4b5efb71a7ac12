// The frame budget's arithmetic and the window area it charges, without OpenGL.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <vector>

#include "Vantrel/Drawing/FrameBudget.h"
#include "Vantrel/Drawing/ScreenArea.h"

namespace
{
FrameBudget::Amounts Only(FrameBudget::Cost cost, double amount)
{
    FrameBudget::Amounts amounts{};
    amounts[cost] = amount;
    return amounts;
}

FrameBudget::Amounts LimitsOf(FrameBudget::Cost cost, double limit)
{
    FrameBudget::Amounts limits = FrameBudget::Limits;
    limits[cost] = limit;
    return limits;
}
} // namespace

// A charge that does not fit is not charged, spends the budget for good (a later charge that
// would fit is refused too) and names the cost; Restart gives the whole budget again.
TEST(FrameBudgetArithmetic, ARefusedChargeSpendsTheBudgetUntilRestart)
{
    const double nan = std::numeric_limits<double>::quiet_NaN();
    struct Case
    {
        FrameBudget::Cost cost;
        double first, second; // two charges against a limit of 10
        bool secondFits;
    };
    const Case cases[] = {
        {FrameBudget::Nodes, 10, 0, true},
        {FrameBudget::Pixels, 4, 7, false},
        {FrameBudget::Vertices, 0, 11, false},
        {FrameBudget::SectionLookups, 3, nan, false},
    };
    for (const Case& c : cases)
    {
        FrameBudget budget(LimitsOf(c.cost, 10));
        EXPECT_TRUE(budget.Take(c.cost, c.first)) << FrameBudget::NameOf(c.cost);
        EXPECT_EQ(budget.Take(c.cost, c.second), c.secondFits) << FrameBudget::NameOf(c.cost);
        EXPECT_EQ(budget.GetTaken()[c.cost], c.secondFits ? c.first + c.second : c.first);
        EXPECT_EQ(budget.IsSpent(), !c.secondFits);
        EXPECT_EQ(budget.GetSpentOn(), c.secondFits ? FrameBudget::CostCount : c.cost);
        if (!c.secondFits)
        {
            EXPECT_FALSE(budget.Take(c.cost, 0));
        }
        budget.Restart();
        EXPECT_FALSE(budget.IsSpent());
        EXPECT_EQ(budget.GetTaken(), FrameBudget::Amounts{});
    }
}

// Several costs at once fit only together: one over its limit refuses the whole charge.
TEST(FrameBudgetArithmetic, ACombinedChargeFitsOnlyWhole)
{
    FrameBudget budget(LimitsOf(FrameBudget::Pixels, 100));
    FrameBudget::Amounts charge{};
    charge[FrameBudget::Primitives] = 1;
    charge[FrameBudget::Vertices] = 4;
    charge[FrameBudget::Pixels] = 101;
    EXPECT_FALSE(budget.Take(charge));
    EXPECT_EQ(budget.GetTaken(), FrameBudget::Amounts{});
    EXPECT_EQ(budget.GetSpentOn(), FrameBudget::Pixels);
}

// Items are charged in order, each with its own pixels, as many as fit.
TEST(FrameBudgetArithmetic, ItemsAreTakenInOrderAsFarAsTheyFit)
{
    struct Case
    {
        FrameBudget::Cost cost;
        double limit;
        std::vector<double> pixels;
        std::size_t count, taken;
    };
    const Case cases[] = {
        {FrameBudget::Primitives, 1e9, {}, 5, 5},
        {FrameBudget::Primitives, 3, {}, 5, 3},
        {FrameBudget::Pixels, 10, {4, 4, 4, 0}, 4, 2},
        {FrameBudget::Pixels, 10, {0, 0, 0}, 3, 3},
        {FrameBudget::Pixels, 10, {11, 0}, 2, 0},
    };
    for (const Case& c : cases)
    {
        FrameBudget budget(LimitsOf(c.cost, c.limit));
        const std::size_t taken = budget.TakeItems(c.count, Only(FrameBudget::Primitives, 1), c.pixels);
        EXPECT_EQ(taken, c.taken) << FrameBudget::NameOf(c.cost) << " " << c.limit;
        EXPECT_EQ(budget.IsSpent(), c.taken < c.count);
        EXPECT_EQ(budget.GetTaken()[FrameBudget::Primitives], double(c.taken));
        EXPECT_EQ(budget.TakeItems(1, Only(FrameBudget::Primitives, 0), {}), c.taken < c.count ? 0u : 1u);
    }
}

// The deadline runs from a frame's first charge on the budget's clock, is spent as a limit is
// (Seconds), and runs again from the first charge after a restart; off, it is never reached. A
// part of the frame has its share of what is left, time too, and the frame is charged what the
// part took when it absorbs it.
TEST(FrameBudgetArithmetic, TheDeadlineAndThePartsOfAFrame)
{
    double now = 50;
    const FrameBudget::Clock clock = [&now] { return now; };
    FrameBudget budget(FrameBudget::Limits, clock);
    now = 100; // idle time before the first charge does not count
    EXPECT_TRUE(budget.Take(FrameBudget::Nodes, 1));
    now = 105;
    EXPECT_TRUE(budget.Take(FrameBudget::Nodes, 1));
    now = 105.5;
    EXPECT_FALSE(budget.Take(FrameBudget::Nodes, 0));
    EXPECT_EQ(budget.GetSpentOn(), FrameBudget::Seconds);
    budget.Restart();
    now = 1000;
    EXPECT_TRUE(budget.Take(FrameBudget::Nodes, 1));
    now = 1004;
    EXPECT_TRUE(budget.Take(FrameBudget::Nodes, 1));

    FrameBudget off(FrameBudget::WithoutDeadline(), clock);
    EXPECT_TRUE(off.Take(FrameBudget::Nodes, 1));
    now = 1e9;
    EXPECT_TRUE(off.Take(FrameBudget::Nodes, 1));

    FrameBudget frame(FrameBudget::Limits, clock);
    EXPECT_TRUE(frame.Take(FrameBudget::Nodes, 200000));
    FrameBudget part = frame.Part(0.5);
    EXPECT_EQ(part.GetLimits()[FrameBudget::Nodes], 0.5 * (FrameBudget::Limits[FrameBudget::Nodes] - 200000));
    EXPECT_EQ(part.GetLimits()[FrameBudget::Seconds], 0.5 * FrameBudget::Limits[FrameBudget::Seconds]);
    EXPECT_TRUE(part.Take(FrameBudget::Nodes, 300000));
    // The part is spent; the frame keeps the rest for the walks after it.
    EXPECT_FALSE(part.Take(FrameBudget::Nodes, 200000));
    frame.Absorb(part);
    EXPECT_FALSE(frame.IsSpent());
    EXPECT_EQ(frame.GetTaken()[FrameBudget::Nodes], 500000);
}

// The window area of what is sent: a square under an orthographic view, as the triangles of its
// fan, each clamped to the part of the window its box covers; nothing off the window; under a
// perspective (w = -z), nothing for a square wholly behind the eye, and the part in front of the
// eye of one that crosses the eye plane.
// The deadline as the walk meter asks it: not past within the limit (the first look starts
// it), past beyond it and on a time that is not a number, which spends the budget on its time
// unless it was spent already; a budget without a deadline or without a clock is never past.
TEST(FrameBudgetArithmetic, IsPastDeadlineReadsTheClockAndSpendsTheBudgetOnItsTime)
{
    double now = 100;
    const FrameBudget::Clock clock = [&now] { return now; };
    struct Case
    {
        const char* name;
        double after;       // seconds after the first look
        bool spentBefore;   // the nodes' limit reached first
        bool past;
        FrameBudget::Cost spentOn;
    };
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const Case cases[] = {
        {"within", 5, false, false, FrameBudget::CostCount},
        {"beyond", 5.5, false, true, FrameBudget::Seconds},
        {"not a number", nan, false, true, FrameBudget::Seconds},
        {"within, spent on nodes", 1, true, false, FrameBudget::Nodes},
        {"beyond, spent on nodes", 6, true, true, FrameBudget::Nodes},
    };
    for (const Case& c : cases)
    {
        SCOPED_TRACE(c.name);
        now = 100;
        FrameBudget budget(LimitsOf(FrameBudget::Nodes, 1), clock);
        EXPECT_FALSE(budget.IsPastDeadline());
        if (c.spentBefore)
        {
            EXPECT_FALSE(budget.Take(FrameBudget::Nodes, 2));
        }
        now = 100 + c.after;
        EXPECT_EQ(budget.IsPastDeadline(), c.past);
        EXPECT_EQ(budget.GetSpentOn(), c.spentOn);
        // Past stays past.
        if (c.past)
        {
            EXPECT_TRUE(budget.IsPastDeadline());
        }
    }
    now = 100;
    FrameBudget endless(FrameBudget::WithoutDeadline(), clock);
    EXPECT_FALSE(endless.IsPastDeadline());
    now = 1e9;
    EXPECT_FALSE(endless.IsPastDeadline());
    FrameBudget clockless(FrameBudget::Limits, FrameBudget::Clock());
    EXPECT_FALSE(clockless.IsPastDeadline());
}

TEST(ScreenArea, ChargesTheWindowAreaAPrimitiveMayCover)
{
    // glOrtho(-10, 10, -10, 10, -1, 1), column-major; a 200 x 100 window.
    const double ortho[16] = {0.1, 0, 0, 0, 0, 0.1, 0, 0, 0, 0, -1, 0, 0, 0, 0, 1};
    const double identity[16] = {1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1};
    // A perspective with w = -z (the eye at the origin looking down -z).
    const double perspective[16] = {1, 0, 0, 0, 0, 1, 0, 0, 0, 0, -1, -1, 0, 0, -0.2, 0};
    const int viewport[4] = {0, 0, 200, 100};
    auto square = [](double half, double x, double z) {
        return std::vector<double>{x - half, -half, z, x + half, -half, z, x + half, half, z, x - half, half, z};
    };
    // The square's corners in the order (-h, -h), (h, h), (h, -h), (-h, h): a bow-tie.
    auto bowTie = [](double half) {
        return std::vector<double>{-half, -half, 0, half, half, 0, half, -half, 0, -half, half, 0};
    };
    // A square in the plane x = 1 from z = -3 (in front of the eye) to z = 1 (behind it),
    // y from -1 to 1: in front, a strip from the window's right edge inwards.
    const std::vector<double> crossing = {1, -1, -3, 1, -1, 1, 1, 1, 1, 1, 1, -3};
    struct Case
    {
        const char* what;
        const double* projection;
        std::vector<double> points;
        // As one polygon, and as the two triangles of the client arrays (0 1 2, 0 2 3): the
        // same fan, but clipped triangle by triangle where the eye plane cuts them.
        double area;
        double triangles = area;
    };
    const Case cases[] = {
        // Half size 5 of 10: half the width (100) and half the height (50).
        {"inside", ortho, square(5, 0, 0), 100.0 * 50.0},
        // Each triangle is clamped to the window on its own.
        {"larger than the window", ortho, square(50, 0, 0), 2 * 200.0 * 100.0},
        {"half off the window", ortho, square(5, 10, 0), 2 * 50.0 * 50.0},
        {"off the window", ortho, square(5, 30, 0), 0},
        // The fan of a bow-tie covers its square twice (each triangle half of it).
        {"bow-tie", ortho, bowTie(5), 100.0 * 50.0},
        {"bow-tie over the window", ortho, bowTie(50), 2 * 200.0 * 100.0},
        {"in front of the eye", perspective, square(1, 0, -2), 100.0 * 50.0},
        {"behind the eye", perspective, square(1, 0, 2), 0},
        // In front of the eye the square runs from x / w = 1/3 (window x 133.33, y from 33.33 to
        // 66.67) out past the window's right edge: each triangle of the clipped fan is charged
        // the window part right of x 133.33 that its box covers, the whole height for the one
        // that reaches below and above the window, from y 33.33 up for one that only reaches
        // above.
        {"across the eye plane", perspective, crossing, 200.0 / 3 * 100 + 200.0 / 3 * 200.0 / 3,
         200.0 / 3 * 100 + 2 * 200.0 / 3 * 200.0 / 3},
    };
    for (const Case& c : cases)
    {
        ScreenArea area;
        area.SetProjection(c.projection, viewport);
        area.SetModelview(identity);
        EXPECT_NEAR(area.Polygon(c.points.data(), 4), c.area, 1e-6) << c.what;
        // The points as the drawing walk hands them to Triangle.
        std::vector<double> points(4 * ScreenArea::PointSize);
        for (std::size_t i = 0; i < 4; ++i)
            area.ToPoint(c.points.data() + 3 * i, points.data() + ScreenArea::PointSize * i);
        EXPECT_NEAR(area.Triangle(points, 0, 1, 2) + area.Triangle(points, 0, 2, 3), c.triangles, 1e-6) << c.what;
    }
    // Lines: nothing behind the eye, the part in front of a line that crosses the eye plane.
    {
        ScreenArea area;
        area.SetProjection(perspective, viewport);
        area.SetModelview(identity);
        const double behind[6] = {0, 0, 1, 0.5, 0, 2};
        EXPECT_EQ(area.Lines(behind, 2, false), 0);
        // From (0, 0, -1) (the window's centre) to (0.5, 0, 1) behind the eye: in front it
        // runs right from the centre and leaves the window: at most its width plus its height.
        const double crossingLine[6] = {0, 0, -1, 0.5, 0, 1};
        EXPECT_GT(area.Lines(crossingLine, 2, false), 100.0);
        EXPECT_LE(area.Lines(crossingLine, 2, false), 300.0);
    }
    // A line across the window: its length in pixels; a moved modelview moves what is charged.
    ScreenArea area;
    area.SetProjection(ortho, viewport);
    const double moved[16] = {1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1, 0, 30, 0, 0, 1};
    area.SetModelview(moved);
    const std::vector<double> inside = square(5, -30, 0);
    EXPECT_NEAR(area.Polygon(inside.data(), 4), 100.0 * 50.0, 1e-6);
    const double line[6] = {-40, 0, 0, -20, 0, 0};
    EXPECT_NEAR(area.Lines(line, 2, false), 200.0, 1e-6);
    EXPECT_NEAR(area.Lines(inside.data(), 4, true), 2 * 100.0 + 2 * 50.0, 1e-6);
}
