#include "Papy/Model/ThreeDObjectTrack.h"

#include "Util/Exception.h"

namespace Velmo::Papy
{
// The segments of a track form a closed chain: distances along it start at the start of
// segment 0, and one lap plus part of the first segment is still found.
int ThreeDObjectTrack::FindSegment(double distance, double& remaining) const
{
    int count = GetSegmentCount();
    VELMO_ASSERT_TEXT(count > 0, "GetSegmentCount() > 0");
    for (int i = 0; i <= count; ++i)
    {
        int k = i % count;
        double length = GetSegment(k)->GetLength();
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
    Util::CountedPointer<ThreeDObjectTrackSegment> segment = GetSegment(FindSegment(distance, remaining));
    return segment->GetPosition(remaining / segment->GetLength(), latitude, false);
}
} // namespace Velmo::Papy
