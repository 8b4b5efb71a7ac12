// The OpenGL panes on a scaled (HiDPI) screen: this file's tests run with GDK_SCALE=2 (its ctest
// entry sets it, tests/Vantrel/GuiKit/tests.cmake), where the toolkit lays windows out in
// logical pixels and each stands for 2 x 2 pixels of the window. The picture must fill the
// pane's pixels, not a quarter of them.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <string>

#include <GL/gl.h>
#include <wx/glcanvas.h>

#include "GLViewSamples.h"
#include "GuiKit.h"
#include "Papy/Model/ThreeDObjectRoot.h"
#include "TrkDocSamples.h"
#include "Vantrel/App/MainFrame.h"
#include "Vantrel/Doc/3DODoc.h"
#include "Vantrel/Doc/3DOHint.h"
#include "Vantrel/Frame/CommandIds.h"
#include "Vantrel/Frame/DocChildFrame.h"
#include "Vantrel/Rows/RpyHint.h"
#include "Vantrel/Rows/TrkHint.h"
#include "Vantrel/View/3DO3DView.h"
#include "Vantrel/View/3DOTreeView.h"
#include "Vantrel/View/GLContextScope.h"
#include "Vantrel/View/Rpy3DView.h"
#include "Vantrel/View/Trk3DView.h"

using namespace GuiTest;

namespace
{
// The pane's canvas in device pixels, and its viewport as the pane set it.
struct Sizes
{
    wxSize Device;
    wxSize Viewport;
};

Sizes SizesOf(COpenGLView* view)
{
    Sizes sizes;
    if (view == nullptr || !PumpUntil([view] { return view->GetContext() != nullptr; }))
        return sizes;
    const double scale = view->GetCanvas()->GetContentScaleFactor();
    sizes.Device = view->GetCanvas()->GetClientSize() * scale;
    GLContextScope scope(*view->GetCanvas(), *view->GetContext());
    GLint viewport[4] = {0, 0, 0, 0};
    glGetIntegerv(GL_VIEWPORT, viewport);
    sizes.Viewport = wxSize(viewport[2], viewport[3]);
    return sizes;
}

void ExpectSize(const wxSize& actual, const wxSize& expected, const char* what)
{
    EXPECT_EQ(actual.GetWidth(), expected.GetWidth()) << what;
    EXPECT_EQ(actual.GetHeight(), expected.GetHeight()) << what;
}

// The rectangle of the pixels that are not the background.
wxRect Drawn(const wxImage& image, const TrkDocTest::Rgb& background)
{
    int left = image.GetWidth(), top = image.GetHeight(), right = -1, bottom = -1;
    for (int y = 0; y < image.GetHeight(); ++y)
        for (int x = 0; x < image.GetWidth(); ++x)
            if (std::abs(image.GetRed(x, y) - background[0]) > 2 ||
                std::abs(image.GetGreen(x, y) - background[1]) > 2 || std::abs(image.GetBlue(x, y) - background[2]) > 2)
            {
                left = std::min(left, x);
                right = std::max(right, x);
                top = std::min(top, y);
                bottom = std::max(bottom, y);
            }
    return right < 0 ? wxRect() : wxRect(wxPoint(left, top), wxPoint(right, bottom));
}
} // namespace

// The display scales by 2 here: otherwise this suite tests nothing of its own.
TEST(HiDpi, TheScreenIsScaledByTwo)
{
    EXPECT_STREQ(std::getenv("GDK_SCALE"), "2");
    EXPECT_EQ(Frame().GetContentScaleFactor(), 2.0);
}

// The track plan fills its pane: the viewport is the canvas's device pixels, and the plan, fitted
// to the pane, reaches into every quarter of them (not only the bottom-left one) from the middle.
TEST(HiDpi, TheTrackPlanFillsItsPane)
{
    FailOnMessages();
    wxDocument* document = Open(TrkDocTest::Game("gpl/Tracks/Plan/PLAN.TRK"));
    ASSERT_NE(document, nullptr);
    ASSERT_TRUE(TrkDocTest::Select(document, TrkHint::Whole));
    Pump();
    CTrk3DView* view = ViewOf<CTrk3DView>(document);
    ASSERT_NE(view, nullptr);
    const Sizes sizes = SizesOf(view);
    ASSERT_GT(sizes.Device.GetWidth(), 0);
    ExpectSize(sizes.Viewport, sizes.Device, "viewport");
    ExpectSize(wxSize(view->GetWidth(), view->GetHeight()), sizes.Device, "the pane's size");
    const wxImage plan = GLShot(view->GetCanvas(), view->GetContext(), "hidpi-plan", [view] { view->Render(); });
    ASSERT_TRUE(plan.IsOk());
    ASSERT_TRUE(plan.GetSize() == sizes.Device);
    const wxRect drawn = Drawn(plan, TrkDocTest::White);
    ASSERT_FALSE(drawn.IsEmpty());
    const int w = plan.GetWidth(), h = plan.GetHeight();
    // Fitted and centred: the plan spans most of the pane across or down, around the middle.
    EXPECT_LT(drawn.GetLeft(), w / 2);
    EXPECT_GT(drawn.GetRight(), w / 2);
    EXPECT_LT(drawn.GetTop(), h / 2);
    EXPECT_GT(drawn.GetBottom(), h / 2);
    EXPECT_TRUE(drawn.GetWidth() > w * 3 / 4 || drawn.GetHeight() > h * 3 / 4)
        << drawn.GetWidth() << "x" << drawn.GetHeight();
    EXPECT_NEAR(drawn.GetLeft() + drawn.GetRight(), w, w / 10) << "centred across";
    EXPECT_NEAR(drawn.GetTop() + drawn.GetBottom(), h, h / 10) << "centred down";
    Shot(view->GetChildFrame(), "hidpi-trk");
    CloseAll();
}

// The 3D-object pane and the replay pane set their viewports from the device pixels too.
TEST(HiDpi, TheOtherOpenGLPanesUseTheDevicePixels)
{
    FailOnMessages();
    ASSERT_TRUE(GLViewTest::Samples::Get().IsReady());
    auto* object = dynamic_cast<C3DODoc*>(Open(GLViewTest::Samples::Get().Path("gpl/rotated.3do")));
    ASSERT_NE(object, nullptr);
    C3DO3DView* view = ViewOf<C3DO3DView>(object);
    ASSERT_NE(view, nullptr);
    Command(ID_VIEW_3D);
    C3DOHint hint(object->GetFile()->GetRoot()->GetId());
    object->UpdateAllViews(ViewOf<C3DOTreeView>(object), &hint);
    Pump();
    Sizes sizes = SizesOf(view);
    ASSERT_GT(sizes.Device.GetWidth(), 0);
    ExpectSize(sizes.Viewport, sizes.Device, "viewport");
    ExpectSize(wxSize(view->GetState().GetWidth(), view->GetState().GetHeight()), sizes.Device, "the pane's size");
    // The node, fitted to the pane, is drawn on both sides of its middle.
    const wxImage shot = GLShot(view->GetCanvas(), view->GetContext(), "hidpi-3do", [view] { view->Render(); });
    const wxRect drawn = Drawn(shot, {128, 128, 128});
    ASSERT_FALSE(drawn.IsEmpty());
    EXPECT_GT(drawn.GetRight(), shot.GetWidth() / 2);
    EXPECT_LT(drawn.GetTop(), shot.GetHeight() / 2);
    CloseAll();

    wxDocument* replay = Open(TrkDocTest::Game("gpl/Replays/race.rpy"));
    ASSERT_NE(replay, nullptr);
    ASSERT_TRUE(TrkDocTest::Select(replay, RpyHint::Whole));
    Pump();
    sizes = SizesOf(ViewOf<CRpy3DView>(replay));
    ASSERT_GT(sizes.Device.GetWidth(), 0);
    ExpectSize(sizes.Viewport, sizes.Device, "viewport");
    CloseAll();
}
