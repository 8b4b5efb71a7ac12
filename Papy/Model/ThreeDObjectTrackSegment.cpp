#include "Papy/Model/ThreeDObjectTrackSegment.h"

#include <cmath>

#include "Papy/Model/TrackSegmentLookup.h"
#include "Util/Angles.h"
#include "Util/Exception.h"
#include "Util/WalkMeter.h"

namespace Velmo::Papy
{
// A segment runs from its start point to its end point in plan, straight or along a circular
// arc, with the direction of travel given at both ends. Latitudes are lateral offsets from
// the centre line, positive to the left of the direction of travel. Angles are in radians.

namespace
{
const double twoPi = 2 * Util::pi;

// Makes the two angles comparable across the 0 / 2 pi seam: when they lie more than half a
// turn apart, the smaller one is moved up by a whole turn.
void Unwrap(double& a, double& b)
{
    if (std::fabs(b - a) > Util::pi)
    {
        if (a < b)
            a += twoPi;
        else
            b += twoPi;
    }
}

// A section reference that names a node of another kind yields no section; that is refused
// here rather than followed. Each section looked up is a step of the walk meter, so that a walk
// that places many points along a segment of many sections keeps to its deadline.
Util::CountedPointer<ThreeDObjectXSection> GetXSectionNode(const ThreeDObjectTrackSegment& segment, int i)
{
    Util::WalkMeter::Tick();
    Util::CountedPointer<ThreeDObjectXSection> section = segment.GetXSection(i);
    VELMO_ASSERT_TEXT(section.Get() != nullptr, "xSection != 0");
    return section;
}

Util::CountedPointer<ThreeDObjectFSection> GetFSectionNode(const ThreeDObjectTrackSegment& segment, int i)
{
    Util::WalkMeter::Tick();
    Util::CountedPointer<ThreeDObjectFSection> section = segment.GetFSection(i);
    VELMO_ASSERT_TEXT(section.Get() != nullptr, "fSection != 0");
    return section;
}
} // namespace

void ThreeDObjectTrackSegment::GetArc(double& cx, double& cy, double& radius, double& angle) const
{
    // e and h are the directions of the left-hand normals at the two ends; the centre lies on
    // both normal lines: start + v (cos e, sin e) = end + w (cos h, sin h).
    double e = GetStartHeading() + Util::pi / 2;
    double h = GetEndHeading() + Util::pi / 2;
    double ce = std::cos(e), se = std::sin(e);
    double ch = std::cos(h), sh = std::sin(h);

    double denominator1 = se * ch - ce * sh;
    VELMO_ASSERT(denominator1 != 0.0);

    double x1 = GetStartX(), y1 = GetStartY();
    double x2 = GetEndX(), y2 = GetEndY();
    double v = (ch * (y2 - y1) + sh * (x1 - x2)) / denominator1;
    double w = (ce * (y1 - y2) + se * (x2 - x1)) / -denominator1;

    double centre_x1 = x1 + ce * v, centre_y1 = y1 + se * v;
    double centre_x2 = x2 + ch * w, centre_y2 = y2 + sh * w;
    VELMO_ASSERT_TEXT(std::fabs(centre_x1 - centre_x2) < 0.001, "fabs(centre_x1 - centre_x2) < 0.001");
    VELMO_ASSERT_TEXT(std::fabs(centre_y1 - centre_y2) < 0.001, "fabs(centre_y1 - centre_y2) < 0.001");

    cx = centre_x1;
    cy = centre_y1;
    radius = std::sqrt(ce * v * (ce * v) + se * v * (se * v));
    Unwrap(e, h);
    angle = h - e;
}

double ThreeDObjectTrackSegment::GetLength() const
{
    if (IsCorner())
    {
        double cx, cy, radius, angle;
        GetArc(cx, cy, radius, angle);
        return std::fabs(radius * angle);
    }
    double dx = GetEndX() - GetStartX();
    double dy = GetEndY() - GetStartY();
    return std::sqrt(dx * dx + dy * dy);
}

TrackPosition ThreeDObjectTrackSegment::GetPlanPosition(double f, double latitude, bool straight) const
{
    TrackPosition position;

    // Heading, interpolated the short way round.
    if (f == 0)
        position.Heading = GetStartHeading();
    else if (f == 1)
        position.Heading = GetEndHeading();
    else
    {
        double hs = GetStartHeading(), he = GetEndHeading();
        Unwrap(hs, he);
        position.Heading = (1 - f) * hs + f * he;
        if (position.Heading > twoPi)
            position.Heading -= twoPi;
    }

    // Point in plan.
    if (!IsCorner() || straight)
    {
        double across = position.Heading + Util::pi / 2;
        position.X = (1 - f) * GetStartX() + f * GetEndX() + latitude * std::cos(across);
        position.Y = (1 - f) * GetStartY() + f * GetEndY() + latitude * std::sin(across);
    }
    else
    {
        double cx, cy, radius, angle;
        GetArc(cx, cy, radius, angle);
        // The centre lies to the left of a left turn (positive angle), so a positive latitude
        // comes closer to it; to the right of a right turn.
        double distance, direction;
        if (angle > 0)
        {
            distance = radius - latitude;
            direction = position.Heading - Util::pi / 2;
        }
        else
        {
            distance = radius + latitude;
            direction = position.Heading + Util::pi / 2;
        }
        position.X = cx + distance * std::cos(direction);
        position.Y = cy + distance * std::sin(direction);
    }
    return position;
}

void ThreeDObjectTrackSegment::Raise(TrackPosition& position, double f, double latitude,
                                     const ThreeDObjectXSection& section, double sectionLatitude,
                                     const ThreeDObjectXSection* next, double nextLatitude)
{
    double slope;
    if (next != nullptr && latitude >= sectionLatitude)
    {
        double width = nextLatitude - sectionLatitude;
        double rise = next->GetAltitude(f) - section.GetAltitude(f);
        double t = (latitude - sectionLatitude) / width;
        position.Z = section.GetAltitude(f) + rise * t;
        slope = section.GetAltitudeSlope(f) + (next->GetAltitudeSlope(f) - section.GetAltitudeSlope(f)) * t;
        position.Bank = std::atan2(rise, width);
    }
    else
    {
        position.Z = section.GetAltitude(f);
        slope = section.GetAltitudeSlope(f);
        position.Bank = 0;
    }
    position.Pitch = std::atan(slope);
}

TrackPosition ThreeDObjectTrackSegment::GetPosition(double f, double latitude, bool straight) const
{
    TrackPosition position = Place(f, latitude, straight);

    // Floor: the first floor section whose boundary lies to the left of the point, else the last.
    const int fCount = GetFSectionCount();
    if (fCount <= 0)
        return position;
    const int k = TrackSegmentLookup::FirstSectionBeyond(0, fCount - 1, latitude, [&](int i) {
        const Util::CountedPointer<ThreeDObjectFSection> floor = GetFSectionNode(*this, i);
        return ThreeDObjectFSection::BoundaryAt(floor->GetStartLatitude(), floor->GetEndLatitude(), f);
    });
    position.Floor = double(GetFSectionNode(*this, k)->GetSurfaceType());
    return position;
}

TrackPosition ThreeDObjectTrackSegment::Place(double f, double latitude, bool straight) const
{
    TrackPosition position = GetPlanPosition(f, latitude, straight);

    // Altitude, pitch and bank from the cross sections, whose latitudes increase along the
    // list: between two sections the surface is interpolated; left of the first or at or
    // beyond the last the nearest section alone gives the altitude and the bank is 0.
    int xCount = GetXSectionCount();
    VELMO_ASSERT_TEXT(xCount > 0, "GetXSectionCount() > 0");
    // The section before the first from the second on that lies beyond the point, else the last.
    GetXSectionNode(*this, 0);
    const int beyond = TrackSegmentLookup::FirstSectionBeyond(
        1, xCount, latitude, [&](int i) { return GetXSectionNode(*this, i)->GetLatitude(f); });
    const Util::CountedPointer<ThreeDObjectXSection> section = GetXSectionNode(*this, beyond - 1);
    Util::CountedPointer<ThreeDObjectXSection> next;
    if (beyond < xCount)
        next = GetXSectionNode(*this, beyond);
    Raise(position, f, latitude, *section, section->GetLatitude(f), next.Get(), next ? next->GetLatitude(f) : 0);
    // A segment without floor sections has no place on it, even where the floor is not asked.
    VELMO_ASSERT_TEXT(GetFSectionCount() > 0, "GetFSectionCount() > 0");
    return position;
}

Vertex ThreeDObjectTrackSegment::GetPoint(double f, double latitude, bool straight) const
{
    // The floor under the point is not part of it: the floor sections are not walked.
    TrackPosition position = Place(f, latitude, straight);
    return Vertex(position.X, position.Y, position.Z);
}
} // namespace Velmo::Papy
