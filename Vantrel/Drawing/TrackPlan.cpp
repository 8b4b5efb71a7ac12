#include "Vantrel/Drawing/TrackPlan.h"

#include <GL/gl.h>

#include <algorithm>
#include <cmath>
#include <vector>

#include "Papy/Track/Track.h"
#include "Util/OpenGL/XOpenGL.h"
#include "Vantrel/Drawing/TrackPlanPoints.h"

using namespace Velmo;
using namespace Velmo::Papy;

namespace
{
// Walls wider than this at either end are not drawn.
constexpr double MaxWallWidth = 3;

// The track view's surface colours: the plan's but for asphalt, lighter here, and water, which
// the track view shows as the surfaces without a colour.
constexpr PlanColourRow TrackSurfaceColours[] = {
    {0, {0.6, 0.6, 0.6}}, // Asphalt
    {1, {0.8, 0.8, 0.8}}, // Concrete
    {2, {0.7, 0.6, 0.4}}, // Dirt
    {3, {0.2, 0.8, 0.2}}, // Grass
    {4, {0.8, 0.7, 0.5}}, // Gravel
    {6, {1.0, 1.0, 0.0}}, // Paint
    {7, {1.0, 0.0, 0.0}}, // Rumble Strip
    {8, {1.0, 0.9, 0.7}}, // Sand
    {9, {0.6, 0.5, 0.4}}, // Train Track
};
// Invisible, Unknown, Unreachable, Water and any other.
constexpr PlanColour OtherTrackSurface{0.0, 0.0, 1.0};

// The distances from the segment's start where its pieces begin and end, the last the length.
void PieceEnds(double length, double step, std::vector<double>& ends)
{
    ends.clear();
    const int pieces = TrackPlan::PieceCount(length, step);
    if (pieces == 0)
        return;
    // Whole steps, the last piece the rest; a capped segment is cut into equal pieces.
    const bool capped = std::ceil(length / step) > pieces;
    ends.reserve(std::size_t(pieces) + 1);
    for (int k = 0; k < pieces; ++k)
        ends.push_back(capped ? length * k / pieces : std::min(k * step, length));
    ends.push_back(length);
}

// The points of an edge whose latitude runs linearly from start to end along the segment, as
// many of them as the budget takes (all, or fewer and the budget is spent).
void EdgePoints(TrackPlanPoints& plan, const std::vector<double>& ends, double length, double start, double end,
                std::vector<Vertex>& points)
{
    points.clear();
    const int taken = plan.Take(int(ends.size()));
    for (int k = 0; k < taken; ++k)
    {
        const double distance = ends[std::size_t(k)];
        const double f = distance / length;
        points.push_back(plan.Point(distance, start + (end - start) * f));
    }
}

// Sends the walk to OpenGL. Pieces of one kind follow each other in one glBegin/glEnd, the
// colour changing between them, so that the display list holds few primitives; the track is
// asked for every point of a band before its pieces are sent.
class DrawSink
{
public:
    DrawSink() = default;
    DrawSink(const DrawSink&) = delete;
    DrawSink& operator=(const DrawSink&) = delete;
    // Ends an open primitive when the walk is left by an exception.
    ~DrawSink() { End(); }

    void Colour(const PlanColour& colour, double factor)
    {
        glColor3d(colour.Red * factor, colour.Green * factor, colour.Blue * factor);
    }
    void Quad(const Vertex& a, const Vertex& b, const Vertex& c, const Vertex& d)
    {
        Begin(GL_QUADS);
        Point(a);
        Point(b);
        Point(c);
        Point(d);
    }
    void Line(const Vertex& a, const Vertex& b)
    {
        Begin(GL_LINES);
        Point(a);
        Point(b);
    }
    void End()
    {
        if (m_open)
            glEnd();
        m_open = false;
    }

private:
    void Begin(GLenum mode)
    {
        if (m_open && m_mode == mode)
            return;
        End();
        glBegin(mode);
        m_mode = mode;
        m_open = true;
    }
    static void Point(const Vertex& v) { glVertex3d(v.GetX(), v.GetY(), v.GetZ()); }

    GLenum m_mode = GL_QUADS;
    bool m_open = false;
};

// Merges the walk into bounds.
class MeasureSink
{
public:
    explicit MeasureSink(TrackPlanBounds& bounds) : m_bounds(bounds) {}
    void Colour(const PlanColour&, double) {}
    void Quad(const Vertex& a, const Vertex& b, const Vertex& c, const Vertex& d)
    {
        Point(a);
        Point(b);
        Point(c);
        Point(d);
    }
    void Line(const Vertex& a, const Vertex& b)
    {
        Point(a);
        Point(b);
    }
    void End() {}

private:
    void Point(const Vertex& v) { m_bounds.Add(v.GetX(), v.GetY(), v.GetZ()); }

    TrackPlanBounds& m_bounds;
};

// One quadrilateral per piece between two edges: a at the piece's start and end, then b back;
// as far as both edges reach.
template <class Sink>
void Band(Sink& sink, const std::vector<Vertex>& a, const std::vector<Vertex>& b)
{
    for (std::size_t k = 0; k + 1 < a.size() && k + 1 < b.size(); ++k)
        sink.Quad(a[k], a[k + 1], b[k + 1], b[k]);
}

// The segments walked: all for segment -1, else that one (none when the track lacks it).
bool Range(const Track& track, int segment, int& first, int& last)
{
    const int count = track.GetSegmentCount();
    first = 0;
    last = count;
    if (segment < 0)
        return true;
    if (segment >= count)
        return false;
    first = segment;
    last = segment + 1;
    return true;
}

// The step at which the walked segments fit the plan's budget: a band or a wall places at most
// two points a piece (its edges).
double FittedStep(const Track& track, int segment, double step)
{
    int first = 0, last = 0;
    if (!Range(track, segment, first, last))
        return step;
    std::vector<TrackPlanBudget::Load> loads;
    loads.reserve(std::size_t(std::max(last - first, 0)));
    for (int s = first; s < last; ++s)
    {
        auto seg = track.GetSegment(s);
        const long long parts = (long long)std::max(seg->GetFSectionCount(), 0) + std::max(seg->GetWSectionCount(), 0);
        loads.push_back({seg->GetLength2D(), 2 * parts});
    }
    return TrackPlanBudget::FitStep(TrackPlanBudget::Cut::WholeSteps, step, loads);
}

// The walk stops where the budget is spent: what it sent stays sent.
template <class Sink>
void Walk(const Track& track, int segment, double step, TrackPlanPoints& plan, Sink& sink)
{
    int first = 0, last = 0;
    if (!Range(track, segment, first, last))
        return;
    std::vector<double> ends;
    std::vector<Vertex> a, b;
    for (int pass = 0; pass < 2; ++pass)
        for (int s = first; s < last; ++s)
        {
            if (plan.IsSpent())
                return;
            auto seg = track.GetSegment(s);
            // The segment's points are asked by the distance in plan from its start.
            const double length = seg->GetLength2D();
            PieceEnds(length, step, ends);
            if (ends.empty())
                continue;
            // The segment is taken up at its first edge of the pass: a pass that draws none of
            // it reads none of its sections.
            bool begun = false;
            const auto edge = [&](double start, double end, std::vector<Vertex>& points) {
                points.clear();
                if (!begun && !plan.Begin(seg))
                    return false;
                begun = true;
                EdgePoints(plan, ends, length, start, end, points);
                return points.size() == ends.size();
            };
            const int floors = seg->GetFSectionCount();
            for (int f = 0; f < floors; ++f)
            {
                auto floor = seg->GetFSection(f);
                const int type = floor->GetType();
                if (TrackPlan::SurfacePass(type) != pass)
                    continue;
                sink.Colour(TrackPlan::SurfaceColour(type), 1 - 0.01 * floor->GetGripModifier());
                if (edge(floor->GetRightStart(), floor->GetRightEnd(), a))
                    edge(floor->GetLeftStart(), floor->GetLeftEnd(), b);
                else
                    b.clear();
                Band(sink, a, b);
                if (plan.IsSpent())
                    return;
            }
            if (pass == 0)
                continue;
            const int walls = seg->GetWSectionCount();
            for (int w = 0; w < walls; ++w)
            {
                auto wall = seg->GetWSection(w);
                const double startWidth = wall->GetStartWidth(), endWidth = wall->GetEndWidth();
                if (startWidth > MaxWallWidth || endWidth > MaxWallWidth)
                    continue;
                const double startLatitude = wall->GetStartLatitude(), endLatitude = wall->GetEndLatitude();
                sink.Colour(WallPlanColour(wall->GetType()), 1);
                const bool whole = edge(startLatitude - startWidth, endLatitude - endWidth, a);
                if (startWidth <= 0 && endWidth <= 0)
                {
                    for (std::size_t k = 0; k + 1 < a.size(); ++k)
                        sink.Line(a[k], a[k + 1]);
                }
                else
                {
                    if (whole)
                        edge(startLatitude + startWidth, endLatitude + endWidth, b);
                    else
                        b.clear();
                    Band(sink, a, b);
                }
                if (plan.IsSpent())
                    return;
            }
        }
}
} // namespace

int TrackPlan::PieceCount(double length, double step)
{
    return TrackPlanBudget::PieceCount(TrackPlanBudget::Cut::WholeSteps, length, step);
}

double TrackPlan::Draw(const Track& track, int segment, double step)
{
    FrameBudget budget;
    return Draw(track, segment, step, budget);
}

double TrackPlan::Draw(const Track& track, int segment, double step, FrameBudget& budget)
{
    glDisable(GL_DEPTH_TEST);
    OpenGL::CheckError();
    const double fitted = FittedStep(track, segment, step);
    {
        TrackPlanPoints plan(budget);
        // Ended at the deadline, the sink closes what it had open as it goes.
        budget.KeepToDeadline([&] {
            DrawSink sink;
            Walk(track, segment, fitted, plan, sink);
        });
    }
    OpenGL::CheckError();
    return fitted;
}

double TrackPlan::Measure(const Track& track, int segment, double step, TrackPlanBounds& bounds)
{
    FrameBudget budget;
    return Measure(track, segment, step, bounds, budget);
}

double TrackPlan::Measure(const Track& track, int segment, double step, TrackPlanBounds& bounds,
                          FrameBudget& budget)
{
    const double fitted = FittedStep(track, segment, step);
    TrackPlanPoints plan(budget);
    MeasureSink sink(bounds);
    budget.KeepToDeadline([&] { Walk(track, segment, fitted, plan, sink); });
    return fitted;
}

PlanColour TrackPlan::SurfaceColour(int surfaceType)
{
    return FindPlanColour(TrackSurfaceColours, surfaceType, OtherTrackSurface);
}

int TrackPlan::SurfacePass(int surfaceType)
{
    // Asphalt, concrete and paint lie over the rest.
    return surfaceType == 0 || surfaceType == 1 || surfaceType == 6 ? 1 : 0;
}
