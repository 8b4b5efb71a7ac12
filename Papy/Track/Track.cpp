#include "Papy/Track/Track.h"

namespace Velmo::Papy
{
Vertex Track::GetPoint(double longitude2D, double latitude) const
{
    TrackPosition position = GetPosition(longitude2D, latitude);
    return Vertex{position.X, position.Y, position.Z};
}

double Track::GetAltitude(double longitude2D) const
{
    return GetPosition(longitude2D, 0).Z;
}
} // namespace Velmo::Papy
