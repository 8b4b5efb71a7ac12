#include "Papy/Model/ThreeDObjectTrack.h"

#include "Util/Exception.h"
#include "Util/WalkMeter.h"

namespace Velmo::Papy
{
namespace
{
// A segment reference that names a node of another kind yields no segment; that is refused
// here rather than followed.
Util::CountedPointer<ThreeDObjectTrackSegment> GetSegmentNode(const ThreeDObjectTrack& track, int i)
{
    // A step of the walk meter, as every look-up of a list in a walk.
    Util::WalkMeter::Tick();
    Util::CountedPointer<ThreeDObjectTrackSegment> segment = track.GetSegment(i);
    VELMO_ASSERT_TEXT(segment.Get() != nullptr, "segment != 0");
    return segment;
}
} // namespace

// The segments of a track form a closed chain: distances along it start at the start of
// segment 0, and one lap plus part of the first segment is still found.
int ThreeDObjectTrack::FindSegment(double distance, double& remaining) const
{
    int count = GetSegmentCount();
    VELMO_ASSERT_TEXT(count > 0, "GetSegmentCount() > 0");
    for (int i = 0; i <= count; ++i)
    {
        int k = i % count;
        double length = GetSegmentNode(*this, k)->GetLength();
        // A distance on a boundary belongs to the later segment.
        if (length > distance)
        {
            remaining = distance;
            return k;
        }
        distance -= length;
    }
    VELMO_ASSERT(false);
    return 0;
}

TrackPosition ThreeDObjectTrack::GetPosition(double distance, double latitude) const
{
    double remaining;
    Util::CountedPointer<ThreeDObjectTrackSegment> segment = GetSegmentNode(*this, FindSegment(distance, remaining));
    return segment->GetPosition(remaining / segment->GetLength(), latitude, false);
}
} // namespace Velmo::Papy
