#pragma once
// The kind of a wall beside a track, stored as an int in the files.
#include <string>

namespace Velmo::Papy
{
enum WallType : int
{
    WallArmco = 0,
    WallArmcoLeft = 1,
    WallArmcoRight = 2,
    WallConcrete = 3,
    WallConcreteWithFence = 4,
    WallForest = 5,
    WallHayBales = 6,
    WallInvisible = 7,
    WallShrubs = 8,
    WallTyres = 9,
    WallWireFence = 10,
    WallWireFenceLeft = 11,
    WallWireFenceRight = 12,
    WallWood = 13,
    WallUnknown = 14,
};

// The first value and one past the last value, for offering the values in order.
constexpr int WallTypeFirst = 0;
constexpr int WallTypeEnd = 15;

// The display name of a value; any other value fails the assertion "false".
std::string GetWallTypeName(int value);
} // namespace Velmo::Papy
