#pragma once
// A point on a track with the track's orientation there: x, y, z (altitude), heading, pitch and
// bank in radians, and floor, the surface type of the floor section under the point.

namespace Velmo::Papy
{
struct TrackPosition
{
    double X = 0;
    double Y = 0;
    double Z = 0;
    double Heading = 0;
    double Pitch = 0;
    double Bank = 0;
    double Floor = 0;
};
} // namespace Velmo::Papy
