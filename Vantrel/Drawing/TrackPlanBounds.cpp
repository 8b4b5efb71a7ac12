#include "Vantrel/Drawing/TrackPlanBounds.h"

#include <cmath>

void TrackPlanBounds::Add(double x, double y, double z)
{
    if (!std::isfinite(x) || !std::isfinite(y) || !std::isfinite(z))
        return;
    MinX = x < MinX ? x : MinX;
    MaxX = x > MaxX ? x : MaxX;
    MinY = y < MinY ? y : MinY;
    MaxY = y > MaxY ? y : MaxY;
    MinZ = z < MinZ ? z : MinZ;
    MaxZ = z > MaxZ ? z : MaxZ;
}
