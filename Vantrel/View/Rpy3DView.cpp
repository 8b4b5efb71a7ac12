#include "Vantrel/View/Rpy3DView.h"

#include "Vantrel/Doc/CatchPattern.h"
#include "Vantrel/Doc/RpyDoc.h"
#include "Vantrel/Drawing/ReplayPath.h"
#include "Vantrel/View/TrkUpdateHint.h"

wxIMPLEMENT_DYNAMIC_CLASS(CRpy3DView, CTrk3DView);

void CRpy3DView::OnUpdate(wxView*, wxObject* hint)
{
    CCatchPattern::Run([&] {
        const auto* document = dynamic_cast<CRpyDoc*>(GetDocument());
        const RpyHint::Selection selection = RpyHint::Decode(CTrkUpdateHint::CodeOf(hint));
        m_showPath = document != nullptr && document->GetReplay() && selection.What == RpyHint::Kind::Lap;
        if (m_showPath)
        {
            m_lap = selection;
            m_lapCode = CTrkUpdateHint::CodeOf(hint);
        }
        ContentChanged();
        Invalidate();
    });
}

PaneNotices::Owner CRpy3DView::GetNoticeOwner() const
{
    // The path's notice is its lap's: another lap, or none, tells its own.
    PaneNotices::Owner owner = CTrk3DView::GetNoticeOwner();
    owner.Node = m_showPath ? m_lapCode : -1;
    return owner;
}

void CRpy3DView::DrawOverlay()
{
    m_pathPoints = 0;
    const auto* document = dynamic_cast<CRpyDoc*>(GetDocument());
    if (!m_showPath || document == nullptr)
        return;
    const CRpyDoc::ReplayPointer replay = document->GetReplay();
    const CTrkDoc::TrackPointer track = GetTrack();
    if (replay && track)
        m_pathPoints = ReplayPath::Draw(*track, *replay, m_lap.Driver, m_lap.Table, m_lap.Lap, GetFrameBudget());
}
