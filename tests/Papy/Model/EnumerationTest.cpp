#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>
#include <vector>

#include "Papy/Model/ComparisonOperator.h"
#include "Papy/Model/DisplayClass.h"
#include "Papy/Model/DynamicTSOType.h"
#include "Papy/Model/SurfaceType.h"
#include "Papy/Model/TrackFunction.h"
#include "Papy/Model/WallType.h"
#include "Util/Exception.h"

using namespace Velmo;
using namespace Velmo::Papy;

namespace
{
struct Table
{
    std::string (*name)(int);
    int first;
    const char* unit;
    std::vector<std::string> names;
};

const Table tables[] = {
    {GetWallTypeName, 0, ".\\WallType.cpp",
     {"Armco", "Armco (Left)", "Armco (Right)", "Concrete", "Concrete With Fence", "Forest", "Hay Bales",
      "Invisible", "Shrubs", "Tyres", "Wire Fence", "Wire Fence (Left)", "Wire Fence (Right)", "Wood",
      "Unknown"}},
    {GetSurfaceTypeName, 0, ".\\SurfaceType.cpp",
     {"Asphalt", "Concrete", "Dirt", "Grass", "Gravel", "Invisible", "Paint", "Rumble Strip", "Sand",
      "Train Track", "Unknown", "Unreachable", "Water"}},
    {GetDisplayClassName, 0, ".\\DisplayClass.cpp",
     {"BevelledTire", "Billboard", "Car", "CarSpecular", "Cloud", "Cockpit", "Crowd", "Driver", "Driver Arm",
      "Fence", "Flagger", "Grandstand", "Groove", "Horizon", "Infield", "Object", "People", "Race Control",
      "Terrain", "Tire", "Track", "Track Marking", "Tree", "Unknown", "Vehicle", "Wall"}},
    {GetTrackFunctionName, 0, ".\\TrackFunction.cpp",
     {"Apron", "Apron Near Pits", "Pit Lane", "Pit Stall", "Racing Surface", "Unknown", "Unreachable"}},
    {GetDynamicTSOTypeName, 0, ".\\DynamicTSOType.cpp", {"Blimp", "Helicopter", "Unknown"}},
    {GetComparisonOperatorName, 1, ".\\ComparisonOperator.cpp", {"LE", "GE", "EQ", "AND", "INDEX"}},
};

void ExpectFalseAssertion(const Table& table, int value)
{
    try
    {
        table.name(value);
        ADD_FAILURE() << table.unit << " named " << value;
    }
    catch (const Util::XAssertion& e)
    {
        EXPECT_STREQ(e.GetExpression(), "false");
        EXPECT_STREQ(e.GetFile(), table.unit);
    }
}
} // namespace

TEST(Enumeration, DisplayNamesAndValuesOutsideTheTable)
{
    for (const Table& table : tables)
    {
        for (std::size_t i = 0; i < table.names.size(); ++i)
            EXPECT_EQ(table.name(table.first + int(i)), table.names[i]) << table.unit << " " << i;
        ExpectFalseAssertion(table, table.first - 1);
        ExpectFalseAssertion(table, table.first + int(table.names.size()));
        ExpectFalseAssertion(table, std::numeric_limits<int>::min());
        ExpectFalseAssertion(table, std::numeric_limits<int>::max());
    }
    EXPECT_EQ(WallTypeEnd, 15);
    EXPECT_EQ(SurfaceTypeEnd, 13);
    EXPECT_EQ(DisplayClassEnd, 26);
    EXPECT_EQ(int(DisplayClassWall), 25);
    EXPECT_EQ(int(ComparisonINDEX), 5);
}

TEST(Enumeration, EvaluateComparison)
{
    const double nan = std::numeric_limits<double>::quiet_NaN();
    struct Case
    {
        int op;
        int index;
        double value, threshold;
        bool expected;
    } cases[] = {
        {ComparisonLE, 0, 1, 2, true},   {ComparisonLE, 0, 2, 2, true},   {ComparisonLE, 0, 3, 2, false},
        {ComparisonGE, 0, 1, 2, false},  {ComparisonGE, 0, 2, 2, true},   {ComparisonGE, 0, 3, 2, true},
        {ComparisonEQ, 0, 2, 2, true},   {ComparisonEQ, 0, 2, 2.5, false},
        {ComparisonLE, 0, nan, 2, false}, {ComparisonGE, 0, 2, nan, false}, {ComparisonEQ, 0, nan, nan, false},
        {ComparisonAND, 9, 0, 5, false}, {ComparisonAND, 9, -1, 5, true}, {ComparisonAND, 9, 3, 0, false},
        // INDEX ignores the threshold and truncates the value toward zero.
        {ComparisonINDEX, 2, 2.9, 0, true}, {ComparisonINDEX, 2, 2.9, 77, true},
        {ComparisonINDEX, 3, 2.9, 0, false}, {ComparisonINDEX, 0, -0.9, 0, true},
        {ComparisonINDEX, -1, -1.5, 0, true},
        // Values beyond the int range or NaN match no index.
        {ComparisonINDEX, 0, nan, 0, false}, {ComparisonINDEX, -2147483647 - 1, -1e300, 0, false},
        {ComparisonINDEX, 2147483647, 1e10, 0, false},
        // 0 and values past INDEX are not operators.
        {0, 0, 1, 1, false}, {6, 0, 1, 1, false}, {-3, 0, 1, 1, false},
    };
    for (const Case& c : cases)
        EXPECT_EQ(EvaluateComparison(ComparisonOperator(c.op), c.index, c.value, c.threshold), c.expected)
            << c.op << " " << c.index << " " << c.value << " " << c.threshold;
}
