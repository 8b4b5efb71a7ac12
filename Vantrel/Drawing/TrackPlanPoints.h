#pragma once
// The points that the track and replay panes place on a track (the plan's edges, the car's
// path), each asked of a frame's budget before it is placed, as the 3D pane's walks ask for
// theirs: past the budget no point is placed and the walk stops where it is.
//
// A PTF segment's cross and floor sections are read once into a look-up (TrackSegmentLookup),
// which costs one section look-up a section; each point placed through it then costs one track
// point and the section values it reads at most (GetReadsPerPoint). The points are the
// segment's own, to the bit, but none walks the section lists. A segment of another track places
// its points itself: each costs one track point and, at most, a read of each of its cross
// sections; a point that such a track places (its position there) reads its floor sections as
// well.
//
// SectionsCost and PointsCost are those charges, for every walk that places points on a
// segment through a look-up.
#include <optional>

#include "Papy/Model/TrackSegmentLookup.h"
#include "Papy/Model/Vertex.h"
#include "Papy/Track/TrackSegment.h"
#include "Util/CountedPointer.h"
#include "Vantrel/Drawing/FrameBudget.h"

namespace Velmo::Papy
{
class Track;
}

class TrackPlanPoints
{
public:
    // Charges the budget, which must outlive the points.
    explicit TrackPlanPoints(FrameBudget& budget);
    TrackPlanPoints(const TrackPlanPoints&) = delete;
    TrackPlanPoints& operator=(const TrackPlanPoints&) = delete;

    // What a look-up's sections cost, read once; what points placed through it cost.
    static FrameBudget::Amounts SectionsCost(const Velmo::Papy::TrackSegmentLookup& segment);
    static FrameBudget::Amounts PointsCost(const Velmo::Papy::TrackSegmentLookup& segment, double points);

    // Takes up the segment for the points that follow; taking up the one taken up already costs
    // nothing. False when the budget is spent (before, or by the segment's sections): no point
    // can be placed then. What the segment throws while its sections are read propagates.
    bool Begin(const Velmo::Util::CountedPointer<Velmo::Papy::TrackSegment>& segment);
    // Charges up to count points of the segment taken up, in order, and answers how many fit;
    // fewer than count spends the budget. None without a segment taken up.
    int Take(int count);
    // The point of the segment taken up at that 2D distance from its start and that latitude,
    // as the segment's GetPoint gives it. The point must have been taken.
    Velmo::Papy::Vertex Point(double distance2D, double latitude) const;
    // The point at that 2D longitude and latitude, as the track's GetPoint gives it, charged as a
    // point of the segment there (taken up for it); false, and nothing placed, when it does not
    // fit.
    bool TrackPoint(const Velmo::Papy::Track& track, double longitude2D, double latitude, Velmo::Papy::Vertex& point);

    bool IsSpent() const { return m_budget.IsSpent(); }
    FrameBudget& GetBudget() { return m_budget; }

private:
    FrameBudget& m_budget;
    // The segment taken up; its look-up when it is a PTF segment's (it refers to the segment's
    // node, which the segment holds: it goes first).
    Velmo::Util::CountedPointer<Velmo::Papy::TrackSegment> m_segment;
    std::optional<Velmo::Papy::TrackSegmentLookup> m_lookup;
    // What one point of the segment costs, and one that the track places there.
    FrameBudget::Amounts m_pointCost{};
    FrameBudget::Amounts m_positionCost{};
};
