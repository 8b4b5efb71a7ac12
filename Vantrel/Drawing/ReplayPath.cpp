#include "Vantrel/Drawing/ReplayPath.h"

#include <GL/gl.h>

#include <cmath>
#include <vector>

#include "Papy/Race/RpyFile.h"
#include "Papy/Track/Track.h"
#include "Util/OpenGL/XOpenGL.h"
#include "Vantrel/Drawing/FrameBudget.h"
#include "Vantrel/Drawing/TrackPlanPoints.h"

using namespace Velmo;

bool ReplayPath::GetFrames(const Papy::RpyFile& replay, int d, int i, int g, int& first, int& end)
{
    first = end = 0;
    if (d < 0 || d >= replay.GetDriverCount() || i < 0 || i >= replay.GetLapTableCount() || g < 0 ||
        g >= replay.GetLapCount(i, d))
        return false;
    first = replay.GetLapFirstFrame(i, d, g);
    end = replay.GetLapEndFrame(i, d, g);
    if (first < 0 || end <= first || end > replay.GetFrameCount())
    {
        first = end = 0;
        return false;
    }
    return true;
}

int ReplayPath::Draw(const Papy::Track& track, const Papy::RpyFile& replay, int d, int i, int g)
{
    FrameBudget budget;
    return Draw(track, replay, d, i, g, budget);
}

int ReplayPath::Draw(const Papy::Track& track, const Papy::RpyFile& replay, int d, int i, int g, FrameBudget& budget)
{
    int first = 0, end = 0;
    if (!GetFrames(replay, d, i, g, first, end))
        return 0;
    // The places first, so that nothing can throw between glBegin and glEnd.
    std::vector<Papy::Vertex> points;
    points.reserve(std::size_t(end - first));
    TrackPlanPoints places(budget);
    // Past the deadline the path ends at the last place found.
    budget.KeepToDeadline([&] {
        for (int frame = first; frame < end; ++frame)
        {
            if (!replay.IsSampleValid(d, frame))
                continue;
            const double longitude = replay.GetSampleLongitude(d, frame);
            const double latitude = replay.GetSampleLatitude(d, frame);
            if (!std::isfinite(longitude) || !std::isfinite(latitude))
                continue;
            Papy::Vertex point;
            if (!places.TrackPoint(track, longitude, latitude, point))
                break;
            if (std::isfinite(point.GetX()) && std::isfinite(point.GetY()) && std::isfinite(point.GetZ()))
                points.push_back(point);
        }
    });
    glColor3d(1, 0, 0);
    glBegin(GL_LINE_STRIP);
    for (const Papy::Vertex& point : points)
        glVertex3d(point.GetX(), point.GetY(), point.GetZ());
    glEnd();
    OpenGL::CheckError();
    return int(points.size());
}
