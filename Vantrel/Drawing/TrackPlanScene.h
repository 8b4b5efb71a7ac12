#pragma once
// What the track pane keeps between paints, apart from its window: the selected segment, the
// bounds with the whole track's saved once measured, the camera, and the display list that
// holds the plan. The pane calls SetUpView before each paint and DrawPlan in it (or Paint for
// both), with its OpenGL context current.
//
// The plan is always the whole track, drawn once into the display list and replayed after; a
// selected segment only moves the camera onto it.
#include <functional>
#include <string>

#include "Vantrel/Drawing/DrawingReport.h"
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
    // Nothing without a track.
    void SetUpView(const Velmo::Papy::Track* track, double aspect);
    // The paint: clears to white, then the whole plan from the display list, compiled (and
    // drawn) at the first paint. An empty track, or none, only clears. A failure while the
    // list is compiled deletes it; the next paint compiles again.
    void DrawPlan(const Velmo::Papy::Track* track);
    // SetUpView, DrawPlan and then the overlay, as one paint: a failure is added to the report
    // (each text once, so the pane shows it once) instead of leaving the paint, and the
    // background is cleared when nothing could be drawn. False when something failed.
    bool Paint(const Velmo::Papy::Track* track, double aspect, DrawingReport& report,
               const std::function<void()>& overlay = {});
    // The notice of the plan compiled last when it was over the budget (drawn at a multiple of its
    // step), once: empty afterwards, and when there is none.
    std::string TakeMessage();
    // Deletes the display list; the context must be current.
    void ReleaseGL();

    const TrackPlanBounds& GetBounds() const { return m_bounds; }
    bool HasSavedBounds() const { return m_saved; }
    const TrackPlanBounds& GetSavedBounds() const { return m_savedBounds; }
    const TrackPlanCamera& GetCamera() const { return m_camera; }
    bool IsCompiled() const { return m_compiled; }

private:
    int m_segment = -1;
    TrackPlanBounds m_bounds;
    TrackPlanBounds m_savedBounds;
    bool m_saved = false;
    const Velmo::Papy::Track* m_boundsTrack = nullptr;
    TrackPlanCamera m_camera;
    unsigned m_list = 0;
    bool m_compiled = false;
    const Velmo::Papy::Track* m_listTrack = nullptr;
    std::string m_message;
};
