#pragma once
// A wall strip of a segment.
#include "Papy/Model/WallType.h"

namespace Velmo::Papy
{
class TrackWSection
{
public:
    virtual ~TrackWSection() = default;

    // Latitude of the wall's centre at the segment's start and end.
    virtual double GetStartLatitude() const = 0;
    virtual double GetEndLatitude() const = 0;
    virtual double GetStartHeight() const = 0;
    virtual double GetEndHeight() const = 0;
    virtual double GetStartWidth() const = 0;
    virtual double GetEndWidth() const = 0;
    virtual WallType GetType() const = 0;
};
} // namespace Velmo::Papy
