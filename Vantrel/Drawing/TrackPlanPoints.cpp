#include "Vantrel/Drawing/TrackPlanPoints.h"

#include <algorithm>

#include "Papy/Model/ThreeDObjectTrackSegment.h"
#include "Papy/Track/PtfTrack.h"
#include "Papy/Track/PtfTrackSegment.h"
#include "Papy/Track/Track.h"

using namespace Velmo;
using namespace Velmo::Papy;

TrackPlanPoints::TrackPlanPoints(FrameBudget& budget) : m_budget(budget)
{
}

FrameBudget::Amounts TrackPlanPoints::SectionsCost(const TrackSegmentLookup& segment)
{
    FrameBudget::Amounts amounts{};
    amounts[FrameBudget::SectionLookups] = segment.GetSectionsRead();
    return amounts;
}

FrameBudget::Amounts TrackPlanPoints::PointsCost(const TrackSegmentLookup& segment, double points)
{
    FrameBudget::Amounts amounts{};
    amounts[FrameBudget::TrackPoints] = points;
    amounts[FrameBudget::SectionLookups] = points * segment.GetReadsPerPoint();
    return amounts;
}

bool TrackPlanPoints::Begin(const Util::CountedPointer<TrackSegment>& segment)
{
    if (m_budget.IsSpent())
        return false;
    if (segment.Get() == m_segment.Get() && segment)
        return true;
    m_lookup.reset();
    m_segment = segment;
    m_pointCost = m_positionCost = FrameBudget::Amounts{};
    if (!segment)
        return true;
    if (const auto* ptf = dynamic_cast<const PtfTrackSegment*>(segment.Get()))
    {
        m_lookup.emplace(*ptf->GetNode());
        m_pointCost = PointsCost(*m_lookup, 1);
        m_positionCost = m_pointCost;
        return m_budget.Take(SectionsCost(*m_lookup));
    }
    // The segment places each point itself, from its cross sections: a point needs no floor.
    // The track's position there reads its floor sections as well.
    m_pointCost[FrameBudget::TrackPoints] = 1;
    m_pointCost[FrameBudget::SectionLookups] = double(std::max(segment->GetXSectionCount(), 0));
    m_positionCost = m_pointCost;
    m_positionCost[FrameBudget::SectionLookups] += double(std::max(segment->GetFSectionCount(), 0));
    return true;
}

int TrackPlanPoints::Take(int count)
{
    if (!m_segment || count <= 0)
        return 0;
    return int(m_budget.TakeItems(std::size_t(count), m_pointCost, {}));
}

Vertex TrackPlanPoints::Point(double distance2D, double latitude) const
{
    if (!m_lookup)
        return m_segment->GetPoint(distance2D, latitude);
    // The fraction along the node as the PTF segment takes it.
    const double length = m_lookup->GetSegment().GetLength();
    return m_lookup->GetPoint(length != 0 ? distance2D / length : 0.0, latitude, false);
}

bool TrackPlanPoints::TrackPoint(const Track& track, double longitude2D, double latitude, Vertex& point)
{
    if (m_budget.IsSpent())
        return false;
    if (track.GetSegmentCount() <= 0)
    {
        // No segment to charge it to: the track answers alone, as one point.
        if (!m_budget.Take(FrameBudget::TrackPoints, 1))
            return false;
        point = track.GetPoint(longitude2D, latitude);
        return true;
    }
    double offset = 0;
    const Util::CountedPointer<TrackSegment> segment = track.GetSegmentAt(longitude2D, offset);
    if (!Begin(segment))
        return false;
    // A PTF track's point is its segment's at the offset there: the same doubles.
    const bool own = m_lookup && dynamic_cast<const PtfTrack*>(&track) != nullptr;
    if (m_budget.TakeItems(1, own ? m_pointCost : m_positionCost, {}) != 1)
        return false;
    point = own ? Point(offset, latitude) : track.GetPoint(longitude2D, latitude);
    return true;
}
