#pragma once
// A cross section of a segment: a line of constant latitude along it with its altitude profile,
// a cubic in the fraction t (0 at the segment's start, 1 at its end) through both altitudes
// with both slopes.
namespace Velmo::Papy
{
class TrackXSection
{
public:
    virtual ~TrackXSection() = default;

    virtual double GetStartLatitude() const = 0;
    virtual double GetEndLatitude() const = 0;
    virtual void SetLatitude(double start, double end) = 0;
    virtual double GetStartAltitude() const = 0;
    virtual double GetEndAltitude() const = 0;
    virtual double GetStartSlope() const = 0;
    virtual double GetEndSlope() const = 0;
    virtual void SetAltitude(double startAltitude, double endAltitude, double startSlope, double endSlope) = 0;
    // The cubic's coefficients of t, t^2 and t^3.
    virtual double GetLinear() const = 0;
    virtual double GetSquare() const = 0;
    virtual double GetCube() const = 0;
    virtual double GetAltitudeAt(double distance2D) const = 0;

    // The latitude at fraction t.
    double GetLatitude(double t) const;
    // The altitude and its slope at fraction t, from the start and end values.
    double GetAltitude(double t) const;
    double GetAltitudeSlope(double t) const;
};
} // namespace Velmo::Papy
