#include "Papy/Track/TrackSegment.h"

namespace Velmo::Papy
{
Vertex TrackSegment::GetPoint(double distance2D, double latitude) const
{
    TrackPosition position = GetPosition(distance2D, latitude);
    return Vertex{position.X, position.Y, position.Z};
}
} // namespace Velmo::Papy
