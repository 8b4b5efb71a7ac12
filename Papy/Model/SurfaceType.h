#pragma once
// The surface of a floor section, stored as an int in the files.
#include <string>

namespace Velmo::Papy
{
enum SurfaceType : int
{
    SurfaceAsphalt = 0,
    SurfaceConcrete = 1,
    SurfaceDirt = 2,
    SurfaceGrass = 3,
    SurfaceGravel = 4,
    SurfaceInvisible = 5,
    SurfacePaint = 6,
    SurfaceRumbleStrip = 7,
    SurfaceSand = 8,
    SurfaceTrainTrack = 9,
    SurfaceUnknown = 10,
    SurfaceUnreachable = 11,
    SurfaceWater = 12,
};

// The first value and one past the last value, for offering the values in order.
constexpr int SurfaceTypeFirst = 0;
constexpr int SurfaceTypeEnd = 13;

// The display name of a value; any other value fails the assertion "false".
std::string GetSurfaceTypeName(int value);
} // namespace Velmo::Papy
