#pragma once
// The plan pane of the replay document: the track's plan (CTrk3DView) and, when the tree
// selects a lap, the path of its car through that lap as a red line over it. The camera stays
// on the whole track.
#include "Vantrel/Rows/RpyHint.h"
#include "Vantrel/View/Trk3DView.h"

class CRpy3DView : public CTrk3DView
{
public:
    // A lap's code shows its path; any other code hides it. The pane is repainted.
    void OnUpdate(wxView* sender, wxObject* hint = nullptr) override;

    bool IsPathShown() const { return m_showPath; }
    // Points of the path at the last paint (0 when none was drawn).
    int GetPathPoints() const { return m_pathPoints; }

protected:
    // The path over the plan, within what the plan left of the paint's budget.
    void DrawOverlay() override;
    // The track's, and the lap shown: the path's notices belong to its lap.
    PaneNotices::Owner GetNoticeOwner() const override;

private:
    bool m_showPath = false;
    RpyHint::Selection m_lap;
    int m_lapCode = -1;
    int m_pathPoints = 0;

    wxDECLARE_DYNAMIC_CLASS(CRpy3DView);
};
