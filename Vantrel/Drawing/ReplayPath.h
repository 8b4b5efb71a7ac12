#pragma once
// The path of one car through one lap of a replay, drawn as a red line over the track plan:
// for every frame of the lap where the car was recorded, the track's point at the car's
// longitude and latitude. The points keep the track's height: at height 0, the path over a
// track lying higher than a twentieth of the camera's distance would fall beyond the far plane
// of the plan's camera and not show.
//
// The path keeps to a frame's budget: each sample is charged as a point of the track, with the
// sections it reads (TrackPlanPoints), before it is placed; past the budget the path ends at the
// last sample placed.
class FrameBudget;

namespace Velmo::Papy
{
class RpyFile;
class Track;
} // namespace Velmo::Papy

class ReplayPath
{
public:
    // The frames [first, end) of lap g of lap table i of driver d. False when the replay has no
    // such driver, table or lap, when the lap has no frames, or when its frames reach past the
    // replay's.
    static bool GetFrames(const Velmo::Papy::RpyFile& replay, int d, int i, int g, int& first, int& end);
    // Draws the path as one line strip; samples whose place is not finite are left out. Returns
    // the number of points sent (0 when GetFrames gives none). Within the budget (IsSpent
    // afterwards: the path was cut short), else within a frame's budget of its own. OpenGL
    // errors raise XOpenGL; what the track or replay throws propagates.
    static int Draw(const Velmo::Papy::Track& track, const Velmo::Papy::RpyFile& replay, int d, int i, int g);
    static int Draw(const Velmo::Papy::Track& track, const Velmo::Papy::RpyFile& replay, int d, int i, int g,
                    FrameBudget& budget);
};
