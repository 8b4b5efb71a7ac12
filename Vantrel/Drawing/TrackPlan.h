#pragma once
// The plan of a track seen from above: its surface bands coloured by surface type (asphalt,
// concrete and paint over the rest) and its walls coloured by wall type. One walk either sends
// the plan to OpenGL or measures it.
//
// Each segment is walked along its plan length in pieces of a step: from s to
// s + min(step, L - s), each piece a quadrilateral between the section's right and left edges;
// walls wider than 3 m at either end are left out, walls without width are lines, the others
// quadrilaterals between latitude - width and latitude + width. The plan length is the one the
// segment's points are asked by. The plan keeps to TrackPlanBudget: a plan that would place more
// points is walked at a whole multiple of the step. Each walk also keeps to a frame's budget
// (FrameBudget): every point is charged before it is placed, with the sections it reads
// (TrackPlanPoints), and once the budget is spent the walk stops where it is; what it sent
// stays sent.
#include "Vantrel/Drawing/FrameBudget.h"
#include "Vantrel/Drawing/PlanColours.h"
#include "Vantrel/Drawing/TrackPlanBounds.h"
#include "Vantrel/Drawing/TrackPlanBudget.h"

namespace Velmo::Papy
{
class Track;
}

class TrackPlan
{
public:
    // The step of the drawing and of the bounds walk, in metres.
    static constexpr double DrawStep = 3;
    static constexpr double BoundsStep = 100;
    // The most pieces a segment is cut into; a longer segment gets longer pieces.
    static constexpr int MaxPieces = TrackPlanBudget::MaxPieces;

    // The pieces of a segment of that length: none for a length that is not finite or not
    // positive, at most MaxPieces.
    static int PieceCount(double length, double step);

    // Sends the plan of the segments walked (all for segment -1, else that one) to OpenGL,
    // depth test off, within the budget (IsSpent afterwards: the plan was cut short); without
    // one, within a frame's budget of its own. OpenGL errors raise XOpenGL; what the track throws
    // propagates. Returns the step walked: step, or a multiple of it when the plan was over
    // TrackPlanBudget.
    static double Draw(const Velmo::Papy::Track& track, int segment, double step);
    static double Draw(const Velmo::Papy::Track& track, int segment, double step, FrameBudget& budget);
    // Merges every point the same walk would draw into the bounds, without OpenGL; returns the
    // step walked as Draw does.
    static double Measure(const Velmo::Papy::Track& track, int segment, double step, TrackPlanBounds& bounds);
    static double Measure(const Velmo::Papy::Track& track, int segment, double step, TrackPlanBounds& bounds,
                          FrameBudget& budget);

    // The colour of a surface type in the track plan, and the pass (0 or 1) it is drawn in.
    static PlanColour SurfaceColour(int surfaceType);
    static int SurfacePass(int surfaceType);
};
