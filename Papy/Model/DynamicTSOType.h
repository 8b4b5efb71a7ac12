#pragma once
// The type of a moving trackside object, stored as an int in the files.
#include <string>

namespace Velmo::Papy
{
enum DynamicTSOType : int
{
    DynamicTSOBlimp = 0,
    DynamicTSOHelicopter = 1,
    DynamicTSOUnknown = 2,
};

// The first value and one past the last value, for offering the values in order.
constexpr int DynamicTSOTypeFirst = 0;
constexpr int DynamicTSOTypeEnd = 3;

// The display name of a value; any other value fails the assertion "false".
std::string GetDynamicTSOTypeName(int value);
} // namespace Velmo::Papy
