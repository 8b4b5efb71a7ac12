#pragma once
// The window of an OpenGL pane (COpenGLView). The view handles its paint and size events; the
// canvas tells the view, before any of its OpenGL part is gone, that it is being destroyed, so
// that the view can free its OpenGL resources with the context still usable. It also knows
// whether a repaint asked of it (Refresh) still waits for its paint.
#include <functional>

#include <wx/glcanvas.h>

class COpenGLCanvas : public wxGLCanvas
{
public:
    COpenGLCanvas(wxWindow* parent, const wxGLAttributes& attributes);
    ~COpenGLCanvas() override;

    // Called once from the destructor (an empty function: nobody is told).
    void SetOnDestroy(std::function<void()> onDestroy) { m_onDestroy = std::move(onDestroy); }

    void Refresh(bool eraseBackground = true, const wxRect* rect = nullptr) override;
    // A repaint was asked for since the last paint, and the canvas is on the screen with a size
    // (where the window system will paint it).
    bool HasUnansweredPaint() const;

protected:
    // Every paint event, whoever handles it, answers the repaints asked for before it.
    bool TryBefore(wxEvent& event) override;

private:
    std::function<void()> m_onDestroy;
    bool m_unanswered = false;
};
