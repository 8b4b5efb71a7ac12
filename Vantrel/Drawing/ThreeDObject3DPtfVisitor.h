#pragma once
// Draws a PTF track as a flat plan in the X-Y plane with OpenGL: the surface bands of every
// segment's floor sections coloured by surface type, its walls as lines coloured by wall type,
// and its centre line in red over them. With bounds recording on it also measures the plan.
//
// A segment is drawn in pieces of about 3 units: 1 + trunc(length / 3) of them. A length that
// is not finite (a broken file) gives no pieces, and no segment is cut into more than MaxPieces.
// The whole plan keeps to TrackPlanBudget: a plan over it is drawn at a whole multiple of the
// step. Each walk (the measuring, the drawing, and the walk that fits the step) keeps to a
// FrameBudget too, the frame's when it is handed one: nodes, the points of the plan with the
// sections looked up to place them, and the window area of the bands drawn. Past it the plan
// stops where it is and the report tells so.
#include <optional>
#include <string>

#include "Papy/Model/TrackSegmentLookup.h"
#include "Util/CountedPointer.h"
#include "Vantrel/Drawing/BudgetedVisitor.h"
#include "Vantrel/Drawing/ScreenArea.h"
#include "Vantrel/Drawing/TrackPlanBudget.h"
#include "Vantrel/Drawing/ViewCamera.h"

namespace Velmo::Papy
{
class ThreeDObject;
}

class ThreeDObject3DPtfVisitor : public BudgetedVisitor
{
public:
    static constexpr int MaxPieces = TrackPlanBudget::MaxPieces;
    // The step asked for, in units.
    static constexpr double Step = 3;

    // The number of pieces of a segment of that length.
    static int GetPieceCount(double length, double step = Step);
    // The step at which the plan of the node keeps to the budget: Step, or a whole multiple of
    // it. The walk that finds the segments keeps to the frame's budget (none: one of its own);
    // past it, it fits the step to what it found, and says so in the report (if any).
    static double FitStep(const Velmo::Util::CountedPointer<Velmo::Papy::ThreeDObject>& node,
                          DrawingReport* report = nullptr, FrameBudget* frame = nullptr);
    // The notice of a plan drawn at the fitted step instead of Step.
    static std::string StepsText(double fitted);

    // Clears the colour buffer to white with depth testing off (it stays off), resets the
    // bounds, and draws the node.
    void Run(bool recordBounds, const Velmo::Util::CountedPointer<Velmo::Papy::ThreeDObject>& node);
    // Measures the plan of the node (the same points as Run) without any OpenGL call.
    void Measure(const Velmo::Util::CountedPointer<Velmo::Papy::ThreeDObject>& node);
    // The step of the last walk.
    double GetStep() const { return m_step; }
    // One vertex of the plan; widens the bounds while recording.
    void PlotPoint(double x, double y);

    // The plan's extent: 1e9 / -1e9 while nothing was plotted with recording on.
    double GetMinX() const { return m_minX; }
    double GetMaxX() const { return m_maxX; }
    double GetMinY() const { return m_minY; }
    double GetMaxY() const { return m_maxY; }
    // The same as a box in the plane z = 0.
    ViewBounds GetBounds() const;

    bool EnterTrackSegment(Velmo::Papy::ThreeDObjectTrackSegment& node) override;
    bool BeforeTrackSegmentFSection(Velmo::Papy::ThreeDObjectTrackSegment& node, int i) override;
    void LeaveTrackSegment(Velmo::Papy::ThreeDObjectTrackSegment& node) override;
    bool EnterFSection(Velmo::Papy::ThreeDObjectFSection& node) override;
    bool EnterWSection(Velmo::Papy::ThreeDObjectWSection& node) override;
    bool EnterTsoReference(Velmo::Papy::ThreeDObjectTsoReference& node) override;
    // Neither holds a track: the plan passes them by, as the drawing does (a GPL object's
    // locators can name their shared lists over millions of paths).
    bool EnterHandle(Velmo::Papy::ThreeDObjectHandle& node) override;
    bool EnterObjectLocatorList(Velmo::Papy::ThreeDObjectObjectLocatorList& node) override;

private:
    void Start(bool recordBounds, bool draw, const Velmo::Util::CountedPointer<Velmo::Papy::ThreeDObject>& node);
    // The window area of a band's piece, charged before it is drawn (nothing while measuring).
    bool SpendPiece(const double corners[4][2]);

    Velmo::Papy::ThreeDObjectTrackSegment* m_segment = nullptr;
    // The sections of the current segment, read once for all its points.
    std::optional<Velmo::Papy::TrackSegmentLookup> m_sections;
    int m_nextFSection = 0;
    bool m_recordBounds = false;
    bool m_draw = true;
    double m_step = Step;
    ScreenArea m_area;
    double m_minX = 1e9;
    double m_maxX = -1e9;
    double m_minY = 1e9;
    double m_maxY = -1e9;
};
