#pragma once
// The box around the points of a track plan walk. Starts empty (minima 1e9, maxima -1e9);
// points that are not finite are left out.
struct TrackPlanBounds
{
    double MinX = 1e9;
    double MaxX = -1e9;
    double MinY = 1e9;
    double MaxY = -1e9;
    double MinZ = 1e9;
    double MaxZ = -1e9;

    void Add(double x, double y, double z);
    // No point added.
    bool IsEmpty() const { return !(MinX <= MaxX && MinY <= MaxY && MinZ <= MaxZ); }
    bool operator==(const TrackPlanBounds& other) const = default;
};
