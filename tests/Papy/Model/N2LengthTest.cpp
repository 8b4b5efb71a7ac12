#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "Papy/Model/N2Length.h"

using namespace Velmo;
using namespace Velmo::Papy;

TEST(N2Length, ConvertsBothWaysAndRoundsHalfAwayFromZero)
{
    EXPECT_DOUBLE_EQ(N2LengthToMetres(31680), 1.609344);
    EXPECT_DOUBLE_EQ(N2LengthToMetres(-31680), -1.609344);
    EXPECT_DOUBLE_EQ(N2LengthToMetres(1), 5.08e-05);
    EXPECT_EQ(N2LengthToMetres(0), 0.0);

    const struct
    {
        double metres;
        S32 units;
    } cases[] = {
        {0.0001, 2},       {-0.0001, -2},          {1.609344, 31680}, {-1.609344, -31680},
        {2.54e-05, 1},     {-2.54e-05, -1},        {2.53e-05, 0},     {0.0, 0},
        {-0.0, 0},         {1e12, 2147483647},     {-1e12, -2147483647 - 1},
        {std::numeric_limits<double>::quiet_NaN(), 0},
    };
    for (const auto& c : cases)
        EXPECT_EQ(MetresToN2Length(c.metres), c.units) << c.metres;

    // Every length survives the way there and back.
    for (S32 v : {0, 1, -1, 4096, 31680, 123456789, -123456789, 2147483647, -2147483647 - 1})
        EXPECT_EQ(MetresToN2Length(N2LengthToMetres(v)), v) << v;
}

TEST(N2Length, FitsTellsTheLengthsThatAreNotClamped)
{
    EXPECT_TRUE(N2LengthFits(0));
    EXPECT_TRUE(N2LengthFits(N2LengthToMetres(2147483647)));
    EXPECT_TRUE(N2LengthFits(N2LengthToMetres(-2147483647 - 1)));
    EXPECT_FALSE(N2LengthFits(N2LengthToMetres(2147483647) + 0.001));
    EXPECT_FALSE(N2LengthFits(N2LengthToMetres(-2147483647 - 1) - 0.001));
    EXPECT_FALSE(N2LengthFits(std::numeric_limits<double>::infinity()));
    EXPECT_FALSE(N2LengthFits(std::numeric_limits<double>::quiet_NaN()));
}
