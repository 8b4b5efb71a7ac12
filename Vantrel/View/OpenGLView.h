#pragma once
// The base of every OpenGL pane (the 3D-object pane, the track and replay panes): an OpenGL
// canvas as the pane's window (RGBA, double buffered, 24-bit depth, 8-bit stencil) with its
// own context, made current around every piece of drawing (GLContextScope). It turns paint and
// size into a fixed sequence of steps that subclasses override, and draws nothing itself.
//
// - The context is made when the pane is first on the screen (it cannot be made current
//   earlier), then InitGL and the size step run.
// - Paint: PreDraw; DrawBackground and DrawScene, each between a push and a pop of the matrix;
//   glFinish, the swap, PostDraw. The pane never erases its background otherwise.
// - Size: an empty size changes nothing and makes no OpenGL call; any other is stored (width,
//   height, aspect) and the size step (Resize) sets the viewport, projection and camera. Sizes
//   are device pixels: on a scaled screen the client size times the content scale factor, so
//   that the picture fills the pane.
// - A paint that fails paints the pane's grey background instead and keeps what it had built;
//   its message comes once, after the paint (never a box inside a paint: the box's own loop
//   would paint again), and again only when ShouldReport says so. The default shows a text
//   again after a paint has succeeded.
// - The pane's own notices (how it drew: cut short, in steps, textures left out) are not
//   failures: they go to a bar above the canvas (CNoticeBar), never a box, and take no key.
//   PaneNotices decides what the bar shows: each paint begins for the notices' owner
//   (GetNoticeOwner), the steps add what they made (Notify), and after the paint the bar shows
//   the owner's notices when they changed. The bar's showing or hiding resizes the canvas once.
// - The pane's window holds the bar and the canvas, one above the other.
// - When the view or its window goes, DestroyGL runs with the context current, then the
//   context is deleted. A subclass that overrides DestroyGL calls ReleaseGL() in its own
//   destructor (the base's destructor no longer reaches the override).
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "Vantrel/Drawing/DrawingReport.h"
#include "Vantrel/Frame/VantrelView.h"
#include "Vantrel/Rows/PaneNotices.h"

class wxGLAttributes;
class wxGLCanvas;
class wxGLContext;
class wxPaintEvent;
class wxSizeEvent;
class wxSize;
class wxEraseEvent;
class wxFocusEvent;
class COpenGLCanvas;
class CNoticeBar;

class COpenGLView : public CVantrelView
{
public:
    COpenGLView();
    ~COpenGLView() override;

    // Makes the pane's window: the notice bar (hidden) above the canvas; null (after a message)
    // when the display offers no such pixel format.
    wxWindow* CreatePane(wxWindow* parent) override;

    // A new client size in device pixels (what the size event gives, times the canvas's content
    // scale factor).
    void OnSize(int cx, int cy);
    // A size in the toolkit's logical pixels as device pixels of the canvas.
    wxSize DevicePixels(const wxSize& logical) const;
    // One frame drawn into the back buffer as a paint draws it, without the swap; the context
    // must be current. Throws what the steps throw.
    void Render();
    // Repaints the pane without erasing it.
    void Invalidate();

    wxGLCanvas* GetCanvas() const;
    // The bar of the pane's notices (null before the pane is made), and what decides it.
    CNoticeBar* GetNoticeBar() const { return m_bar; }
    const PaneNotices& GetNotices() const { return m_notices; }
    // Null until the pane has been on the screen, and after the context has been released.
    wxGLContext* GetContext() const { return m_context.get(); }
    int GetWidth() const { return m_width; }
    int GetHeight() const { return m_height; }
    double GetAspect() const { return m_aspect; }
    // Paints that drew a frame, and paints that ended in a failure (the background painted
    // instead).
    int GetPaintCount() const { return m_paints; }
    int GetFailedPaintCount() const { return m_failedPaints; }

    static constexpr const char* CreateContextFailedText = "wglCreateContext failed";
    static constexpr const char* SetPixelFormatFailedText = "SetPixelFormat failed";

protected:
    // The canvas's pixel format: RGBA, double buffer, depth 24, stencil 8.
    virtual void SetupPixelFormat(wxGLAttributes& attributes) const;
    // Makes the context; false when it cannot be made.
    virtual bool CreateContext();
    // Runs once, with the context current, right after it was made: depth cleared to 1 and
    // depth testing on.
    virtual bool InitGL();
    // Called with the projection matrix selected and loaded with the identity: a 90-degree
    // perspective from 100,000 to 100,000,000.
    virtual void SetProjection();
    // Called with the model-view matrix selected and loaded with the identity: the eye at
    // (0, 0, 20,000,000) looking at the origin, Y up.
    virtual void SetCamera();
    virtual void PreDraw() {}
    virtual void DrawBackground() {}
    virtual void DrawScene() {}
    virtual void PostDraw() {}
    // Frees display lists and textures; the context is current.
    virtual void DestroyGL() {}
    // The size step, with the context current and width, height and aspect stored: the viewport,
    // then the projection and the camera over identities (ApplyCamera).
    virtual void Resize(int width, int height);
    // Whether a failure's message is shown now. The default shows a text once until a paint
    // succeeds again.
    virtual bool ShouldReport(const std::string& text);
    // What the notices of the next paint belong to; the default: one owner for the pane's life.
    virtual PaneNotices::Owner GetNoticeOwner() const { return {}; }

    // Loads the projection (SetProjection) and the model-view matrix (SetCamera) over identities.
    void ApplyCamera();
    // Shows the text after the event being handled, when ShouldReport allows; the texts
    // reported while one event is handled come in one message.
    void Report(const std::string& text);
    // A notice made by the paint being drawn: shown in the bar after it.
    void Notify(const std::string& text);
    // The notices' owner changed with no paint to follow: another owner's notices go now.
    void OwnNotices();
    // Runs DestroyGL with the context current and deletes the context (once).
    void ReleaseGL();
    // Runs work with the context current; false (and nothing done) before the pane has its
    // context. What work throws leaves through here.
    template <class Work>
    bool WithContext(Work work);

private:
    void OnPaint(wxPaintEvent& event);
    void OnSizeEvent(wxSizeEvent& event);
    void OnEraseBackground(wxEraseEvent& event);
    void OnPaneFocus(wxFocusEvent& event);
    void OnCanvasGoing();
    bool EnsureContext();
    void PaintBackground();
    void ShowReported();
    void UpdateNoticeBar();
    void ShowNotices();
    void CloseNotices();

    COpenGLCanvas* m_canvas = nullptr;
    std::unique_ptr<wxGLContext> m_context;
    bool m_contextTried = false;
    bool m_released = false;
    int m_width = 0;
    int m_height = 0;
    double m_aspect = 0;
    int m_paints = 0;
    int m_stackDepths[2] = {1, 1};  // model-view and projection at the start of the paint
    int m_failedPaints = 0;
    DrawingReport m_reported;
    std::vector<std::string> m_pending;
    CNoticeBar* m_bar = nullptr;
    PaneNotices m_notices;
    std::uint64_t m_barRevision = 0;
    bool m_barPending = false;

    wxDECLARE_DYNAMIC_CLASS(COpenGLView);
};

#include "Vantrel/View/GLContextScope.h"

template <class Work>
bool COpenGLView::WithContext(Work work)
{
    if (m_canvas == nullptr || !m_context)
        return false;
    GLContextScope scope(*GetCanvas(), *m_context);
    work();
    return true;
}
