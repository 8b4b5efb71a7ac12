// The value texts of the track and replay panes.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>

#include "Util/Angles.h"
#include "Vantrel/Rows/TrkText.h"

TEST(TrkText, FixedAndAngleFormats)
{
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const struct
    {
        std::string text;
        std::string expected;
    } cases[] = {
        {TrkText::Fixed(1.5), "1.500000"},
        {TrkText::Fixed(-0.0000004), "-0.000000"},
        {TrkText::Fixed(609.6), "609.600000"},
        {TrkText::Fixed(1e20), "100000000000000000000.000000"},
        {TrkText::Fixed(nan), "nan"},
        {TrkText::Angle(Velmo::Util::pi / 2), "90.000000\xB0"},
        {TrkText::Angle(-Velmo::Util::pi), "-180.000000\xB0"},
        {TrkText::Angle(0), "0.000000\xB0"},
        {TrkText::Integer(-2147483648LL), "-2147483648"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(c.text, c.expected);
}

TEST(TrkText, LapTimes)
{
    const double inf = std::numeric_limits<double>::infinity();
    const struct
    {
        double seconds;
        const char* expected;
    } cases[] = {
        {83.4567, "1m 23.457s"},
        {59.9996, "0m 60.000s"}, // rounded after the minutes are taken, as the panes always did
        {60, "1m 0.000s"},
        {0, "0m 0.000s"},
        {-0.0, "0m 0.000s"},
        {3600.25, "60m 0.250s"},
        {16777.215, "279m 37.215s"},
        // An open lap (end time -1) gives a negative difference: nothing is shown.
        {-0.001, ""},
        {-1e9, ""},
        {inf, ""},
        {std::nan(""), ""},
    };
    for (const auto& c : cases)
        EXPECT_EQ(TrkText::LapTime(c.seconds), c.expected) << c.seconds;
}

TEST(TrkText, LinesLongerThan79CharactersEndInDots)
{
    const std::string fits(79, 'x');
    EXPECT_EQ(TrkText::CutLine(fits), fits);
    EXPECT_EQ(TrkText::CutLine(fits + "y"), std::string(76, 'x') + "...");
    EXPECT_EQ(TrkText::CutLine(std::string(1000, '7')).size(), 79u);
    // A two-byte character across the cut is left out whole.
    const std::string accented = std::string(75, 'a') + "\xC3\xA9" + std::string(10, 'b');
    EXPECT_EQ(TrkText::CutLine(accented), std::string(75, 'a') + "...");
}
