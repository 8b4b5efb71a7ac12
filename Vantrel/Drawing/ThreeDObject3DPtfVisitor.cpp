#include "Vantrel/Drawing/ThreeDObject3DPtfVisitor.h"

#include <GL/gl.h>

#include <algorithm>
#include <cmath>
#include <vector>

#include "Papy/Model/ThreeDObjectFSection.h"
#include "Papy/Model/ThreeDObjectTrackSegment.h"
#include "Papy/Model/ThreeDObjectWSection.h"
#include "Papy/Model/TrackSegmentLookup.h"
#include "Util/Exception.h"
#include "Util/OpenGL/XOpenGL.h"
#include "Vantrel/Drawing/FrameArea.h"
#include "Vantrel/Drawing/PlanColours.h"
#include "Vantrel/Drawing/TrackPlanBudget.h"

using namespace Velmo::Papy;
using Velmo::OpenGL::CheckError;

namespace
{
struct PlanPoint
{
    double X;
    double Y;
};

PlanPoint PointAt(const TrackSegmentLookup& segment, double fraction, double latitude, bool straight)
{
    PlanPoint p;
    segment.GetPlanPoint(fraction, latitude, straight, p.X, p.Y);
    return p;
}

// The latitude of an edge that runs from start to end along the segment.
double Interpolate(double start, double end, double fraction)
{
    return (1 - fraction) * start + fraction * end;
}

// glBegin to glEnd: a point that cannot be computed (a broken segment) ends the primitive on
// its way out, so that OpenGL is never left between the two. Each primitive's colour is given
// inside it, with its vertices: compiled into a display list, the plan then stays a few long
// runs of vertices instead of one run per colour change, and replays several times faster.
// Nothing at all when the plan is only measured.
class Primitive
{
public:
    Primitive(GLenum mode, bool draw) : m_draw(draw)
    {
        if (m_draw)
            glBegin(mode);
    }
    ~Primitive()
    {
        if (m_draw)
            glEnd();
    }
    Primitive(const Primitive&) = delete;
    Primitive& operator=(const Primitive&) = delete;

private:
    bool m_draw;
};

// What each segment asks of the plan's budget: the centre line's point a piece, two for each
// band (every floor section but the last) and one for each wall, as the drawing charges them.
class LoadVisitor : public BudgetedVisitor
{
public:
    bool EnterTrackSegment(ThreeDObjectTrackSegment& node) override
    {
        const long long bands = std::max(node.GetFSectionCount() - 1, 0);
        const long long walls = std::max(node.GetWSectionCount(), 0);
        Loads.push_back({node.GetLength(), 1 + 2 * bands + walls});
        return false;
    }
    bool EnterTsoReference(ThreeDObjectTsoReference&) override { return false; }
    bool EnterHandle(ThreeDObjectHandle&) override { return false; }
    bool EnterObjectLocatorList(ThreeDObjectObjectLocatorList&) override { return false; }
    std::vector<TrackPlanBudget::Load> Loads;
};

// Fraction k / n, exactly 1 at the segment's end.
double Fraction(int k, int n)
{
    return k == n ? 1.0 : double(k) / double(n);
}
} // namespace

int ThreeDObject3DPtfVisitor::GetPieceCount(double length, double step)
{
    return TrackPlanBudget::PieceCount(TrackPlanBudget::Cut::EqualPieces, length, step);
}

double ThreeDObject3DPtfVisitor::FitStep(const Velmo::Util::CountedPointer<ThreeDObject>& node,
                                         DrawingReport* report, FrameBudget* frame)
{
    if (!node)
        return Step;
    LoadVisitor loads;
    loads.ShareBudget(frame);
    loads.Walk(*node);
    if (report != nullptr)
    {
        for (const std::string& message : loads.GetReport().GetMessages())
            report->Add(message);
        for (const std::string& notice : loads.GetReport().GetNotices())
            report->AddNotice(notice);
    }
    return TrackPlanBudget::FitStep(TrackPlanBudget::Cut::EqualPieces, Step, loads.Loads);
}

std::string ThreeDObject3DPtfVisitor::StepsText(double fitted)
{
    return TrackPlanBudget::StepsText(Step, fitted);
}

void ThreeDObject3DPtfVisitor::Start(bool recordBounds, bool draw, const Velmo::Util::CountedPointer<ThreeDObject>& node)
{
    m_recordBounds = recordBounds;
    m_draw = draw;
    m_minX = 1e9;
    m_maxX = -1e9;
    m_minY = 1e9;
    m_maxY = -1e9;
    m_segment = nullptr;
    m_sections.reset();
    // The step's walk is the walk's first part, within the same budget.
    RestartBudget();
    m_step = FitStep(node, nullptr, &GetBudget());
}

bool ThreeDObject3DPtfVisitor::SpendPiece(const double corners[4][2])
{
    if (!m_draw)
        return true;
    double xyz[12];
    for (int i = 0; i < 4; ++i)
    {
        xyz[3 * i] = corners[i][0];
        xyz[3 * i + 1] = corners[i][1];
        xyz[3 * i + 2] = 0;
    }
    return Spend(FrameBudget::Pixels, m_area.Polygon(xyz, 4));
}

void ThreeDObject3DPtfVisitor::Measure(const Velmo::Util::CountedPointer<ThreeDObject>& node)
{
    Start(true, false, node);
    Walk(*node);
}

void ThreeDObject3DPtfVisitor::Run(bool recordBounds, const Velmo::Util::CountedPointer<ThreeDObject>& node)
{
    Start(recordBounds, true, node);
    ReadFrameArea(m_area);
    glDisable(GL_DEPTH_TEST);
    CheckError();
    glClearColor(1, 1, 1, 1);
    CheckError();
    glClear(GL_COLOR_BUFFER_BIT);
    CheckError();
    Walk(*node);
}

void ThreeDObject3DPtfVisitor::PlotPoint(double x, double y)
{
    if (m_recordBounds)
    {
        if (x < m_minX)
            m_minX = x;
        if (y < m_minY)
            m_minY = y;
        if (x > m_maxX)
            m_maxX = x;
        if (y > m_maxY)
            m_maxY = y;
    }
    if (m_draw)
        glVertex2d(x, y);
}

ViewBounds ThreeDObject3DPtfVisitor::GetBounds() const
{
    ViewBounds bounds;
    bounds.MinX = m_minX;
    bounds.MaxX = m_maxX;
    bounds.MinY = m_minY;
    bounds.MaxY = m_maxY;
    bounds.MinZ = 0;
    bounds.MaxZ = 0;
    return bounds;
}

bool ThreeDObject3DPtfVisitor::EnterTrackSegment(ThreeDObjectTrackSegment& node)
{
    m_segment = &node;
    m_sections.emplace(node);
    return SpendSections(*m_sections);
}

bool ThreeDObject3DPtfVisitor::BeforeTrackSegmentFSection(ThreeDObjectTrackSegment& node, int i)
{
    m_nextFSection = i + 1;
    // The last floor section is only the far edge of the one before it.
    return i + 1 < node.GetFSectionCount();
}

void ThreeDObject3DPtfVisitor::LeaveTrackSegment(ThreeDObjectTrackSegment& node)
{
    bool fits = true;
    if (!m_sections || &m_sections->GetSegment() != &node)
    {
        m_sections.emplace(node);
        fits = SpendSections(*m_sections);
    }
    const int n = fits ? GetPieceCount(node.GetLength(), m_step) : 0;
    {
        Primitive lines(GL_LINES, m_draw);
        if (m_draw)
            glColor4d(1, 0, 0, 1);
        PlanPoint previous = n > 0 && SpendPlanPoints(1) ? PointAt(*m_sections, 0, 0, false) : PlanPoint{};
        for (int k = 1; k <= n && SpendPlanPoints(1); ++k)
        {
            const PlanPoint current = PointAt(*m_sections, Fraction(k, n), 0, false);
            PlotPoint(previous.X, previous.Y);
            PlotPoint(current.X, current.Y);
            previous = current;
        }
    }
    if (m_draw)
        CheckError();
    m_segment = nullptr;
    m_sections.reset();
}

bool ThreeDObject3DPtfVisitor::EnterFSection(ThreeDObjectFSection& node)
{
    if (m_segment == nullptr)
        return false;
    Velmo::Util::CountedPointer<ThreeDObjectFSection> next = m_segment->GetFSection(m_nextFSection);
    VELMO_ASSERT_TEXT(next.Get() != nullptr, "fSection != 0");
    const PlanColour colour = SurfacePlanColour(node.GetSurfaceType());
    const int n = GetPieceCount(m_segment->GetLength(), m_step);
    // Edge A is this section's boundary, edge B the next one's, each with its own reference.
    const double aStart = node.GetStartLatitude(), aEnd = node.GetEndLatitude();
    const double bStart = next->GetStartLatitude(), bEnd = next->GetEndLatitude();
    const bool aStraight = node.IsForcedStraight(), bStraight = next->IsForcedStraight();
    {
        // One quadrilateral a piece: A before, A after, B after, B before.
        Primitive quads(GL_QUADS, m_draw);
        if (m_draw)
            glColor3d(colour.Red, colour.Green, colour.Blue);
        PlanPoint a0{}, b0{};
        if (n > 0 && SpendPlanPoints(2))
        {
            a0 = PointAt(*m_sections, 0, aStart, aStraight);
            b0 = PointAt(*m_sections, 0, bStart, bStraight);
        }
        for (int k = 1; k <= n && SpendPlanPoints(2); ++k)
        {
            const double u = Fraction(k, n);
            const PlanPoint a1 = PointAt(*m_sections, u, Interpolate(aStart, aEnd, u), aStraight);
            const PlanPoint b1 = PointAt(*m_sections, u, Interpolate(bStart, bEnd, u), bStraight);
            const double corners[4][2] = {{a0.X, a0.Y}, {a1.X, a1.Y}, {b1.X, b1.Y}, {b0.X, b0.Y}};
            if (!SpendPiece(corners))
                break;
            PlotPoint(a0.X, a0.Y);
            PlotPoint(a1.X, a1.Y);
            PlotPoint(b1.X, b1.Y);
            PlotPoint(b0.X, b0.Y);
            a0 = a1;
            b0 = b1;
        }
    }
    if (m_draw)
        CheckError();
    return false;
}

bool ThreeDObject3DPtfVisitor::EnterWSection(ThreeDObjectWSection& node)
{
    if (m_segment == nullptr)
        return false;
    const PlanColour colour = WallPlanColour(node.GetWallType());
    const int n = GetPieceCount(m_segment->GetLength(), m_step);
    const double start = node.GetStartLatitude(), end = node.GetEndLatitude();
    const bool straight = node.IsForcedStraight();
    {
        Primitive lines(GL_LINES, m_draw);
        if (m_draw)
            glColor3d(colour.Red, colour.Green, colour.Blue);
        PlanPoint previous = n > 0 && SpendPlanPoints(1) ? PointAt(*m_sections, 0, start, straight) : PlanPoint{};
        for (int k = 1; k <= n && SpendPlanPoints(1); ++k)
        {
            const double u = Fraction(k, n);
            const PlanPoint current = PointAt(*m_sections, u, Interpolate(start, end, u), straight);
            PlotPoint(previous.X, previous.Y);
            PlotPoint(current.X, current.Y);
            previous = current;
        }
    }
    if (m_draw)
        CheckError();
    return false;
}

bool ThreeDObject3DPtfVisitor::EnterTsoReference(ThreeDObjectTsoReference&)
{
    return false;
}

bool ThreeDObject3DPtfVisitor::EnterHandle(ThreeDObjectHandle&)
{
    return false;
}

bool ThreeDObject3DPtfVisitor::EnterObjectLocatorList(ThreeDObjectObjectLocatorList&)
{
    return false;
}
