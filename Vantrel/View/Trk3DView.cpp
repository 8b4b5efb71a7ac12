#include "Vantrel/View/Trk3DView.h"

#include <GL/gl.h>

#include <memory>

#include <wx/utils.h>

#include "Util/OpenGL/XOpenGL.h"
#include "Vantrel/Doc/CatchPattern.h"
#include "Vantrel/Doc/TrkDoc.h"
#include "Vantrel/Drawing/DrawingMessages.h"
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
        ContentChanged();
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
    // Nothing has changed since the kept frame: it is shown as it is.
    m_showingKept = ShowKeptFrame();
    if (m_showingKept)
        return;
    // Until this frame is drawn and kept, a failure leaves nothing to show again.
    m_kept = false;
    const CTrkDoc::TrackPointer track = GetTrack();
    if (track)
        m_scene.SetUpView(track.Get(), GetAspect());
}

void CTrk3DView::DrawScene()
{
    if (m_showingKept)
        return;
    const CTrkDoc::TrackPointer track = GetTrack();
    // The first paint compiles the plan: the one that takes time.
    std::unique_ptr<wxBusyCursor> wait(m_scene.IsCompiled() || !track ? nullptr : new wxBusyCursor);
    m_scene.DrawPlan(track.Get());
    // The plan drawn in steps or in part: notices, not failures.
    for (const std::string& notice : m_scene.GetNotices())
        Notify(notice);
    if (!track)
        return;
    DrawOverlay();
    // The overlay stopped past what the paint's budget had left.
    if (m_scene.GetFrameBudget().IsSpent())
        Notify(DrawingMessages::TooLarge());
    ++m_planFrames;
    KeepFrame();
}

PaneNotices::Owner CTrk3DView::GetNoticeOwner() const
{
    // The plan is the whole track's, drawn once: its notice holds while the track is shown.
    return {0, GetTrack().Get(), -1, 0};
}

void CTrk3DView::Resize(int width, int height)
{
    ContentChanged();
    COpenGLView::Resize(width, height);
}

bool CTrk3DView::ShowKeptFrame()
{
    GLint viewport[4] = {0, 0, 0, 0};
    glGetIntegerv(GL_VIEWPORT, viewport);
    if (!m_kept || viewport[2] != m_frameWidth || viewport[3] != m_frameHeight)
        return false;
    // The pixels from the window's lower left corner, past every matrix, test and blend: as they
    // were read, whatever the scene left switched on.
    glPushAttrib(GL_ENABLE_BIT);
    for (const GLenum capability : {GL_DEPTH_TEST, GL_TEXTURE_2D, GL_STENCIL_TEST, GL_BLEND, GL_ALPHA_TEST, GL_FOG,
                                    GL_SCISSOR_TEST, GL_COLOR_LOGIC_OP})
        glDisable(capability);
    glMatrixMode(GL_PROJECTION);
    glPushMatrix();
    glLoadIdentity();
    glMatrixMode(GL_MODELVIEW);
    glPushMatrix();
    glLoadIdentity();
    glRasterPos2d(-1, -1);
    glPixelStorei(GL_UNPACK_ALIGNMENT, 4);
    glDrawPixels(m_frameWidth, m_frameHeight, GL_RGBA, GL_UNSIGNED_BYTE, m_frame.data());
    glPopMatrix();
    glMatrixMode(GL_PROJECTION);
    glPopMatrix();
    glMatrixMode(GL_MODELVIEW);
    glPopAttrib();
    // Drawn anew next time should this fail.
    m_kept = false;
    Velmo::OpenGL::CheckError();
    m_kept = true;
    ++m_keptFrames;
    return true;
}

void CTrk3DView::KeepFrame()
{
    GLint viewport[4] = {0, 0, 0, 0};
    glGetIntegerv(GL_VIEWPORT, viewport);
    if (viewport[0] != 0 || viewport[1] != 0 || viewport[2] <= 0 || viewport[3] <= 0)
        return;
    m_frameWidth = viewport[2];
    m_frameHeight = viewport[3];
    m_frame.resize(std::size_t(m_frameWidth) * std::size_t(m_frameHeight) * 4);
    glReadBuffer(GL_BACK);
    glPixelStorei(GL_PACK_ALIGNMENT, 4);
    glReadPixels(0, 0, m_frameWidth, m_frameHeight, GL_RGBA, GL_UNSIGNED_BYTE, m_frame.data());
    Velmo::OpenGL::CheckError();
    m_kept = true;
}

void CTrk3DView::DestroyGL()
{
    m_kept = false;
    m_frame.clear();
    m_frame.shrink_to_fit();
    m_scene.ReleaseGL();
}
