#pragma once
// A cross section of a track segment: the latitude span and the altitude curve of a strip of road.
#include "Papy/Model/ThreeDObject.h"
#include "Papy/Model/ThreeDObjectVisitor.h"
#include "Papy/Model/ThreeDObjectWalk.h"
#include "Util/CountedPointer.h"

namespace Velmo::Papy
{
class ThreeDObjectXSection : public virtual ThreeDObject
{
public:
    virtual double GetStartLatitude() const = 0;
    virtual double GetEndLatitude() const = 0;
    virtual void SetLatitude(double start, double end) = 0;
    virtual double GetStartAltitude() const = 0;
    virtual double GetEndAltitude() const = 0;
    // Per unit of the fraction along the segment.
    virtual double GetStartSlope() const = 0;
    virtual double GetEndSlope() const = 0;
    virtual void SetAltitude(double startAltitude, double endAltitude, double startSlope, double endSlope) = 0;

    // The lateral position at fraction f (0 at the segment's start, 1 at its end).
    double GetLatitude(double f) const;
    // The same of a section of those latitudes at its ends: every look-up of a section's
    // latitude gives these doubles.
    static double LatitudeAt(double start, double end, double f) { return end * f + start * (1 - f); }
    // The altitude at fraction f: the cubic through both altitudes with both slopes.
    double GetAltitude(double f) const;
    // The derivative of that cubic at f.
    double GetAltitudeSlope(double f) const;

    void Accept(ThreeDObjectVisitor& visitor) override
    {
        ThreeDObjectWalk::Leaf(visitor, *this, &ThreeDObjectVisitor::VisitXSection);
    }
};
} // namespace Velmo::Papy
