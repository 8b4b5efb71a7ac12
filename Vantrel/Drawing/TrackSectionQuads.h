#pragma once
// The quads that stand for the floor, wall and detail sections of a track segment, worked out
// from the segment's geometry (GetPoint: a fraction along the segment and a latitude), asked
// through the segment's look-up so that no corner walks the section lists. No OpenGL: the
// drawing visitor sends the corners through a vertex array, in this order.
#include <array>

#include "Papy/Model/Vertex.h"

namespace Velmo::Papy
{
class ThreeDObjectFSection;
class ThreeDObjectTrackDetail;
class ThreeDObjectWSection;
class TrackSegmentLookup;
} // namespace Velmo::Papy

typedef std::array<Velmo::Papy::Vertex, 4> SectionQuad;

// The floor between a floor section and the next one: (0, its start latitude), (1, its end
// latitude), (1, the next one's end latitude), (0, the next one's start latitude).
SectionQuad FloorQuad(const Velmo::Papy::TrackSegmentLookup& segment,
                      const Velmo::Papy::ThreeDObjectFSection& section, const Velmo::Papy::ThreeDObjectFSection& next);

// One face of one piece of a wall. Piece i spans the fractions from split point i - 1 (0 for
// the first) to split point i (1 for the last). Along the wall its latitude, half width and
// height go from their start to their end values with the fraction; the inner edge lies at
// latitude - half width, the outer at latitude + half width, the top at the height above the
// ground. Faces: 0 inner side, 1 top, 2 outer side, 3 the cap at the piece's start, 4 the cap
// at its end (each from the ground to the top there); corners counter-clockwise seen from
// outside the wall, with the latitude growing to the left of the direction of travel.
SectionQuad WallQuad(const Velmo::Papy::TrackSegmentLookup& segment, const Velmo::Papy::ThreeDObjectWSection& wall,
                     int piece, int face);

// A detail in the plane z = 0: (x, y), (x + w, y), (x + w, y + h), (x, y + h) with x its
// longitude, y its latitude, w its width and h its height.
SectionQuad DetailQuad(const Velmo::Papy::ThreeDObjectTrackDetail& detail);

// True when all twelve coordinates are finite numbers.
bool IsFinite(const SectionQuad& quad);
