#pragma once
// The colours of the track plans: surface bands by surface type, walls by wall type. One table
// each, shared by the 3D-object pane's plan and the track and replay panes; the track view's
// surfaces have a table of their own (TrackPlan::SurfaceColour), looked up the same way.
#include <span>

struct PlanColour
{
    double Red;
    double Green;
    double Blue;
};

// One row of a colour table: a type code and its colour.
struct PlanColourRow
{
    int Code;
    PlanColour Colour;
};

// The colour of the first row naming the code, or otherwise where no row names it.
PlanColour FindPlanColour(std::span<const PlanColourRow> rows, int code, const PlanColour& otherwise);

PlanColour SurfacePlanColour(int surfaceType);
PlanColour WallPlanColour(int wallType);
