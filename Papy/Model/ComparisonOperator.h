#pragma once
// The test by which a splitter node picks its active children, stored as an int (0 is not a value).
#include <string>

namespace Velmo::Papy
{
enum ComparisonOperator : int
{
    ComparisonLE = 1,
    ComparisonGE = 2,
    ComparisonEQ = 3,
    ComparisonAND = 4,
    ComparisonINDEX = 5,
};

// The first value and one past the last value, for offering the values in order.
constexpr int ComparisonOperatorFirst = 1;
constexpr int ComparisonOperatorEnd = 6;

// The display name of a value; any other value fails the assertion "false".
std::string GetComparisonOperatorName(int value);

// Whether child index of a splitter is active: LE value <= threshold, GE value >= threshold,
// EQ value == threshold (all three false with a NaN), AND both non-zero, INDEX index equal to
// value truncated toward zero; any other operator false.
bool EvaluateComparison(ComparisonOperator op, int index, double value, double threshold);
} // namespace Velmo::Papy
