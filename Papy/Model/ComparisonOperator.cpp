#include "Papy/Model/ComparisonOperator.h"

#include <cmath>

#include "Util/Exception.h"

namespace Velmo::Papy
{
std::string GetComparisonOperatorName(int value)
{
    static const char* const names[] = {
        "LE",
        "GE",
        "EQ",
        "AND",
        "INDEX",
    };
    VELMO_ASSERT_TEXT(value >= ComparisonOperatorFirst && value < ComparisonOperatorEnd, "false");
    return names[value - ComparisonOperatorFirst];
}

bool EvaluateComparison(ComparisonOperator op, int index, double value, double threshold)
{
    switch (op)
    {
    case ComparisonLE:
        return value <= threshold;
    case ComparisonGE:
        return value >= threshold;
    case ComparisonEQ:
        return value == threshold;
    case ComparisonAND:
        return value != 0 && threshold != 0;
    case ComparisonINDEX:
        // Compared as doubles: a value outside the int range (or NaN) matches no index instead
        // of making the conversion undefined.
        return std::trunc(value) == double(index);
    }
    return false;
}
} // namespace Velmo::Papy
