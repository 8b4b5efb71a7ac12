#pragma once
// The plan pane of the track document: the whole track seen from above, drawn once into a
// display list (TrackPlanScene) and replayed at every paint. A segment selected in the tree
// moves only the camera onto it; "root" goes back to the whole track's saved bounds.
//
// The pane keeps the pixels of its last frame: a paint that the window system asks for while
// nothing the pane shows has changed (the tree beside it scrolling sends several a step) is
// answered at once by those pixels (one glDrawPixels, far cheaper than the plan) and the swap,
// instead of drawing the whole plan again. A hint, a new size or a new context draws anew.
// A plan too long to draw in full is drawn in steps, and a paint keeps to a frame's budget (the
// plan past it is drawn in part, and so is the overlay): the pane's notice bar tells both.
#include <vector>

#include "Util/CountedPointer.h"
#include "Vantrel/Drawing/TrackPlanScene.h"
#include "Vantrel/View/OpenGLView.h"

namespace Velmo::Papy
{
class Track;
}

class CTrk3DView : public COpenGLView
{
public:
    ~CTrk3DView() override;

    // A nonzero code selects: -1 the whole track, any other the segment of its bits 16-30. The
    // pane is repainted.
    void OnUpdate(wxView* sender, wxObject* hint = nullptr) override;

    const TrackPlanScene& GetScene() const { return m_scene; }
    // Frames drawn from the plan, and frames shown from the kept pixels.
    int GetPlanFrameCount() const { return m_planFrames; }
    int GetKeptFrameCount() const { return m_keptFrames; }

protected:
    // The bounds of the selection and the camera fitted to them.
    void PreDraw() override;
    // White, the plan, then the overlay.
    void DrawScene() override;
    void DestroyGL() override;
    void Resize(int width, int height) override;
    PaneNotices::Owner GetNoticeOwner() const override;
    // Drawn over the plan, in the plan's coordinates, within what the paint's budget has left
    // (GetFrameBudget); nothing here.
    virtual void DrawOverlay() {}
    FrameBudget& GetFrameBudget() { return m_scene.GetFrameBudget(); }

    // The document's track (empty without one).
    Velmo::Util::CountedPointer<Velmo::Papy::Track> GetTrack() const;
    // What the pane shows changes: the next paint draws anew.
    void ContentChanged() { m_kept = false; }

private:
    bool ShowKeptFrame();
    void KeepFrame();

    TrackPlanScene m_scene;
    std::vector<unsigned char> m_frame;
    int m_frameWidth = 0;
    int m_frameHeight = 0;
    bool m_kept = false;
    bool m_showingKept = false;
    int m_planFrames = 0;
    int m_keptFrames = 0;

    wxDECLARE_DYNAMIC_CLASS(CTrk3DView);
};
