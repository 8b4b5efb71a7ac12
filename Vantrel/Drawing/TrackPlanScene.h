#pragma once
// What the track pane keeps between paints, apart from its window: the selected segment, the
// bounds with the whole track's saved once measured, the camera, and the display list that
// holds the plan. The pane calls SetUpView before each paint and DrawPlan in it (or Paint for
// both), with its OpenGL context current.
//
// The plan is always the whole track, drawn once into the display list and replayed after; a
// selected segment only moves the camera onto it.
//
// Each paint keeps to a frame's budget (FrameBudget), whole again at its start (SetUpView): the
// bounds walk takes a share of it, the plan's compile what is left, the overlay what the two
// leave. A walk past it stops where it is: the bounds are what it reached, the list holds the
// plan as far as it went (and is replayed so), and the paint's notices say the plan is drawn in
// part (DrawingMessages::TooLarge), beside the steps notice of a plan drawn at a multiple of its
// step.
#include <functional>
#include <string>
#include <vector>

#include "Vantrel/Drawing/DrawingReport.h"
#include "Vantrel/Drawing/FrameBudget.h"
#include "Vantrel/Drawing/TrackPlanBounds.h"
#include "Vantrel/Drawing/TrackPlanCamera.h"

namespace Velmo::Papy
{
class Track;
}

class TrackPlanScene
{
public:
    TrackPlanScene() = default;
    TrackPlanScene(const TrackPlanScene&) = delete;
    TrackPlanScene& operator=(const TrackPlanScene&) = delete;

    // The pane's update: a nonzero code selects, -1 the whole track, any other the segment of
    // its bits 16-30 (TrkHint); 0 keeps the selection.
    void Select(int hintCode);
    // -1 for the whole track.
    int GetSelectedSegment() const { return m_segment; }

    // Before a paint: the bounds of the selection (the saved whole-track bounds when the whole
    // track is selected and they are known, else a walk at BoundsStep), the camera fitted to
    // them and both matrices loaded. A selected segment the track lacks shows the whole track.
    // Nothing without a track. The paint begins here: its budget is whole again.
    void SetUpView(const Velmo::Papy::Track* track, double aspect);
    // The paint: clears to white, then the whole plan from the display list, compiled (and
    // drawn) at the first paint. An empty track, or none, only clears. A failure while the
    // list is compiled deletes it; the next paint compiles again.
    void DrawPlan(const Velmo::Papy::Track* track);
    // SetUpView, DrawPlan and then the overlay, as one paint: a failure is added to the report
    // (each text once, so the pane shows it once) instead of leaving the paint, and the
    // background is cleared when nothing could be drawn; the paint's notices (GetNotices, and
    // the cut when the overlay spent the budget) are added as notices. False when something
    // failed.
    bool Paint(const Velmo::Papy::Track* track, double aspect, DrawingReport& report,
               const std::function<void()>& overlay = {});
    // The notices of the plan drawn by the last paint: the steps notice of a plan drawn at a
    // multiple of its step, the cut of a plan or bounds walk past the budget; none while the
    // plan is whole. Each paint that draws the plan, from the list too, tells them again.
    const std::vector<std::string>& GetNotices() const { return m_notices; }
    // The budget of the paint under way, which the overlay shares.
    FrameBudget& GetFrameBudget() { return m_frame; }
    // Deletes the display list; the context must be current.
    void ReleaseGL();

    const TrackPlanBounds& GetBounds() const { return m_bounds; }
    bool HasSavedBounds() const { return m_saved; }
    const TrackPlanBounds& GetSavedBounds() const { return m_savedBounds; }
    const TrackPlanCamera& GetCamera() const { return m_camera; }
    bool IsCompiled() const { return m_compiled; }

private:
    // Compiles the plan into the list, within what the paint's budget has left, and draws it.
    void Compile(const Velmo::Papy::Track& track);

    int m_segment = -1;
    TrackPlanBounds m_bounds;
    TrackPlanBounds m_savedBounds;
    bool m_saved = false;
    const Velmo::Papy::Track* m_boundsTrack = nullptr;
    TrackPlanCamera m_camera;
    unsigned m_list = 0;
    bool m_compiled = false;
    const Velmo::Papy::Track* m_listTrack = nullptr;
    FrameBudget m_frame;
    // The notices of the plan in the list, of the bounds shown, and of the last paint.
    std::vector<std::string> m_planNotices;
    bool m_boundsCut = false;
    bool m_savedBoundsCut = false;
    std::vector<std::string> m_notices;
};
