#include "Vantrel/View/Trk3DView.h"

#include <memory>

#include <wx/utils.h>

#include "Vantrel/Doc/CatchPattern.h"
#include "Vantrel/Doc/TrkDoc.h"
#include "Vantrel/View/TrkUpdateHint.h"

wxIMPLEMENT_DYNAMIC_CLASS(CTrk3DView, COpenGLView);

CTrk3DView::~CTrk3DView()
{
    ReleaseGL();
}

void CTrk3DView::OnUpdate(wxView*, wxObject* hint)
{
    CCatchPattern::Run([&] {
        m_scene.Select(CTrkUpdateHint::CodeOf(hint));
        Invalidate();
    });
}

CTrkDoc::TrackPointer CTrk3DView::GetTrack() const
{
    const auto* document = dynamic_cast<CTrkDoc*>(GetDocument());
    return document != nullptr ? document->GetTrack() : CTrkDoc::TrackPointer();
}

void CTrk3DView::PreDraw()
{
    const CTrkDoc::TrackPointer track = GetTrack();
    if (track)
        m_scene.SetUpView(track.Get(), GetAspect());
}

void CTrk3DView::DrawScene()
{
    const CTrkDoc::TrackPointer track = GetTrack();
    // The first paint compiles the plan: the one that takes time.
    std::unique_ptr<wxBusyCursor> wait(m_scene.IsCompiled() || !track ? nullptr : new wxBusyCursor);
    m_scene.DrawPlan(track.Get());
    if (track)
        DrawOverlay();
}

void CTrk3DView::DestroyGL()
{
    m_scene.ReleaseGL();
}
