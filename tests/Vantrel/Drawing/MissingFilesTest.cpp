// Files that an object names but that cannot be had, and names that reach files, in the walks
// of the 3D pane (samples of drawing_samples.py's walks folder): a missing file is passed over
// and told once by every walk, the rest is measured and drawn; a scaled bitmap and an external
// object of one name are two files; an external object without a root is walked as nothing;
// names compare as the factory resolves them.
#include <gtest/gtest.h>

#include <GL/gl.h>
#include <GL/glu.h>

#include "DrawingSamples.h"
#include "GLContext.h"
#include "WalkRuns.h"
#include "Papy/Factory/MakeFacets.h"
#include "Papy/N4/N4ArchiverLists.h"
#include "Papy/N4/N4TdoFile.h"
#include "Vantrel/Drawing/ThreeDObjectViewPainter.h"
#include "Vantrel/Drawing/ThreeDObjectViewState.h"

namespace
{
using namespace DrawingTest;

CountedPointer<TdoFile> Walked(const std::string& name)
{
    CountedPointer<TdoFile> file;
    Samples::Get().Factory("walks")->GetFacet<Velmo::Papy::MakeTdo>()->Make(file, name, "3do", false);
    return file;
}

// The colour of the pane's pixel over a point of the plane z = 0, through the matrices of the
// last paint.
Rgb PaneColourAt(const GLContext& context, double x, double y)
{
    GLdouble modelview[16], projection[16];
    GLint viewport[4];
    glGetDoublev(GL_MODELVIEW_MATRIX, modelview);
    glGetDoublev(GL_PROJECTION_MATRIX, projection);
    glGetIntegerv(GL_VIEWPORT, viewport);
    GLdouble wx = 0, wy = 0, wz = 0;
    gluProject(x, y, 0, modelview, projection, viewport, &wx, &wy, &wz);
    const auto pixel = context.Pixel(int(wx), int(wy));
    return {pixel[0], pixel[1], pixel[2]};
}
} // namespace

TEST(MissingFiles, EveryWalkPassesOverAMissingScaledBitmapAndExternalObjectTellingEachOnce)
{
    GLContext context(64, 64);
    VELMO_REQUIRE_GL(context);
    const auto factory = Samples::Get().Factory("walks");
    // Each named twice. The clip test looks at scaled bitmaps only below a plane: not here.
    const struct
    {
        Walk walk;
        std::size_t bitmapMessages;
    } cases[] = {{Walk::Draw, 1}, {Walk::Bounds, 1}, {Walk::Check, 1}, {Walk::ClipTest, 0}};
    for (const auto& c : cases)
    {
        const WalkRun run = RunWalk(c.walk, factory, Samples::Root(Walked("passed-over")));
        EXPECT_EQ(run.Error, "") << NameOf(c.walk);
        EXPECT_EQ(run.CountMessages({"nosuch.srb", "File not found"}), c.bitmapMessages) << NameOf(c.walk);
        EXPECT_EQ(run.CountMessages({"absent.3do", "File not found"}), 1u) << NameOf(c.walk);
        EXPECT_EQ(run.Messages.size(), c.bitmapMessages + 1) << NameOf(c.walk);
        if (c.walk == Walk::Bounds)
        {
            ExpectBounds(run.Bounds, Samples::Get().Bounds("walks-passed-over"), "passed-over");
        }
    }
}

TEST(MissingFiles, ThePaneMeasuresAndDrawsTheRestOfAnObjectWithAMissingScaledBitmap)
{
    GLContext context(64, 64);
    VELMO_REQUIRE_GL(context);
    const auto factory = Samples::Get().Factory("walks");
    const auto file = Walked("passed-over");
    ThreeDObjectViewState state;
    state.OnSize(64, 64);
    ThreeDObjectViewPainter::Resize(state);
    state.Execute(ThreeDObjectViewState::ThreeDCommand);
    state.OnSelection(Samples::Root(file)->GetId());
    ThreeDObject3DVisitor visitor(factory);
    const auto draw = [&visitor](const DrawOptions& options, const ThreeDObjectViewPainter::Node& shown,
                                 const ThreeDObjectViewPainter::Node& highlighted) {
        Draw(options, visitor, shown, highlighted);
    };
    ThreeDObjectViewPainter painter;
    DrawingReport report;
    painter.PreDraw(state, file.Get(), factory, report);
    painter.DrawScene(state, file.Get(), draw, {});
    glFinish();
    EXPECT_TRUE(state.AreBoundsValid());
    ExpectBounds(state.GetBounds(), Samples::Get().Bounds("walks-passed-over"), "passed-over");
    EXPECT_EQ(report.GetMessages().size(), 2u);
    // The squares on either side of the missing scaled bitmap, and the background between.
    EXPECT_TRUE(Near(PaneColourAt(context, -5, 0), Red));
    EXPECT_TRUE(Near(PaneColourAt(context, 5, 0), Blue));
    EXPECT_TRUE(Near(PaneColourAt(context, 0, 0), Grey));
    EXPECT_EQ(glGetError(), GLenum(GL_NO_ERROR));
}

TEST(MissingFiles, TheClipTestKeepsAScaledBitmapAndAnExternalObjectOfOneNameApart)
{
    GLContext context(8, 8);
    VELMO_REQUIRE_GL(context);
    // The scaled bitmap "dup" is missing; the external object "dup" exists and is tested: its
    // four vertices lie on the wrong side of their plane.
    const WalkRun run = RunWalk(Walk::ClipTest, Samples::Get().Factory("walks"), Samples::Root(Walked("dup-holder")));
    EXPECT_EQ(run.Error, "");
    EXPECT_EQ(run.ClipFailures, 4u);
    ASSERT_EQ(run.Messages.size(), 1u);
    EXPECT_EQ(run.CountMessages({"dup.srb", "File not found"}), 1u) << run.Messages[0];
}

TEST(ExternalObjectNames, AnExternalObjectWithoutARootIsWalkedAsNothing)
{
    GLContext context(64, 64);
    VELMO_REQUIRE_GL(context);
    // A new N4 file has no root; the holder names it "empty".
    const auto factory = Samples::Get().Factory("walks");
    CountedPointer<TdoFile> empty(new Velmo::Papy::N4TdoFile(Velmo::Papy::GetN4TdoArchivers(), nullptr));
    ASSERT_FALSE(empty->GetRoot());
    factory->GetFacet<Velmo::Papy::MakeTdo>()->Adopt(empty, "empty", "3do");
    for (const Walk walk : AllWalks)
    {
        const WalkRun run = RunWalk(walk, factory, Samples::Root(Walked("holder")));
        EXPECT_EQ(run.Error, "") << NameOf(walk);
        EXPECT_EQ(run.Messages, std::vector<std::string>{}) << NameOf(walk);
        if (walk == Walk::Draw)
        {
            EXPECT_COLOUR_AT(context, 0, 0, Red);
        }
    }
}

TEST(ExternalObjectNames, NamesCompareAsTheFactoryResolvesThem)
{
    GLContext context(64, 64);
    VELMO_REQUIRE_GL(context);
    const auto factory = Samples::Get().Factory("walks");
    struct Case
    {
        const char* name;
        Walk walk;
        std::vector<std::string> messages;
        std::string error;
    };
    // twins names Twin, which names "twin", a file of its own beside it; Loop names "LOOP",
    // which is no file of that very name: Loop itself, met again inside its walk as an external
    // object.
    const Case cases[] = {
        {"twins", Walk::Draw, {}, ""},
        {"twins", Walk::Bounds, {}, ""},
        {"twins", Walk::Check, {}, ""},
        {"twins", Walk::ClipTest, {}, ""},
        {"Loop", Walk::Draw, {"External object cycle: LOOP -> LOOP: the repeat is not drawn"}, ""},
        {"Loop", Walk::Bounds, {"External object cycle passed over: LOOP -> LOOP"}, ""},
        {"Loop", Walk::Check, {},
         "A possible error was found in file LOOP\nExternal object refers to itself: LOOP -> LOOP\n"},
        {"Loop", Walk::ClipTest, {"External object cycle: LOOP -> LOOP: the repeat is not tested"}, ""},
    };
    for (const Case& c : cases)
    {
        const WalkRun run = RunWalk(c.walk, factory, Samples::Root(Walked(c.name)));
        EXPECT_EQ(run.Messages, c.messages) << c.name << ", " << NameOf(c.walk);
        EXPECT_EQ(run.Error, c.error) << c.name << ", " << NameOf(c.walk);
        if (c.walk == Walk::Bounds && std::string(c.name) == "twins")
            ExpectBounds(run.Bounds, Samples::Get().Bounds("walks-twin"), "twins");
        if (c.walk == Walk::Draw && std::string(c.name) == "twins")
        {
            EXPECT_COLOUR_AT(context, -5, 0, Red);
            EXPECT_COLOUR_AT(context, 5, 0, Blue);
        }
    }
}
