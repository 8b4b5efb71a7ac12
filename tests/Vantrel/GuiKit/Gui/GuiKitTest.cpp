// The kit's own helpers: waiting for a condition, shots of a window, and the pixels of an OpenGL
// canvas read in its own context.
#include <gtest/gtest-spi.h>
#include <gtest/gtest.h>

#include <dlfcn.h>

#include <chrono>
#include <functional>

#include <GL/gl.h>
#include <wx/dcclient.h>
#include <wx/frame.h>
#include <wx/glcanvas.h>
#include <wx/panel.h>

#include "GuiKit.h"
#include "Vantrel/View/OpenGLCanvas.h"

using namespace GuiTest;

TEST(GuiKit, PumpUntilWaitsForItsConditionOrItsLimit)
{
    EXPECT_TRUE(PumpUntil([] { return true; }, 0));
    const auto start = std::chrono::steady_clock::now();
    EXPECT_FALSE(PumpUntil([] { return false; }, 50));
    EXPECT_GE(std::chrono::steady_clock::now() - start, std::chrono::milliseconds(50));
    // A call made later is handled while waiting.
    bool called = false;
    wxTheApp->CallAfter([&called] { called = true; });
    EXPECT_TRUE(PumpUntil([&called] { return called; }));
}

TEST(GuiKit, ShotOfAWindowShowsWhatItPaints)
{
    auto* frame = new wxFrame(nullptr, wxID_ANY, "shot", wxPoint(50, 50), wxSize(200, 120));
    auto* panel = new wxPanel(frame);
    panel->SetBackgroundColour(*wxBLACK);
    frame->Show();
    ASSERT_TRUE(PumpUntil([panel] { return panel->IsShownOnScreen(); }));
    wxImage shot;
    EXPECT_TRUE(PumpUntil([&] {
        shot = Shot(panel, "kit-black-panel");
        return shot.IsOk() && DarkPixels(shot) == shot.GetWidth() * shot.GetHeight();
    }));
    EXPECT_EQ(shot.GetSize(), panel->GetSize());
    frame->Destroy();
    Pump();
}

// A canvas that clears itself to a colour of its own on each paint; its picture is read after
// the paint, and again with a drawing of the test's own.
TEST(GuiKit, GLShotReadsTheCanvasInItsOwnContext)
{
    wxGLAttributes attributes;
    attributes.PlatformDefaults().RGBA().DoubleBuffer().Depth(24).EndList();
    if (!wxGLCanvas::IsDisplaySupported(attributes))
        GTEST_SKIP() << "no OpenGL visual on this display";
    auto* frame = new wxFrame(nullptr, wxID_ANY, "gl", wxPoint(60, 60), wxSize(160, 120));
    auto* canvas = new wxGLCanvas(frame, attributes);
    wxGLContext context(canvas);
    int paints = 0;
    canvas->Bind(wxEVT_PAINT, [&](wxPaintEvent&) {
        wxPaintDC dc(canvas);
        canvas->SetCurrent(context);
        glViewport(0, 0, canvas->GetClientSize().GetWidth(), canvas->GetClientSize().GetHeight());
        glClearColor(0.2f, 0.6f, 1.0f, 1.0f);
        glClear(GL_COLOR_BUFFER_BIT);
        // A dark square in the lower left quarter.
        glMatrixMode(GL_PROJECTION);
        glLoadIdentity();
        glMatrixMode(GL_MODELVIEW);
        glLoadIdentity();
        glColor3f(0.0f, 0.0f, 0.0f);
        glRectf(-1.0f, -1.0f, 0.0f, 0.0f);
        canvas->SwapBuffers();
        ++paints;
    });
    frame->Show();
    ASSERT_TRUE(PumpUntil([&] { return paints > 0 && canvas->IsShownOnScreen(); }));
    const wxImage image = GLShot(canvas, &context, "kit-gl-canvas");
    ASSERT_TRUE(image.IsOk());
    ASSERT_EQ(image.GetSize(), canvas->GetClientSize());
    const int w = image.GetWidth();
    const int h = image.GetHeight();
    // Rows of the image run from the top: the square is at the bottom left.
    EXPECT_EQ(image.GetRed(w * 3 / 4, h / 4), 51);
    EXPECT_EQ(image.GetGreen(w * 3 / 4, h / 4), 153);
    EXPECT_EQ(image.GetBlue(w * 3 / 4, h / 4), 255);
    EXPECT_EQ(image.GetRed(w / 4, h * 3 / 4) + image.GetGreen(w / 4, h * 3 / 4) + image.GetBlue(w / 4, h * 3 / 4), 0);

    const wxImage drawn = GLShot(canvas, &context, "kit-gl-drawn", [] {
        glClearColor(1.0f, 1.0f, 0.0f, 1.0f);
        glClear(GL_COLOR_BUFFER_BIT);
    });
    ASSERT_TRUE(drawn.IsOk());
    EXPECT_EQ(drawn.GetRed(w / 4, h * 3 / 4), 255);
    EXPECT_EQ(drawn.GetGreen(w / 4, h * 3 / 4), 255);
    EXPECT_EQ(drawn.GetBlue(w / 4, h * 3 / 4), 0);
    frame->Destroy();
    Pump();
}

// A repaint asked of an OpenGL pane is waited for before a shot: answered by its paint, or a
// failure of the test that names the pane's window when the pane never answers.
TEST(GuiKit, AShotWaitsForThePanesPaints)
{
    wxGLAttributes attributes;
    attributes.PlatformDefaults().RGBA().DoubleBuffer().Depth(24).EndList();
    if (!wxGLCanvas::IsDisplaySupported(attributes))
        GTEST_SKIP() << "no OpenGL visual on this display";
    auto* frame = new wxFrame(nullptr, wxID_ANY, "unanswered", wxPoint(60, 60), wxSize(160, 120));
    auto* canvas = new COpenGLCanvas(frame, attributes);
    wxGLContext context(canvas);
    bool askAgain = false;
    int paints = 0;
    canvas->Bind(wxEVT_PAINT, [&](wxPaintEvent&) {
        wxPaintDC dc(canvas);
        canvas->SetCurrent(context);
        glClearColor(0.0f, 0.0f, 0.0f, 1.0f);
        glClear(GL_COLOR_BUFFER_BIT);
        canvas->SwapBuffers();
        ++paints;
        if (askAgain)
            canvas->Refresh(false);
    });
    frame->Show();
    ASSERT_TRUE(PumpUntil([&] { return paints > 0 && canvas->IsShownOnScreen(); }));
    AnswerPaints(frame);
    EXPECT_FALSE(canvas->HasUnansweredPaint());
    canvas->Refresh(false);
    EXPECT_TRUE(canvas->HasUnansweredPaint());
    const int before = paints;
    const wxImage shot = Shot(canvas, "");
    EXPECT_GT(paints, before);
    EXPECT_FALSE(canvas->HasUnansweredPaint());
    EXPECT_EQ(DarkPixels(shot), shot.GetWidth() * shot.GetHeight());
    // Hidden, it is not waited for.
    canvas->Refresh(false);
    frame->Hide();
    EXPECT_FALSE(canvas->HasUnansweredPaint());
    frame->Show();
    // A pane that asks again in each paint never answers.
    askAgain = true;
    canvas->Refresh(false);
    static wxFrame* asking;
    asking = frame;
    EXPECT_NONFATAL_FAILURE(AnswerPaints(asking, 200), "the OpenGL panes of \"unanswered\" have not answered the paints "
                                                      "asked of them within 200 ms");
    askAgain = false;
    frame->Destroy();
    Pump();
}

namespace
{
// A window of one plain colour at a place of its own, counting its paints; each paint runs what
// the test has set for it.
struct PlainWindow
{
    wxFrame* frame;
    wxPanel* panel;
    int paints = 0;
    std::function<void()> onPaint;
    PlainWindow(const wxPoint& place, const wxColour& colour)
        : frame(new wxFrame(nullptr, wxID_ANY, "plain", place, wxSize(200, 150), wxBORDER_NONE)),
          panel(new wxPanel(frame))
    {
        panel->SetBackgroundColour(colour);
        panel->Bind(wxEVT_PAINT, [this](wxPaintEvent&) {
            wxPaintDC dc(panel);
            ++paints;
            if (onPaint)
                onPaint();
        });
    }
};
} // namespace

namespace
{
// A window that, asked to paint what is invalid (Update) while it is armed, takes itself away
// instead: as a paint's requests may have the display server uncover a window, whose exposes
// come with the server's next answers.
class LeavingWindow : public wxFrame
{
public:
    LeavingWindow(const wxPoint& place, const wxSize& size)
        : wxFrame(nullptr, wxID_ANY, "leaving", place, size, wxBORDER_NONE)
    {
        SetBackgroundColour(*wxWHITE);
    }
    void Update() override
    {
        if (Armed)
        {
            Armed = false;
            Hide();
            return;
        }
        wxFrame::Update();
    }
    bool Armed = false;
};
} // namespace

// A window that the display server uncovers while the kit waits for the paints is painted
// before AnswerPaints returns (so before a shot): the exposes that come with the server's last
// answers are answered too, not left for after the shot.
TEST(GuiKit, AShotWaitsForTheExposesOfTheDisplayServer)
{
    PlainWindow below(wxPoint(300, 200), *wxBLACK);
    below.frame->Show();
    ASSERT_TRUE(PumpUntil([&] { return below.paints > 0; }));
    auto* above = new LeavingWindow(below.frame->GetPosition(), below.frame->GetSize());
    above->Show();
    const wxRect area = ScreenRect(below.panel);
    ASSERT_TRUE(PumpUntil([&] { return DarkPixels(ScreenShot("").GetSubImage(area)) == 0; }))
        << "the white window stands over the black one";
    // A paint of the black window is asked for; while the kit has it made, the white one goes.
    below.panel->Refresh();
    above->Armed = true;
    const int before = below.paints;
    AnswerPaints();
    EXPECT_FALSE(above->IsShown());
    EXPECT_GE(below.paints, before + 2) << "the expose of the uncovered window was not answered";
    const wxImage shot = Shot(below.panel, "kit-uncovered");
    EXPECT_EQ(DarkPixels(shot), area.GetWidth() * area.GetHeight());
    below.frame->Destroy();
    above->Destroy();
    Pump();
}

// A critical of the toolkit (a call it refused: our misuse of it) fails the running test.
TEST(GuiKit, AToolkitCriticalFailsTheTest)
{
    using Log = void (*)(const char* domain, int level, const char* format, ...);
    static const Log log = reinterpret_cast<Log>(dlsym(RTLD_DEFAULT, "g_log"));
    ASSERT_NE(log, nullptr);
    EXPECT_NONFATAL_FAILURE(log("Gtk", 1 << 3, "%s", "gtk_window_move: assertion 'GTK_IS_WINDOW (window)' failed"),
                            "toolkit critical (Gtk): gtk_window_move");
    // A warning is not a critical.
    log("Gtk", 1 << 4, "%s", "a warning");
}
