#include "Vantrel/View/GLContextScope.h"

#include <wx/glcanvas.h>

#include "Util/Exception.h"

namespace
{
// What a scope made current last, the innermost scope, and how many were opened. One GUI
// thread: plain globals.
wxGLCanvas* g_currentCanvas = nullptr;
wxGLContext* g_currentContext = nullptr;
GLContextScope* g_innermost = nullptr;
unsigned long g_openCount = 0;
} // namespace

GLContextScope::GLContextScope(wxGLCanvas& canvas, wxGLContext& context)
    : m_previous{g_currentCanvas, g_currentContext}, m_outer(g_innermost)
{
    // Made current every time, even when it is the one recorded: something outside the panes
    // (a test reading pixels, the toolkit) may have changed it meanwhile.
    const bool result = context.SetCurrent(canvas);
    VELMO_ASSERT_AT(result, "result != FALSE", ".\\OpenGLView.cpp", 36);
    g_currentCanvas = &canvas;
    g_currentContext = &context;
    g_innermost = this;
    ++g_openCount;
}

GLContextScope::~GLContextScope()
{
    g_innermost = m_outer;
    if (m_previous.Context == nullptr || m_previous.Context == g_currentContext)
        return;
    // Nothing to do if it fails: the previous pane makes its context current again itself
    // before its next OpenGL call.
    m_previous.Context->SetCurrent(*m_previous.Canvas);
    g_currentCanvas = m_previous.Canvas;
    g_currentContext = m_previous.Context;
}

const wxGLContext* GLContextScope::GetCurrentContext()
{
    return g_currentContext;
}

unsigned long GLContextScope::GetOpenCount()
{
    return g_openCount;
}

void GLContextScope::Forget(const wxGLContext& context)
{
    if (g_currentContext == &context)
    {
        g_currentCanvas = nullptr;
        g_currentContext = nullptr;
    }
    for (GLContextScope* scope = g_innermost; scope != nullptr; scope = scope->m_outer)
        if (scope->m_previous.Context == &context)
            scope->m_previous = Binding();
}
