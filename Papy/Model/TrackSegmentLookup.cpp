#include "Papy/Model/TrackSegmentLookup.h"

#include <cmath>

#include "Papy/Model/ThreeDObjectFSection.h"
#include "Papy/Model/ThreeDObjectTrackSegment.h"

namespace Velmo::Papy
{
namespace
{
double CrossLatitude(double start, double end, double f)
{
    return ThreeDObjectXSection::LatitudeAt(start, end, f);
}

double FloorBoundary(double start, double end, double f)
{
    return ThreeDObjectFSection::BoundaryAt(start, end, f);
}
} // namespace

TrackSegmentLookup::TrackSegmentLookup(const ThreeDObjectTrackSegment& segment) : m_segment(segment)
{
    const int crossCount = segment.GetXSectionCount();
    const int floorCount = segment.GetFSectionCount();
    m_regular = crossCount > 0 && floorCount > 0;
    if (!m_regular)
        return;
    m_cross.reserve(std::size_t(crossCount));
    m_crossEdges.reserve(std::size_t(crossCount));
    for (int i = 0; i < crossCount && m_regular; ++i)
    {
        Util::WalkMeter::Tick();
        Util::CountedPointer<ThreeDObjectXSection> section = segment.GetXSection(i);
        m_regular = section.Get() != nullptr;
        if (m_regular)
            m_crossEdges.push_back({section->GetStartLatitude(), section->GetEndLatitude()});
        m_cross.push_back(section);
    }
    m_floorEdges.reserve(std::size_t(floorCount));
    m_floorTypes.reserve(std::size_t(floorCount));
    for (int k = 0; k < floorCount && m_regular; ++k)
    {
        Util::WalkMeter::Tick();
        Util::CountedPointer<ThreeDObjectFSection> floor = segment.GetFSection(k);
        m_regular = floor.Get() != nullptr;
        if (m_regular)
        {
            m_floorEdges.push_back({floor->GetStartLatitude(), floor->GetEndLatitude()});
            m_floorTypes.push_back(double(floor->GetSurfaceType()));
        }
    }
    m_crossOrdered = Ordered(m_crossEdges);
    m_floorsOrdered = Ordered(m_floorEdges);
}

double TrackSegmentLookup::GetReadsPerPoint() const
{
    if (!m_regular)
        return double(m_segment.GetXSectionCount()) + double(m_segment.GetFSectionCount());
    const auto reads = [](const std::vector<Edge>& edges, bool ordered) {
        return ordered ? std::floor(std::log2(double(edges.size()) + 1)) + 1 : double(edges.size());
    };
    return reads(m_crossEdges, m_crossOrdered) + reads(m_floorEdges, m_floorsOrdered);
}

bool TrackSegmentLookup::Ordered(const std::vector<Edge>& edges)
{
    // Rounding keeps order: with f from 0 to 1, a * f + b * (1 - f) is no smaller for a larger
    // a or b, so edges that grow at both ends grow at every such f, as doubles too.
    for (std::size_t i = 0; i < edges.size(); ++i)
    {
        if (!std::isfinite(edges[i].Start) || !std::isfinite(edges[i].End))
            return false;
        if (i > 0 && !(edges[i].Start >= edges[i - 1].Start && edges[i].End >= edges[i - 1].End))
            return false;
    }
    return true;
}

template <class Latitude>
int TrackSegmentLookup::FirstBeyond(const std::vector<Edge>& edges, bool ordered, int first, double f,
                                    double latitude, Latitude value)
{
    const int count = int(edges.size());
    if (ordered && f >= 0 && f <= 1)
    {
        // The latitudes grow along the list: the first one beyond is found by bisection.
        int low = first, high = count;
        while (low < high)
        {
            Util::WalkMeter::Tick();
            const int middle = low + (high - low) / 2;
            if (value(edges[middle].Start, edges[middle].End, f) > latitude)
                high = middle;
            else
                low = middle + 1;
        }
        return low;
    }
    return FirstSectionBeyond(first, count, latitude,
                              [&](int i) { return value(edges[std::size_t(i)].Start, edges[std::size_t(i)].End, f); });
}

TrackPosition TrackSegmentLookup::Place(double f, double latitude, bool straight) const
{
    TrackPosition position = m_segment.GetPlanPosition(f, latitude, straight);
    // The section is the one before the first from the second on that lies beyond the point,
    // else the last.
    const int next = FirstBeyond(m_crossEdges, m_crossOrdered, 1, f, latitude, CrossLatitude);
    const int i = next - 1;
    const bool between = next < int(m_cross.size());
    ThreeDObjectTrackSegment::Raise(position, f, latitude, *m_cross[std::size_t(i)],
                                    CrossLatitude(m_crossEdges[std::size_t(i)].Start, m_crossEdges[std::size_t(i)].End, f),
                                    between ? m_cross[std::size_t(next)].Get() : nullptr,
                                    between ? CrossLatitude(m_crossEdges[std::size_t(next)].Start,
                                                            m_crossEdges[std::size_t(next)].End, f)
                                            : 0);
    return position;
}

TrackPosition TrackSegmentLookup::GetPosition(double f, double latitude, bool straight) const
{
    if (!m_regular)
        return m_segment.GetPosition(f, latitude, straight);
    TrackPosition position = Place(f, latitude, straight);
    // The first floor section whose boundary lies to the left of the point, else the last.
    const int k = FirstBeyond(m_floorEdges, m_floorsOrdered, 0, f, latitude, FloorBoundary);
    position.Floor = m_floorTypes[std::size_t(k < int(m_floorTypes.size()) ? k : k - 1)];
    return position;
}

Vertex TrackSegmentLookup::GetPoint(double f, double latitude, bool straight) const
{
    if (!m_regular)
        return m_segment.GetPoint(f, latitude, straight);
    const TrackPosition position = Place(f, latitude, straight);
    return Vertex(position.X, position.Y, position.Z);
}

void TrackSegmentLookup::GetPlanPoint(double f, double latitude, bool straight, double& x, double& y) const
{
    if (!m_regular)
    {
        const Vertex point = m_segment.GetPoint(f, latitude, straight);
        x = point.GetX();
        y = point.GetY();
        return;
    }
    const TrackPosition position = m_segment.GetPlanPosition(f, latitude, straight);
    x = position.X;
    y = position.Y;
}
} // namespace Velmo::Papy
