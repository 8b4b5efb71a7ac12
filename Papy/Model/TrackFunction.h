#pragma once
// What a part of the track surface is used for, stored as an int in the files.
#include <string>

namespace Velmo::Papy
{
enum TrackFunction : int
{
    TrackFunctionApron = 0,
    TrackFunctionApronNearPits = 1,
    TrackFunctionPitLane = 2,
    TrackFunctionPitStall = 3,
    TrackFunctionRacingSurface = 4,
    TrackFunctionUnknown = 5,
    TrackFunctionUnreachable = 6,
};

// The first value and one past the last value, for offering the values in order.
constexpr int TrackFunctionFirst = 0;
constexpr int TrackFunctionEnd = 7;

// The display name of a value; any other value fails the assertion "false".
std::string GetTrackFunctionName(int value);
} // namespace Velmo::Papy
