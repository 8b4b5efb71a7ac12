#include "Vantrel/View/OpenGLCanvas.h"

COpenGLCanvas::COpenGLCanvas(wxWindow* parent, const wxGLAttributes& attributes)
    : wxGLCanvas(parent, attributes, wxID_ANY, wxDefaultPosition, wxDefaultSize, wxFULL_REPAINT_ON_RESIZE)
{
    // OpenGL paints the whole client area: the toolkit never erases it.
    SetBackgroundStyle(wxBG_STYLE_PAINT);
}

COpenGLCanvas::~COpenGLCanvas()
{
    std::function<void()> onDestroy = std::move(m_onDestroy);
    m_onDestroy = nullptr;
    if (onDestroy)
        onDestroy();
}

void COpenGLCanvas::Refresh(bool eraseBackground, const wxRect* rect)
{
    m_unanswered = true;
    wxGLCanvas::Refresh(eraseBackground, rect);
}

bool COpenGLCanvas::HasUnansweredPaint() const
{
    const wxSize size = GetClientSize();
    return m_unanswered && IsShownOnScreen() && size.GetWidth() > 0 && size.GetHeight() > 0;
}

bool COpenGLCanvas::TryBefore(wxEvent& event)
{
    if (event.GetEventType() == wxEVT_PAINT)
        m_unanswered = false;
    return wxGLCanvas::TryBefore(event);
}
