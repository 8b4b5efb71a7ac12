#pragma once
// Makes one OpenGL pane's context current for as long as it lives, and gives back the context
// that was current before it (another pane's, when one pane draws inside another's work), so
// that nested scopes of different panes each draw into their own window. Every piece of OpenGL
// work of a pane runs inside one.
//
// Contexts are tracked here (the toolkit does not tell which one is current); a pane that
// deletes its context tells the scopes with Forget.
class wxGLCanvas;
class wxGLContext;

class GLContextScope
{
public:
    // Makes the context current on the canvas; a failure raises the assertion
    // "result != FALSE", and nothing is changed then.
    GLContextScope(wxGLCanvas& canvas, wxGLContext& context);
    // Makes the previous context current again, if there was one and it still exists.
    ~GLContextScope();
    GLContextScope(const GLContextScope&) = delete;
    GLContextScope& operator=(const GLContextScope&) = delete;

    // The context made current last by a scope (null when none, or when it has been forgotten).
    static const wxGLContext* GetCurrentContext();
    // The number of scopes opened so far in the process: a handler that opened none made no
    // OpenGL call.
    static unsigned long GetOpenCount();
    // The context (and its canvas) is going: no scope makes it current again.
    static void Forget(const wxGLContext& context);

private:
    struct Binding
    {
        wxGLCanvas* Canvas = nullptr;
        wxGLContext* Context = nullptr;
    };

    Binding m_previous;
    GLContextScope* m_outer;
};
