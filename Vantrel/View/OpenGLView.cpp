#include "Vantrel/View/OpenGLView.h"

#include <GL/gl.h>
#include <GL/glu.h>

#include <wx/dcclient.h>
#include <wx/glcanvas.h>
#include <wx/sizer.h>

#include "Util/OpenGL/XOpenGL.h"
#include "Vantrel/Doc/CatchPattern.h"
#include "Vantrel/View/NoticeBar.h"
#include "Vantrel/View/OpenGLCanvas.h"

using Velmo::OpenGL::CheckError;

wxIMPLEMENT_DYNAMIC_CLASS(COpenGLView, CVantrelView);

namespace
{
// Pops the matrix pushed before a step, however the step ends.
class PushedMatrix
{
public:
    PushedMatrix()
    {
        glPushMatrix();
        CheckError();
    }
    ~PushedMatrix() { glPopMatrix(); }
    PushedMatrix(const PushedMatrix&) = delete;
    PushedMatrix& operator=(const PushedMatrix&) = delete;
};
} // namespace

COpenGLView::COpenGLView() = default;

COpenGLView::~COpenGLView()
{
    ReleaseGL();
    if (m_canvas != nullptr)
    {
        // The window may stay a little longer than the view (it goes with its frame).
        m_canvas->SetOnDestroy(nullptr);
        m_canvas->Unbind(wxEVT_PAINT, &COpenGLView::OnPaint, this);
        m_canvas->Unbind(wxEVT_SIZE, &COpenGLView::OnSizeEvent, this);
        m_canvas->Unbind(wxEVT_ERASE_BACKGROUND, &COpenGLView::OnEraseBackground, this);
        m_canvas->GetParent()->Unbind(wxEVT_SET_FOCUS, &COpenGLView::OnPaneFocus, this);
        if (m_bar != nullptr)
            m_bar->SetOnClose(nullptr);
    }
}

wxGLCanvas* COpenGLView::GetCanvas() const
{
    return m_canvas;
}

void COpenGLView::SetupPixelFormat(wxGLAttributes& attributes) const
{
    attributes.PlatformDefaults().RGBA().DoubleBuffer().Depth(24).Stencil(8).EndList();
}

wxWindow* COpenGLView::CreatePane(wxWindow* parent)
{
    wxGLAttributes attributes;
    SetupPixelFormat(attributes);
    if (!wxGLCanvas::IsDisplaySupported(attributes))
    {
        CCatchPattern::ShowMessage(SetPixelFormatFailedText);
        return nullptr;
    }
    // A window of its own holds the bar and the canvas; its focus is the canvas's.
    auto* pane = new wxWindow(parent, wxID_ANY);
    // The canvas first: it goes first too, and while it lives so does the bar.
    m_canvas = new COpenGLCanvas(pane, attributes);
    m_bar = new CNoticeBar(pane, [this] { CloseNotices(); });
    auto* sizer = new wxBoxSizer(wxVERTICAL);
    sizer->Add(m_bar, 0, wxEXPAND);
    sizer->Add(m_canvas, 1, wxEXPAND);
    pane->SetSizer(sizer);
    pane->Bind(wxEVT_SET_FOCUS, &COpenGLView::OnPaneFocus, this);
    m_canvas->SetOnDestroy([this] { OnCanvasGoing(); });
    m_canvas->Bind(wxEVT_PAINT, &COpenGLView::OnPaint, this);
    m_canvas->Bind(wxEVT_SIZE, &COpenGLView::OnSizeEvent, this);
    m_canvas->Bind(wxEVT_ERASE_BACKGROUND, &COpenGLView::OnEraseBackground, this);
    return pane;
}

bool COpenGLView::CreateContext()
{
    auto context = std::make_unique<wxGLContext>(m_canvas);
    if (!context->IsOK())
        return false;
    m_context = std::move(context);
    return true;
}

bool COpenGLView::InitGL()
{
    glClearIndex(0);
    glClearDepth(1);
    glEnable(GL_DEPTH_TEST);
    CheckError();
    return true;
}

void COpenGLView::SetProjection()
{
    gluPerspective(90, m_aspect, 100000, 1e8);
    CheckError();
}

void COpenGLView::SetCamera()
{
    gluLookAt(0, 0, 2e7, 0, 0, 0, 0, 1, 0);
    CheckError();
}

void COpenGLView::Resize(int width, int height)
{
    glViewport(0, 0, width, height);
    CheckError();
    ApplyCamera();
}

void COpenGLView::ApplyCamera()
{
    glMatrixMode(GL_PROJECTION);
    glLoadIdentity();
    CheckError();
    SetProjection();
    glMatrixMode(GL_MODELVIEW);
    glLoadIdentity();
    CheckError();
    SetCamera();
}

bool COpenGLView::ShouldReport(const std::string& text)
{
    return m_reported.Add(text);
}

void COpenGLView::Report(const std::string& text)
{
    if (text.empty() || !ShouldReport(text))
        return;
    m_pending.push_back(text);
    // Queued on the view: a view that goes first takes the call with it.
    if (m_pending.size() == 1)
        CallAfter([this] { ShowReported(); });
}

void COpenGLView::ShowReported()
{
    const std::string text = DrawingReport::Join(m_pending);
    m_pending.clear();
    if (!text.empty())
        CCatchPattern::ShowMessage(text);
}

void COpenGLView::Notify(const std::string& text)
{
    m_notices.Add(text);
}

void COpenGLView::OwnNotices()
{
    m_notices.Own(GetNoticeOwner());
    UpdateNoticeBar();
}

void COpenGLView::UpdateNoticeBar()
{
    if (m_notices.GetRevision() == m_barRevision || m_barPending || m_bar == nullptr)
        return;
    // After the event: the bar's layout resizes the canvas, which a paint must not do.
    m_barPending = true;
    CallAfter([this] { ShowNotices(); });
}

void COpenGLView::ShowNotices()
{
    m_barPending = false;
    m_barRevision = m_notices.GetRevision();
    if (m_bar != nullptr && m_canvas != nullptr)
        m_bar->SetLines(m_notices.GetShown());
}

void COpenGLView::CloseNotices()
{
    m_notices.Close();
    m_barRevision = m_notices.GetRevision();
}

void COpenGLView::Invalidate()
{
    if (m_canvas != nullptr)
        m_canvas->Refresh(false);
}

bool COpenGLView::EnsureContext()
{
    if (m_context)
        return true;
    if (m_contextTried || m_released || m_canvas == nullptr)
        return false;
    m_contextTried = true;
    if (!CreateContext() || !m_context)
    {
        m_context.reset();
        Report(CreateContextFailedText);
        return false;
    }
    try
    {
        WithContext([this] {
            InitGL();
            if (m_width > 0 && m_height > 0)
                Resize(m_width, m_height);
        });
    }
    catch (...)
    {
        Report(CCatchPattern::DescribeCurrentException());
    }
    return true;
}

void COpenGLView::OnSize(int cx, int cy)
{
    // A minimised or squeezed pane keeps its last size and makes no OpenGL call.
    if (cx <= 0 || cy <= 0)
        return;
    m_width = cx;
    m_height = cy;
    m_aspect = double(cx) / double(cy);
    try
    {
        WithContext([this] { Resize(m_width, m_height); });
    }
    catch (...)
    {
        Report(CCatchPattern::DescribeCurrentException());
    }
}

void COpenGLView::OnSizeEvent(wxSizeEvent& event)
{
    event.Skip();
    const wxSize size = DevicePixels(m_canvas->GetClientSize());
    OnSize(size.GetWidth(), size.GetHeight());
}

wxSize COpenGLView::DevicePixels(const wxSize& logical) const
{
    // The toolkit lays windows out in logical pixels; OpenGL draws into the window's device
    // pixels, more of them on a scaled (HiDPI) screen.
    const double scale = m_canvas != nullptr ? m_canvas->GetContentScaleFactor() : 1.0;
    return scale > 0 ? logical * scale : logical;
}

void COpenGLView::OnEraseBackground(wxEraseEvent&)
{
}

void COpenGLView::OnPaneFocus(wxFocusEvent&)
{
    if (m_canvas != nullptr)
        m_canvas->SetFocus();
}

void COpenGLView::Render()
{
    PreDraw();
    {
        PushedMatrix pushed;
        DrawBackground();
    }
    CheckError();
    {
        PushedMatrix pushed;
        DrawScene();
    }
    CheckError();
    glFinish();
    CheckError();
}

void COpenGLView::OnPaint(wxPaintEvent&)
{
    wxPaintDC dc(m_canvas);
    if (!EnsureContext())
    {
        // No OpenGL in this pane: at least not the garbage of an undrawn window.
        dc.SetBackground(wxBrush(wxColour(128, 128, 128)));
        dc.Clear();
        return;
    }
    m_notices.Own(GetNoticeOwner());
    std::string failure;
    try
    {
        WithContext([this] {
            glGetIntegerv(GL_MODELVIEW_STACK_DEPTH, &m_stackDepths[0]);
            glGetIntegerv(GL_PROJECTION_STACK_DEPTH, &m_stackDepths[1]);
            Render();
            m_canvas->SwapBuffers();
            PostDraw();
        });
    }
    catch (...)
    {
        failure = CCatchPattern::DescribeCurrentException();
    }
    UpdateNoticeBar();
    if (failure.empty())
    {
        ++m_paints;
        m_reported.Clear();
        return;
    }
    ++m_failedPaints;
    PaintBackground();
    Report(failure);
}

void COpenGLView::PaintBackground()
{
    try
    {
        WithContext([this] {
            // A failure may have left a primitive or a display list open: end them (each raises
            // an error when there was none, which is dropped with the rest).
            glEnd();
            glEndList();
            for (int i = 0; i < 32 && glGetError() != GL_NO_ERROR; ++i)
            {
            }
            // And matrices pushed: the stacks go back to their depths at the start of the paint.
            const GLenum modes[2] = {GL_MODELVIEW, GL_PROJECTION};
            const GLenum depths[2] = {GL_MODELVIEW_STACK_DEPTH, GL_PROJECTION_STACK_DEPTH};
            for (int i = 1; i >= 0; --i)
            {
                glMatrixMode(modes[i]);
                GLint depth = 0;
                glGetIntegerv(depths[i], &depth);
                for (; depth > m_stackDepths[i] && depth > 1; --depth)
                    glPopMatrix();
            }
            glGetError();
            glClearColor(0.5f, 0.5f, 0.5f, 1.0f);
            glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT | GL_STENCIL_BUFFER_BIT);
            glFinish();
            m_canvas->SwapBuffers();
            glGetError();
        });
    }
    catch (...)
    {
        // The context cannot be made current: the message of the failed paint says enough.
    }
}

void COpenGLView::ReleaseGL()
{
    if (m_released)
        return;
    m_released = true;
    if (!m_context)
        return;
    try
    {
        WithContext([this] { DestroyGL(); });
    }
    catch (...)
    {
        // The view is going: what it could not free goes with its context.
    }
    GLContextScope::Forget(*m_context);
    m_context.reset();
}

void COpenGLView::OnCanvasGoing()
{
    ReleaseGL();
    m_canvas = nullptr;
    // The bar goes with the pane's window.
    m_bar = nullptr;
}
