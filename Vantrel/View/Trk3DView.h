#pragma once
// The plan pane of the track document: the whole track seen from above, drawn once into a
// display list (TrackPlanScene) and replayed at every paint. A segment selected in the tree
// moves only the camera onto it; "root" goes back to the whole track's saved bounds.
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

protected:
    // The bounds of the selection and the camera fitted to them.
    void PreDraw() override;
    // White, the plan, then the overlay.
    void DrawScene() override;
    void DestroyGL() override;
    // Drawn over the plan, in the plan's coordinates; nothing here.
    virtual void DrawOverlay() {}

    // The document's track (empty without one).
    Velmo::Util::CountedPointer<Velmo::Papy::Track> GetTrack() const;

private:
    TrackPlanScene m_scene;

    wxDECLARE_DYNAMIC_CLASS(CTrk3DView);
};
