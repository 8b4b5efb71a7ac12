#pragma once
// A track segment's geometry with its cross and floor sections read once, for the many positions
// that a drawing asks along the segment. Each answer equals the segment's own (GetPosition,
// GetPoint), bit for bit, but finding the sections under a point does not walk the lists: when
// the sections' latitudes at both ends grow along the list, as in every ordinary track, the
// latitudes at any fraction from 0 to 1 grow along it too, and the section is found by bisection;
// otherwise the lists are walked as the segment walks them, over values read once. A segment
// whose sections the segment itself would refuse (none, or a reference to a node of another
// kind) is left to the segment, which refuses it as before.
//
// Every section read or looked at is a step of the walk meter (Util::WalkMeter).
//
// The segment must outlive the look-up, and its sections must not change while it is in use.
#include <vector>

#include "Papy/Model/ThreeDObjectXSection.h"
#include "Papy/Model/TrackPosition.h"
#include "Papy/Model/Vertex.h"
#include "Util/CountedPointer.h"
#include "Util/WalkMeter.h"

namespace Velmo::Papy
{
class ThreeDObjectTrackSegment;

class TrackSegmentLookup
{
public:
    // Reads every cross and floor section of the segment once.
    explicit TrackSegmentLookup(const ThreeDObjectTrackSegment& segment);

    const ThreeDObjectTrackSegment& GetSegment() const { return m_segment; }

    // The segment's GetPosition, GetPoint and the x and y of GetPoint; the plan point asks no
    // section at all.
    TrackPosition GetPosition(double f, double latitude, bool straight) const;
    Vertex GetPoint(double f, double latitude, bool straight = false) const;
    void GetPlanPoint(double f, double latitude, bool straight, double& x, double& y) const;

    // The sections read when the look-up was made.
    int GetSectionsRead() const { return int(m_crossEdges.size() + m_floorEdges.size()); }
    // The section values that one position or point reads at most: a bisection of each ordered
    // list, a walk of the others.
    double GetReadsPerPoint() const;

    // The section choice of the segment and of the look-up: the first index from first on below
    // count whose latitude, as latitudeAt(index) gives it, exceeds the latitude; count when
    // none does. The segment's lists are walked so, each section looked at a step of the walk
    // meter.
    template <class LatitudeAt>
    static int FirstSectionBeyond(int first, int count, double latitude, LatitudeAt latitudeAt)
    {
        for (int i = first; i < count; ++i)
        {
            Util::WalkMeter::Tick();
            if (latitudeAt(i) > latitude)
                return i;
        }
        return count;
    }

private:
    // A latitude that runs linearly along the segment.
    struct Edge
    {
        double Start;
        double End;
    };
    // True when the edges are finite and grow along the list at both ends.
    static bool Ordered(const std::vector<Edge>& edges);
    // The first edge from index first on whose latitude at f, as the value function gives it,
    // exceeds the latitude; edges.size() when none does.
    template <class Latitude>
    static int FirstBeyond(const std::vector<Edge>& edges, bool ordered, int first, double f, double latitude,
                           Latitude value);
    // GetPosition without the floor.
    TrackPosition Place(double f, double latitude, bool straight) const;

    const ThreeDObjectTrackSegment& m_segment;
    // False when the segment has no cross or floor sections or one of them is of another kind.
    bool m_regular = true;
    std::vector<Util::CountedPointer<ThreeDObjectXSection>> m_cross;
    std::vector<Edge> m_crossEdges;
    bool m_crossOrdered = false;
    std::vector<Edge> m_floorEdges;
    std::vector<double> m_floorTypes;
    bool m_floorsOrdered = false;
};
} // namespace Velmo::Papy
