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
