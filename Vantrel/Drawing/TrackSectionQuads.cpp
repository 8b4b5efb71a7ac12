#include "Vantrel/Drawing/TrackSectionQuads.h"

#include <cmath>

#include "Papy/Model/ThreeDObjectFSection.h"
#include "Papy/Model/ThreeDObjectTrackDetail.h"
#include "Papy/Model/ThreeDObjectWSection.h"
#include "Papy/Model/TrackSegmentLookup.h"

using namespace Velmo::Papy;

SectionQuad FloorQuad(const TrackSegmentLookup& segment, const ThreeDObjectFSection& section,
                      const ThreeDObjectFSection& next)
{
    return {segment.GetPoint(0, section.GetStartLatitude()), segment.GetPoint(1, section.GetEndLatitude()),
            segment.GetPoint(1, next.GetEndLatitude()), segment.GetPoint(0, next.GetStartLatitude())};
}

namespace
{
// The wall's cross-section at a fraction along the segment.
struct WallEnd
{
    Vertex InnerGround;
    Vertex InnerTop;
    Vertex OuterGround;
    Vertex OuterTop;
};

double Along(double start, double end, double f)
{
    return start + (end - start) * f;
}

Vertex Raised(const Vertex& v, double height)
{
    return Vertex(v.GetX(), v.GetY(), v.GetZ() + height);
}

WallEnd WallAt(const TrackSegmentLookup& segment, const ThreeDObjectWSection& wall, double f)
{
    const double latitude = Along(wall.GetStartLatitude(), wall.GetEndLatitude(), f);
    const double halfWidth = Along(wall.GetStartHalfWidth(), wall.GetEndHalfWidth(), f);
    const double height = Along(wall.GetStartHeight(), wall.GetEndHeight(), f);
    const Vertex inner = segment.GetPoint(f, latitude - halfWidth);
    const Vertex outer = segment.GetPoint(f, latitude + halfWidth);
    return {inner, Raised(inner, height), outer, Raised(outer, height)};
}
} // namespace

SectionQuad WallQuad(const TrackSegmentLookup& segment, const ThreeDObjectWSection& wall, int piece, int face)
{
    const int pieces = wall.GetSubsectionCount();
    const double f0 = piece <= 0 ? 0.0 : wall.GetSplitPoint(piece - 1);
    const double f1 = piece >= pieces - 1 ? 1.0 : wall.GetSplitPoint(piece);
    const WallEnd a = WallAt(segment, wall, f0);
    const WallEnd b = WallAt(segment, wall, f1);
    switch (face)
    {
    case 0:
        return {a.InnerGround, b.InnerGround, b.InnerTop, a.InnerTop};
    case 1:
        return {a.InnerTop, b.InnerTop, b.OuterTop, a.OuterTop};
    case 2:
        return {b.OuterGround, a.OuterGround, a.OuterTop, b.OuterTop};
    case 3:
        return {a.OuterGround, a.InnerGround, a.InnerTop, a.OuterTop};
    default:
        return {b.InnerGround, b.OuterGround, b.OuterTop, b.InnerTop};
    }
}

SectionQuad DetailQuad(const ThreeDObjectTrackDetail& detail)
{
    const double x = detail.GetLongitude(), y = detail.GetLatitude();
    const double w = detail.GetWidth(), h = detail.GetHeight();
    return {Vertex(x, y, 0), Vertex(x + w, y, 0), Vertex(x + w, y + h, 0), Vertex(x, y + h, 0)};
}

bool IsFinite(const SectionQuad& quad)
{
    for (const Vertex& v : quad)
        if (!std::isfinite(v.GetX()) || !std::isfinite(v.GetY()) || !std::isfinite(v.GetZ()))
            return false;
    return true;
}
