#pragma once
// The window of an OpenGL pane (COpenGLView). The view handles its paint and size events; the
// canvas only tells the view, before any of its OpenGL part is gone, that it is being
// destroyed, so that the view can free its OpenGL resources with the context still usable.
#include <functional>

#include <wx/glcanvas.h>

class COpenGLCanvas : public wxGLCanvas
{
public:
    COpenGLCanvas(wxWindow* parent, const wxGLAttributes& attributes);
    ~COpenGLCanvas() override;

    // Called once from the destructor (an empty function: nobody is told).
    void SetOnDestroy(std::function<void()> onDestroy) { m_onDestroy = std::move(onDestroy); }

private:
    std::function<void()> m_onDestroy;
};
