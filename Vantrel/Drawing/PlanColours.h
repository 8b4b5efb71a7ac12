#pragma once
// The colours of the track plans: surface bands by surface type, walls by wall type. One table
// each, shared by the 3D-object pane's plan and the track and replay panes.
struct PlanColour
{
    double Red;
    double Green;
    double Blue;
};

PlanColour SurfacePlanColour(int surfaceType);
PlanColour WallPlanColour(int wallType);
