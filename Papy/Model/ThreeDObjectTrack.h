#pragma once
// The top of a track object: its segments, trackside details and objects, bump maps and lighting.
#include <string>

#include "Papy/Model/Colour.h"
#include "Papy/Model/ThreeDObject.h"
#include "Papy/Model/ThreeDObjectTrackSegment.h"
#include "Papy/Model/ThreeDObjectVisitor.h"
#include "Papy/Model/ThreeDObjectWalk.h"
#include "Papy/Model/TrackPosition.h"
#include "Util/CountedPointer.h"

namespace Velmo::Papy
{
class ThreeDObjectTrack : public virtual ThreeDObject
{
public:
    virtual double GetSkyRotation() const = 0;
    virtual bool IsNightTime() const = 0;
    virtual Colour GetAmbientColour() const = 0;
    virtual int GetDetailCount() const = 0;
    virtual Util::CountedPointer<ThreeDObject> GetDetail(int i) const = 0;
    virtual int GetTracksideObjectCount() const = 0;
    virtual Util::CountedPointer<ThreeDObject> GetTracksideObject(int i) const = 0;
    virtual int GetSegmentCount() const = 0;
    virtual Util::CountedPointer<ThreeDObjectTrackSegment> GetSegment(int i) const = 0;
    virtual int GetBumpMapCount() const = 0;
    virtual std::string GetBumpMapName(int i) const = 0;
    // j from 0 to 3.
    virtual double GetBumpMapSize(int i, int j) const = 0;
    // j from 0 to 3.
    virtual double GetBumpMapDistance(int i, int j) const = 0;

    // The segment that holds a distance along the track and the distance left within it.
    // A distance on a boundary belongs to the later segment; the whole track length lands at
    // the start of segment 0.
    int FindSegment(double distance, double& remaining) const;
    // The position at a distance along the track and a lateral offset (positive to the left).
    TrackPosition GetPosition(double distance, double latitude) const;

    void Accept(ThreeDObjectVisitor& visitor) override
    {
        if (visitor.EnterTrack(*this))
        {
            // Segments first, then details, then trackside objects; every item is visited.
            ThreeDObjectWalk::OpenItems(visitor, *this, &ThreeDObjectTrack::GetSegmentCount,
                                        &ThreeDObjectTrack::GetSegment, &ThreeDObjectVisitor::BeforeTrackSegment,
                                        &ThreeDObjectVisitor::AfterTrackSegment);
            ThreeDObjectWalk::OpenItems(visitor, *this, &ThreeDObjectTrack::GetDetailCount,
                                        &ThreeDObjectTrack::GetDetail, &ThreeDObjectVisitor::BeforeTrackDetail,
                                        &ThreeDObjectVisitor::AfterTrackDetail);
            ThreeDObjectWalk::OpenItems(
                visitor, *this, &ThreeDObjectTrack::GetTracksideObjectCount, &ThreeDObjectTrack::GetTracksideObject,
                &ThreeDObjectVisitor::BeforeTrackTracksideObject, &ThreeDObjectVisitor::AfterTrackTracksideObject);
        }
        visitor.LeaveTrack(*this);
    }
};
} // namespace Velmo::Papy
