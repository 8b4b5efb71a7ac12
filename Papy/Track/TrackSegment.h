#pragma once
// One segment of a track: straight or a circular arc in plan, with its floor strips, walls
// and cross sections. Distances are 2D distances from the segment's start.
#include "Papy/Model/TrackPosition.h"
#include "Papy/Model/Vertex.h"
#include "Papy/Track/TrackFSection.h"
#include "Papy/Track/TrackWSection.h"
#include "Papy/Track/TrackXSection.h"
#include "Util/CountedPointer.h"

namespace Velmo::Papy
{
class TrackSegment
{
public:
    virtual ~TrackSegment() = default;

    virtual bool IsCorner() const = 0;
    // The reference line's ends.
    virtual double GetStartX() const = 0;
    virtual double GetStartY() const = 0;
    virtual double GetEndX() const = 0;
    virtual double GetEndY() const = 0;
    virtual double GetLength3D() const = 0;
    virtual double GetLength2D() const = 0;
    // Centre, radius (signed as the curvature) and curvature (the whole turn of the segment).
    virtual void GetArc(double& centreX, double& centreY, double& radius, double& curvature) const = 0;
    virtual double GetStartHeading() const = 0;
    virtual double GetEndHeading() const = 0;
    virtual int GetXSectionCount() const = 0;
    virtual Util::CountedPointer<TrackXSection> GetXSection(int i) const = 0;
    virtual int GetFSectionCount() const = 0;
    virtual Util::CountedPointer<TrackFSection> GetFSection(int i) const = 0;
    virtual int GetWSectionCount() const = 0;
    virtual Util::CountedPointer<TrackWSection> GetWSection(int i) const = 0;
    virtual TrackPosition GetPosition(double distance2D, double latitude) const = 0;

    // x, y and z of GetPosition. A segment that can work out the point without the floor under
    // it (which a plan asks of every point) gives it so.
    virtual Vertex GetPoint(double distance2D, double latitude) const;
};
} // namespace Velmo::Papy
