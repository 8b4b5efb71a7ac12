#pragma once
// The budget of a track plan, shared by the PTF plan of the 3D-object pane and the plan of the
// track and replay panes: the pieces a segment is cut into, at most MaxPieces, and, for the
// whole plan, at most MaxPoints points. A plan that would place more is drawn (and measured)
// at a whole multiple of its step, the smallest with which it fits, and says so once in a
// notice; a plan of one piece per segment is never cut further (its size is bounded by the
// file's).
//
// Each plan keeps its own cut: the PTF plan cuts a segment into 1 + trunc(length / step) equal
// pieces, the track plan into whole steps from its start with the rest as the last piece.
#include <string>
#include <vector>

class TrackPlanBudget
{
public:
    static constexpr int MaxPieces = 100000;
    // The frame's limit of track points (FrameBudget) shared by the plan's walks of a first
    // frame: it is measured and drawn, and the sections looked up with the points need room.
    static double MaxPoints();

    enum class Cut
    {
        EqualPieces, // 1 + trunc(length / step) pieces of equal length
        WholeSteps,  // ceil(length / step) pieces: whole steps, the rest last
    };

    // What one segment asks of the budget: its length and the points each of its pieces places.
    struct Load
    {
        double Length = 0;
        long long PointsPerPiece = 0;
    };

    // The pieces of a segment: none for a length that is not finite (or negative; for whole
    // steps also 0), at most MaxPieces; a step that is not finite and positive gives none.
    static int PieceCount(Cut cut, double length, double step);
    // The points of the segments cut at that step.
    static long long CountPoints(Cut cut, double step, const std::vector<Load>& loads);
    // The step at which the segments fit the budget: step itself when they do, else the
    // smallest whole multiple of it with which they do, or one that cuts every segment into
    // one piece when none does.
    static double FitStep(Cut cut, double step, const std::vector<Load>& loads);
    // The notice of a plan drawn at the fitted step instead of the one asked.
    static std::string StepsText(double asked, double fitted);
};
