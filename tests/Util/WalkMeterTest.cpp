// The walk meter: unarmed it only counts; armed, it asks its check every Interval steps and
// throws once when the check says the time is up; an inner arming hides the outer one for its
// life and gives it back.
#include <gtest/gtest.h>

#include <cstdint>

#include "Util/WalkMeter.h"

using Velmo::Util::WalkMeter;

namespace
{
// Ticks one step at a time until the meter throws; answers the steps ticked (the throwing one
// included), or limit when it never threw.
std::int64_t StepsToStop(std::int64_t limit)
{
    for (std::int64_t i = 1; i <= limit; ++i)
    {
        try
        {
            WalkMeter::Tick();
        }
        catch (const WalkMeter::XDeadline&)
        {
            return i;
        }
    }
    return limit;
}
} // namespace

TEST(WalkMeterTest, UnarmedOnlyCounts)
{
    EXPECT_FALSE(WalkMeter::IsArmed());
    EXPECT_FALSE(WalkMeter::IsPast());
    const std::int64_t before = WalkMeter::GetCount();
    for (int i = 0; i < 10 * WalkMeter::Interval; ++i)
        WalkMeter::Tick();
    WalkMeter::Tick(1'000'000);
    EXPECT_EQ(WalkMeter::GetCount() - before, 10 * WalkMeter::Interval + 1'000'000);
}

TEST(WalkMeterTest, AsksItsCheckEveryIntervalAndThrowsOnce)
{
    int looks = 0;
    bool past = false;
    WalkMeter::Scope scope([&] {
        ++looks;
        return past;
    });
    EXPECT_TRUE(WalkMeter::IsArmed());
    // Within any Interval steps the check is asked at least once, and at most once.
    const int before = looks;
    EXPECT_EQ(StepsToStop(WalkMeter::Interval), WalkMeter::Interval);
    EXPECT_EQ(looks - before, 1);
    EXPECT_EQ(StepsToStop(10 * WalkMeter::Interval), 10 * WalkMeter::Interval);
    EXPECT_EQ(looks - before, 11);
    EXPECT_FALSE(scope.HasStopped());

    past = true;
    const std::int64_t steps = StepsToStop(2 * WalkMeter::Interval);
    EXPECT_LE(steps, WalkMeter::Interval);
    EXPECT_TRUE(scope.HasStopped());
    EXPECT_TRUE(WalkMeter::IsPast());
    // Then never again in this arming, so that what runs while the walk unwinds cannot throw.
    const int afterStop = looks;
    EXPECT_EQ(StepsToStop(10 * WalkMeter::Interval), 10 * WalkMeter::Interval);
    EXPECT_EQ(looks, afterStop);
}

TEST(WalkMeterTest, OneLargeStepIsLookedAtAtOnce)
{
    WalkMeter::Scope scope([] { return true; });
    // Whatever the steps before it.
    EXPECT_THROW(WalkMeter::Tick(WalkMeter::Interval), WalkMeter::XDeadline);
}

TEST(WalkMeterTest, AnInnerArmingHidesTheOuterForItsLife)
{
    bool outerPast = false;
    WalkMeter::Scope outer([&] { return outerPast; });
    {
        int innerLooks = 0;
        WalkMeter::Scope inner([&] {
            ++innerLooks;
            return true;
        });
        outerPast = true;
        EXPECT_LE(StepsToStop(2 * WalkMeter::Interval), WalkMeter::Interval);
        EXPECT_TRUE(inner.HasStopped());
        EXPECT_EQ(innerLooks, 1);
    }
    EXPECT_FALSE(outer.HasStopped());
    EXPECT_TRUE(WalkMeter::IsArmed());
    EXPECT_LE(StepsToStop(2 * WalkMeter::Interval), WalkMeter::Interval);
    EXPECT_TRUE(outer.HasStopped());
}

TEST(WalkMeterTest, DisarmedWhenTheLastArmingEnds)
{
    {
        WalkMeter::Scope scope([] { return true; });
        EXPECT_TRUE(WalkMeter::IsPast());
    }
    EXPECT_FALSE(WalkMeter::IsArmed());
    EXPECT_FALSE(WalkMeter::IsPast());
    EXPECT_EQ(StepsToStop(10 * WalkMeter::Interval), 10 * WalkMeter::Interval);
}
