#pragma once
// A floor strip of a segment between two latitude edges.
#include "Papy/Model/SurfaceType.h"

namespace Velmo::Papy
{
class TrackFSection
{
public:
    virtual ~TrackFSection() = default;

    // Latitudes of the strip's right and left edges at the segment's start and end.
    virtual double GetRightStart() const = 0;
    virtual double GetRightEnd() const = 0;
    virtual double GetLeftStart() const = 0;
    virtual double GetLeftEnd() const = 0;
    virtual SurfaceType GetType() const = 0;
    virtual int GetGripModifier() const = 0;
};
} // namespace Velmo::Papy
