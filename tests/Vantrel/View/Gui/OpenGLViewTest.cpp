// The base of the OpenGL panes, hosted in plain windows: the context made when the pane is
// first painted and then the size step, the default projection and camera, the context scope
// across two panes, empty sizes, failed paints (the background, one message after the paint,
// the OpenGL state put right) and cleanup with the context current whichever goes first.
#include <gtest/gtest.h>

#include <GL/gl.h>

#include <cmath>
#include <string>
#include <vector>

#include <wx/frame.h>
#include <wx/glcanvas.h>

#include "GuiKit.h"
#include "Util/Exception.h"
#include "Vantrel/Doc/CatchPattern.h"
#include "Vantrel/View/GLContextScope.h"
#include "Vantrel/View/OpenGLView.h"

using namespace GuiTest;

namespace
{
// What a test pane saw of its own steps.
struct Trace
{
    int InitGL = 0;
    int Resizes = 0;
    int Scenes = 0;
    bool ResizedAfterInit = false;
    // DestroyGL: how often, and whether its context was current with its list still there.
    int Destroyed = 0;
    bool DestroyedInItsContext = false;
};

// A pane that keeps a display list, draws a colour and, when asked, fails in its scene.
class CTestPane : public COpenGLView
{
public:
    explicit CTestPane(Trace& trace) : m_trace(trace) {}
    ~CTestPane() override { ReleaseGL(); }

    enum class Fault
    {
        None,
        Throw,          // the scene throws
        ThrowInsideBegin, // the scene throws between glBegin and glEnd, with a matrix pushed
    };
    Fault Failing = Fault::None;
    float Colour[3] = {0, 1, 0};
    unsigned List = 0;

    // The default steps of the base, for the tests that look at them.
    void DefaultScene(bool on) { m_default = on; }

protected:
    bool InitGL() override
    {
        ++m_trace.InitGL;
        COpenGLView::InitGL();
        List = glGenLists(1);
        glNewList(List, GL_COMPILE);
        glEndList();
        return true;
    }
    void Resize(int width, int height) override
    {
        ++m_trace.Resizes;
        m_trace.ResizedAfterInit = m_trace.InitGL > 0;
        COpenGLView::Resize(width, height);
    }
    void DrawScene() override
    {
        ++m_trace.Scenes;
        if (m_default)
            return;
        glClearColor(Colour[0], Colour[1], Colour[2], 1);
        glClear(GL_COLOR_BUFFER_BIT);
        if (Failing == Fault::Throw)
            throw Velmo::Util::XUsage("the scene failed");
        if (Failing == Fault::ThrowInsideBegin)
        {
            glPushMatrix();
            glBegin(GL_TRIANGLES);
            glVertex2f(0, 0);
            throw Velmo::Util::XUsage("the scene failed inside a primitive");
        }
    }
    void DestroyGL() override
    {
        ++m_trace.Destroyed;
        m_trace.DestroyedInItsContext =
            GLContextScope::GetCurrentContext() == GetContext() && List != 0 && glIsList(List) == GL_TRUE;
    }

private:
    Trace& m_trace;
    bool m_default = false;
};

// A pane in a window of its own.
struct Hosted
{
    explicit Hosted(Trace& trace, const wxSize& size = wxSize(400, 300), bool show = true)
    {
        Frame = new wxFrame(nullptr, wxID_ANY, "OpenGL pane", wxDefaultPosition, wxDefaultSize);
        Pane = new CTestPane(trace);
        Canvas = Pane->CreatePane(Frame);
        Frame->SetClientSize(size);
        if (show)
            Shown();
    }
    ~Hosted()
    {
        delete Pane;
        if (Frame != nullptr)
            Frame->Destroy();
        Pump();
    }
    void Shown()
    {
        Frame->Show();
        PumpUntil([this] { return Pane->GetContext() != nullptr && Pane->GetPaintCount() > 0; });
    }
    bool Paint()
    {
        const int before = Paints();
        Pane->Invalidate();
        return PumpUntil([&] { return Paints() > before; });
    }
    int Paints() const { return Pane->GetPaintCount() + Pane->GetFailedPaintCount(); }
    wxImage Pixels() const { return GLShot(Pane->GetCanvas(), Pane->GetContext(), ""); }

    wxFrame* Frame = nullptr;
    CTestPane* Pane = nullptr;
    wxWindow* Canvas = nullptr;
};

std::vector<double> Matrix(GLenum which)
{
    GLdouble m[16];
    glGetDoublev(which, m);
    return std::vector<double>(m, m + 16);
}

bool IsColour(const wxImage& image, int r, int g, int b)
{
    const int x = image.GetWidth() / 2, y = image.GetHeight() / 2;
    return std::abs(image.GetRed(x, y) - r) <= 2 && std::abs(image.GetGreen(x, y) - g) <= 2 &&
           std::abs(image.GetBlue(x, y) - b) <= 2;
}
} // namespace

// The context comes with the first paint; then InitGL, then the size step with the size the
// pane already had.
TEST(OpenGLView, TheContextIsMadeWhenThePaneIsFirstShown)
{
    Trace trace;
    Hosted hosted(trace, wxSize(320, 200), false);
    Pump();
    EXPECT_EQ(hosted.Pane->GetContext(), nullptr);
    EXPECT_EQ(trace.InitGL, 0);
    hosted.Shown();
    ASSERT_NE(hosted.Pane->GetContext(), nullptr);
    EXPECT_EQ(trace.InitGL, 1);
    EXPECT_TRUE(trace.ResizedAfterInit);
    const wxSize size = hosted.Canvas->GetClientSize();
    EXPECT_EQ(hosted.Pane->GetWidth(), size.GetWidth());
    EXPECT_EQ(hosted.Pane->GetHeight(), size.GetHeight());
    GLContextScope scope(*hosted.Pane->GetCanvas(), *hosted.Pane->GetContext());
    GLint viewport[4];
    glGetIntegerv(GL_VIEWPORT, viewport);
    EXPECT_EQ(viewport[2], size.GetWidth());
    EXPECT_EQ(viewport[3], size.GetHeight());
    EXPECT_TRUE(glIsEnabled(GL_DEPTH_TEST));
    GLfloat depth = 0;
    glGetFloatv(GL_DEPTH_CLEAR_VALUE, &depth);
    EXPECT_EQ(depth, 1.0f);
    // RGBA with depth 24 and stencil 8.
    GLint bits[3] = {};
    glGetIntegerv(GL_DEPTH_BITS, &bits[0]);
    glGetIntegerv(GL_STENCIL_BITS, &bits[1]);
    glGetIntegerv(GL_RED_BITS, &bits[2]);
    EXPECT_GE(bits[0], 24);
    EXPECT_GE(bits[1], 8);
    EXPECT_EQ(bits[2], 8);
}

// Without overrides: a 90-degree perspective from 100,000 to 100,000,000 and the eye at
// (0, 0, 20,000,000) looking at the origin with Y up.
TEST(OpenGLView, TheDefaultProjectionAndCamera)
{
    Trace trace;
    Hosted hosted(trace, wxSize(400, 200));
    hosted.Pane->DefaultScene(true);
    ASSERT_TRUE(hosted.Paint());
    GLContextScope scope(*hosted.Pane->GetCanvas(), *hosted.Pane->GetContext());
    const double aspect = hosted.Pane->GetAspect();
    EXPECT_DOUBLE_EQ(aspect, double(hosted.Pane->GetWidth()) / hosted.Pane->GetHeight());
    const double n = 100000, f = 1e8;
    // gluPerspective's matrix, column by column (cot 45 degrees = 1).
    const std::vector<double> projection = {1 / aspect, 0, 0, 0, 0, 1, 0, 0, 0, 0, (f + n) / (n - f), -1,
                                            0,          0, 2 * f * n / (n - f), 0};
    const std::vector<double> camera = {1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1, 0, 0, 0, -2e7, 1};
    const std::vector<double> p = Matrix(GL_PROJECTION_MATRIX), m = Matrix(GL_MODELVIEW_MATRIX);
    for (int i = 0; i < 16; ++i)
    {
        EXPECT_NEAR(p[i], projection[i], 1e-6 * std::max(1.0, std::abs(projection[i]))) << i;
        EXPECT_NEAR(m[i], camera[i], 1e-6 * std::max(1.0, std::abs(camera[i]))) << i;
    }
}

// A scope of one pane inside another's leaves the outer pane's context current when it ends;
// a scope of the same pane changes nothing.
TEST(OpenGLView, AScopeGivesBackTheContextBeforeIt)
{
    Trace traceA, traceB;
    Hosted a(traceA), b(traceB);
    ASSERT_NE(a.Pane->GetContext(), nullptr);
    ASSERT_NE(b.Pane->GetContext(), nullptr);
    GLfloat colour[4] = {};
    {
        GLContextScope outer(*a.Pane->GetCanvas(), *a.Pane->GetContext());
        glClearColor(1, 0, 0, 1);
        {
            GLContextScope inner(*b.Pane->GetCanvas(), *b.Pane->GetContext());
            EXPECT_EQ(GLContextScope::GetCurrentContext(), b.Pane->GetContext());
            glClearColor(0, 0, 1, 1);
            {
                GLContextScope same(*b.Pane->GetCanvas(), *b.Pane->GetContext());
            }
            glGetFloatv(GL_COLOR_CLEAR_VALUE, colour);
            EXPECT_EQ(colour[2], 1.0f);
        }
        EXPECT_EQ(GLContextScope::GetCurrentContext(), a.Pane->GetContext());
        glGetFloatv(GL_COLOR_CLEAR_VALUE, colour);
        EXPECT_EQ(colour[0], 1.0f);
        EXPECT_EQ(colour[2], 0.0f);
    }
}

// An empty size (a minimised or squeezed pane) changes nothing and opens no context scope.
TEST(OpenGLView, AnEmptySizeMakesNoOpenGLCall)
{
    Trace trace;
    Hosted hosted(trace);
    const int resizes = trace.Resizes;
    const int width = hosted.Pane->GetWidth(), height = hosted.Pane->GetHeight();
    const unsigned long scopes = GLContextScope::GetOpenCount();
    for (auto size : {std::pair(0, 0), std::pair(0, 10), std::pair(10, 0), std::pair(-3, 10)})
        hosted.Pane->OnSize(size.first, size.second);
    EXPECT_EQ(GLContextScope::GetOpenCount(), scopes);
    EXPECT_EQ(trace.Resizes, resizes);
    EXPECT_EQ(hosted.Pane->GetWidth(), width);
    EXPECT_EQ(hosted.Pane->GetHeight(), height);
    hosted.Pane->OnSize(10, 20);
    EXPECT_EQ(trace.Resizes, resizes + 1);
    EXPECT_DOUBLE_EQ(hosted.Pane->GetAspect(), 0.5);
}

// A paint that fails shows the grey background; its message comes once, after the paint,
// however often the pane is painted; a paint that succeeds lets it come again.
TEST(OpenGLView, AFailedPaintIsReportedOnceAfterThePaint)
{
    Trace trace;
    Hosted hosted(trace);
    Messages messages;
    std::vector<int> failedWhenShown;
    const CCatchPattern::Sink previous = CCatchPattern::SetSink([&](const std::string& text) {
        messages.Texts.push_back(text);
        failedWhenShown.push_back(hosted.Pane->GetFailedPaintCount());
    });
    hosted.Pane->Failing = CTestPane::Fault::Throw;
    for (int i = 0; i < 5; ++i)
        ASSERT_TRUE(hosted.Paint());
    Pump();
    ASSERT_EQ(messages.Texts, std::vector<std::string>{"the scene failed"});
    // Shown after the failed paint had ended.
    EXPECT_GE(failedWhenShown[0], 1);
    EXPECT_TRUE(IsColour(hosted.Pixels(), 128, 128, 128));

    hosted.Pane->Failing = CTestPane::Fault::None;
    ASSERT_TRUE(hosted.Paint());
    EXPECT_TRUE(IsColour(hosted.Pixels(), 0, 255, 0));
    hosted.Pane->Failing = CTestPane::Fault::Throw;
    ASSERT_TRUE(hosted.Paint());
    Pump();
    EXPECT_EQ(messages.Texts.size(), 2u);
    CCatchPattern::SetSink(previous);
}

// A scene that fails inside a primitive with a matrix pushed: the background is still painted,
// the model-view stack is back at its depth, and the next paint draws.
TEST(OpenGLView, AFailureInsideAPrimitiveLeavesOpenGLUsable)
{
    Trace trace;
    Hosted hosted(trace);
    Messages messages;
    hosted.Pane->Failing = CTestPane::Fault::ThrowInsideBegin;
    ASSERT_TRUE(hosted.Paint());
    Pump();
    EXPECT_EQ(messages.Texts, std::vector<std::string>{"the scene failed inside a primitive"});
    EXPECT_TRUE(IsColour(hosted.Pixels(), 128, 128, 128));
    hosted.Pane->Failing = CTestPane::Fault::None;
    hosted.Pane->Colour[0] = 1;
    hosted.Pane->Colour[1] = 0;
    ASSERT_TRUE(hosted.Paint());
    EXPECT_TRUE(IsColour(hosted.Pixels(), 255, 0, 0));
    GLContextScope scope(*hosted.Pane->GetCanvas(), *hosted.Pane->GetContext());
    GLint depth = 0;
    glGetIntegerv(GL_MODELVIEW_STACK_DEPTH, &depth);
    EXPECT_EQ(depth, 1);
    EXPECT_EQ(glGetError(), GLenum(GL_NO_ERROR));
}

// DestroyGL runs once, in the pane's own context with its resources still there, when the view
// goes before its window and when the window goes first.
TEST(OpenGLView, CleanupRunsInThePanesContextWhicheverGoesFirst)
{
    {
        Trace trace;
        Trace otherTrace;
        Hosted other(otherTrace);
        {
            Hosted hosted(trace);
            // Another pane's context is current when this one goes.
            GLContextScope scope(*other.Pane->GetCanvas(), *other.Pane->GetContext());
            delete hosted.Pane;
            hosted.Pane = nullptr;
            EXPECT_EQ(trace.Destroyed, 1);
            EXPECT_TRUE(trace.DestroyedInItsContext);
            EXPECT_EQ(GLContextScope::GetCurrentContext(), other.Pane->GetContext());
        }
    }
    {
        Trace trace;
        auto* frame = new wxFrame(nullptr, wxID_ANY, "OpenGL pane");
        auto* pane = new CTestPane(trace);
        pane->CreatePane(frame);
        frame->SetClientSize(200, 150);
        frame->Show();
        ASSERT_TRUE(PumpUntil([&] { return pane->GetPaintCount() > 0; }));
        frame->Destroy();
        ASSERT_TRUE(PumpUntil([&] { return pane->GetCanvas() == nullptr; }));
        EXPECT_EQ(trace.Destroyed, 1);
        EXPECT_TRUE(trace.DestroyedInItsContext);
        EXPECT_EQ(pane->GetContext(), nullptr);
        delete pane;
        EXPECT_EQ(trace.Destroyed, 1);
    }
}
