#pragma once
// One geometric model of a racing track, whatever file holds it: a closed loop of segments.
// Longitudes are distances along the track, latitudes sideways distances from the reference
// line (increasing to the left). The 3D longitude counts as the file does; the 2D longitude
// is measured in plan along the reference line, which is what track-wide queries take. All
// lengths are metres, all angles radians.
#include "Papy/Model/TrackPosition.h"
#include "Papy/Model/Vertex.h"
#include "Papy/Track/TrackSegment.h"
#include "Util/BinaryStream.h"
#include "Util/CountedPointer.h"

namespace Velmo::Papy
{
class Track
{
public:
    virtual ~Track() = default;

    virtual double GetLength3D() const = 0;
    virtual double GetLength2D() const = 0;
    virtual double Convert2DTo3D(double longitude2D) const = 0;
    virtual int GetSegmentCount() const = 0;
    virtual Util::CountedPointer<TrackSegment> GetSegment(int i) const = 0;
    virtual double GetSegmentStart3D(int i) const = 0;
    virtual double GetSegmentStart2D(int i) const = 0;
    // The segment holding a 2D longitude (any lap) and the 2D offset from its start.
    virtual Util::CountedPointer<TrackSegment> GetSegmentAt(double longitude2D, double& offset2D) const = 0;
    // The place at a 2D longitude (any lap) and a latitude.
    virtual TrackPosition GetPosition(double longitude2D, double latitude) const = 0;
    // x, y and z of GetPosition.
    virtual Vertex GetPoint(double longitude2D, double latitude) const;
    // The altitude of the reference line.
    virtual double GetAltitude(double longitude2D) const;
    // Writes the track's file at position 0 of the stream.
    virtual void Save(Util::BinaryStream& stream) const = 0;
};
} // namespace Velmo::Papy
