#pragma once
// One piece of a track, straight or a circular arc in plan, with its cross, floor and wall
// sections.
#include "Papy/Model/ThreeDObject.h"
#include "Papy/Model/ThreeDObjectFSection.h"
#include "Papy/Model/ThreeDObjectVisitor.h"
#include "Papy/Model/ThreeDObjectWSection.h"
#include "Papy/Model/ThreeDObjectWalk.h"
#include "Papy/Model/ThreeDObjectXSection.h"
#include "Papy/Model/TrackPosition.h"
#include "Papy/Model/Vertex.h"
#include "Util/CountedPointer.h"

namespace Velmo::Papy
{
class ThreeDObjectTrackSegment : public virtual ThreeDObject
{
public:
    // A circular arc in plan.
    virtual bool IsCorner() const = 0;
    virtual double GetStartX() const = 0;
    virtual double GetStartY() const = 0;
    virtual double GetEndX() const = 0;
    virtual double GetEndY() const = 0;
    // Radians, the direction of travel.
    virtual double GetStartHeading() const = 0;
    virtual double GetEndHeading() const = 0;
    virtual int GetXSectionCount() const = 0;
    virtual Util::CountedPointer<ThreeDObjectXSection> GetXSection(int i) const = 0;
    virtual int GetFSectionCount() const = 0;
    virtual Util::CountedPointer<ThreeDObjectFSection> GetFSection(int i) const = 0;
    virtual int GetWSectionCount() const = 0;
    virtual Util::CountedPointer<ThreeDObjectWSection> GetWSection(int i) const = 0;
    // Bump map entries, sorted by their start plus end latitude.
    virtual int GetBumpMapEntryCount() const = 0;
    virtual double GetBumpMapStartLatitude(int i) const = 0;
    virtual double GetBumpMapEndLatitude(int i) const = 0;
    virtual int GetBumpMapIndex(int i) const = 0;
    virtual double GetBumpMapStartScale(int i) const = 0;
    virtual double GetBumpMapEndScale(int i) const = 0;

    // Centre, radius and signed swept angle (positive for a left-hand turn) of a corner.
    void GetArc(double& centreX, double& centreY, double& radius, double& angle) const;
    // The length in plan.
    double GetLength() const;
    // The position at fraction f (0 at the start, 1 at the end) and a lateral offset (positive
    // to the left of the direction of travel); straight interpolates the point along the chord
    // even on a corner.
    TrackPosition GetPosition(double f, double latitude, bool straight) const;
    // x, y and z of GetPosition (the floor sections are not walked for them).
    Vertex GetPoint(double f, double latitude, bool straight = false) const;
    // The heading, x and y of GetPosition, which need no sections; the other fields are 0.
    TrackPosition GetPlanPosition(double f, double latitude, bool straight) const;
    // Sets z, pitch and bank of a position at fraction f and that latitude from the cross
    // section the latitude lies on or beyond (at sectionLatitude there) and the next one (at
    // nextLatitude; none when the section is the last): interpolated between the two, else the
    // section's own with bank 0.
    static void Raise(TrackPosition& position, double f, double latitude, const ThreeDObjectXSection& section,
                      double sectionLatitude, const ThreeDObjectXSection* next, double nextLatitude);

    void Accept(ThreeDObjectVisitor& visitor) override
    {
        if (visitor.EnterTrackSegment(*this))
        {
            // Floor sections, then wall sections, then cross sections.
            ThreeDObjectWalk::Items(
                visitor, *this, &ThreeDObjectTrackSegment::GetFSectionCount, &ThreeDObjectTrackSegment::GetFSection,
                &ThreeDObjectVisitor::BeforeTrackSegmentFSection, &ThreeDObjectVisitor::AfterTrackSegmentFSection);
            ThreeDObjectWalk::Items(
                visitor, *this, &ThreeDObjectTrackSegment::GetWSectionCount, &ThreeDObjectTrackSegment::GetWSection,
                &ThreeDObjectVisitor::BeforeTrackSegmentWSection, &ThreeDObjectVisitor::AfterTrackSegmentWSection);
            ThreeDObjectWalk::Items(
                visitor, *this, &ThreeDObjectTrackSegment::GetXSectionCount, &ThreeDObjectTrackSegment::GetXSection,
                &ThreeDObjectVisitor::BeforeTrackSegmentXSection, &ThreeDObjectVisitor::AfterTrackSegmentXSection);
        }
        visitor.LeaveTrackSegment(*this);
    }

private:
    // GetPosition but for the floor.
    TrackPosition Place(double f, double latitude, bool straight) const;
};
} // namespace Velmo::Papy
