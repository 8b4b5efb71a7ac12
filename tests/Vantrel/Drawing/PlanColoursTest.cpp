#include <gtest/gtest.h>

#include "Vantrel/Drawing/PlanColours.h"
#include "Vantrel/Drawing/TrackPlan.h"

namespace
{
struct ColourCase
{
    int Code;
    PlanColour Plan;  // SurfacePlanColour or WallPlanColour
    PlanColour Track; // TrackPlan::SurfaceColour (surfaces only)
};

void ExpectColour(const PlanColour& actual, const PlanColour& expected, int code)
{
    EXPECT_EQ(actual.Red, expected.Red) << "code " << code;
    EXPECT_EQ(actual.Green, expected.Green) << "code " << code;
    EXPECT_EQ(actual.Blue, expected.Blue) << "code " << code;
}
} // namespace

// Every surface code, listed or not, in both tables: the track view differs from the plan in
// asphalt (lighter) and water (the colour of the surfaces without one).
TEST(PlanColours, SurfaceTablesOfThePlanAndTheTrackView)
{
    const PlanColour other{0.0, 0.0, 1.0};
    const ColourCase cases[] = {
        {-1, other, other},
        {0, {0.5, 0.5, 0.5}, {0.6, 0.6, 0.6}},
        {1, {0.8, 0.8, 0.8}, {0.8, 0.8, 0.8}},
        {2, {0.7, 0.6, 0.4}, {0.7, 0.6, 0.4}},
        {3, {0.2, 0.8, 0.2}, {0.2, 0.8, 0.2}},
        {4, {0.8, 0.7, 0.5}, {0.8, 0.7, 0.5}},
        {5, other, other},
        {6, {1.0, 1.0, 0.0}, {1.0, 1.0, 0.0}},
        {7, {1.0, 0.0, 0.0}, {1.0, 0.0, 0.0}},
        {8, {1.0, 0.9, 0.7}, {1.0, 0.9, 0.7}},
        {9, {0.6, 0.5, 0.4}, {0.6, 0.5, 0.4}},
        {10, other, other},
        {11, other, other},
        {12, {0.0, 0.5, 1.0}, other},
        {13, other, other},
        {255, other, other},
    };
    for (const ColourCase& c : cases)
    {
        ExpectColour(SurfacePlanColour(c.Code), c.Plan, c.Code);
        ExpectColour(TrackPlan::SurfaceColour(c.Code), c.Track, c.Code);
    }
}

TEST(PlanColours, WallTable)
{
    const PlanColour other{0.0, 0.0, 0.6};
    const ColourCase cases[] = {
        {-1, other, {}},
        {0, {0.4, 0.4, 0.4}, {}},
        {1, {0.4, 0.4, 0.4}, {}},
        {2, {0.4, 0.4, 0.4}, {}},
        {3, {0.6, 0.6, 0.6}, {}},
        {4, {0.6, 0.6, 0.6}, {}},
        {5, {0.2, 0.8, 0.3}, {}},
        {6, {0.9, 0.9, 0.5}, {}},
        {7, other, {}},
        {8, {0.2, 0.6, 0.2}, {}},
        {9, {0.3, 0.3, 0.3}, {}},
        {10, {0.0, 0.0, 0.0}, {}},
        {11, {0.0, 0.0, 0.0}, {}},
        {12, {0.0, 0.0, 0.0}, {}},
        {13, {0.6, 0.6, 0.3}, {}},
        {14, other, {}},
        {1000, other, {}},
    };
    for (const ColourCase& c : cases)
        ExpectColour(WallPlanColour(c.Code), c.Plan, c.Code);
}
