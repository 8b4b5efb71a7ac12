// Frames drawn by the 3D drawing visitor into an offscreen context, their pixels read back and
// compared with the colours the generators gave the geometry (tolerance 2).
#include <gtest/gtest.h>

#include <GL/gl.h>

#include <vector>

#include "DrawingTestSupport.h"
#include "Papy/Model/ThreeDObjectObjectLocator.h"
#include "Papy/Model/ThreeDObjectPolygon.h"
#include "Vantrel/Drawing/ThreeDObject3DVisitor.h"

using namespace DrawingTest;

namespace
{
// Draws one frame of the object's root (the highlighted node by id, -1 for none).
void DrawRoot(ThreeDObject3DVisitor& visitor, const CountedPointer<TdoFile>& file, const DrawOptions& options = {},
              int highlightedId = -1)
{
    CountedPointer<ThreeDObject> highlighted = file->GetSubObject(highlightedId);
    try
    {
        Draw(options, visitor, RootOf(file), highlighted);
    }
    catch (const Velmo::Util::Exception& error)
    {
        ADD_FAILURE() << error.GetText();
    }
}

const Rgb SquareRed = {200, 40, 40};
const Rgb Ground = {40, 160, 40};
} // namespace

TEST(ThreeDObject3DVisitor, NothingShownClearsToGrey)
{
    GLContext context(16, 16);
    VELMO_REQUIRE_GL(context);
    SetView();
    ThreeDObject3DVisitor visitor(FactoryOf("gpl-polygon"));
    Draw(DrawOptions(), visitor, nullptr, nullptr);
    EXPECT_EQ(Colours(context).size(), 1u);
    for (const Rgb& colour : Colours(context))
        EXPECT_TRUE(Near(colour, Grey));
    EXPECT_EQ(glGetError(), GLenum(GL_NO_ERROR));
}

// A frame starts from clean colour, depth and stencil buffers whatever the last one left (a
// stale stencil would keep a highlight's red area), and ends with the state the next frame and
// the plan expect: blending and alpha test on, polygons filled, culling off.
TEST(ThreeDObject3DVisitor, AFrameClearsColourDepthAndStencil)
{
    GLContext context(32, 16);
    VELMO_REQUIRE_GL(context);
    SetView();
    glClearColor(1.0f, 0.0f, 0.0f, 1.0f);
    glClearDepth(0.25);
    glClearStencil(0xA5);
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT | GL_STENCIL_BUFFER_BIT);
    glClearDepth(1.0);
    glClearStencil(0);
    glPolygonMode(GL_FRONT_AND_BACK, GL_LINE);
    glEnable(GL_CULL_FACE);
    ThreeDObject3DVisitor visitor(FactoryOf("gpl-polygon"));
    Draw(DrawOptions(), visitor, nullptr, nullptr);
    const std::size_t count = std::size_t(context.Width()) * std::size_t(context.Height());
    std::vector<GLubyte> rgba(count * 4), stencil(count);
    std::vector<GLfloat> depth(count);
    glReadPixels(0, 0, context.Width(), context.Height(), GL_RGBA, GL_UNSIGNED_BYTE, rgba.data());
    glReadPixels(0, 0, context.Width(), context.Height(), GL_DEPTH_COMPONENT, GL_FLOAT, depth.data());
    glReadPixels(0, 0, context.Width(), context.Height(), GL_STENCIL_INDEX, GL_UNSIGNED_BYTE, stencil.data());
    for (std::size_t i = 0; i < count; ++i)
    {
        ASSERT_TRUE(Near({rgba[4 * i], rgba[4 * i + 1], rgba[4 * i + 2]}, Grey)) << "pixel " << i;
        ASSERT_EQ(rgba[4 * i + 3], 255) << "pixel " << i;
        ASSERT_EQ(depth[i], 1.0f) << "pixel " << i;
        ASSERT_EQ(stencil[i], 0) << "pixel " << i;
    }
    EXPECT_TRUE(glIsEnabled(GL_BLEND));
    EXPECT_TRUE(glIsEnabled(GL_ALPHA_TEST));
    EXPECT_FALSE(glIsEnabled(GL_CULL_FACE));
    GLint modes[2] = {};
    glGetIntegerv(GL_POLYGON_MODE, modes);
    EXPECT_EQ(modes[0], GL_FILL);
    EXPECT_EQ(glGetError(), GLenum(GL_NO_ERROR));
}

TEST(ThreeDObject3DVisitor, PolygonInItsColourAndHighlightedInverted)
{
    GLContext context(64, 64);
    VELMO_REQUIRE_GL(context);
    SetView();
    auto factory = FactoryOf("gpl-polygon");
    auto file = LoadObject(factory, "scene");
    ThreeDObject3DVisitor visitor(factory);
    DrawRoot(visitor, file);
    EXPECT_COLOUR_AT(context, 0, 0, SquareRed);
    EXPECT_COLOUR_AT(context, 4, -4, SquareRed);
    EXPECT_COLOUR_AT(context, 7, 7, Grey);

    // The polygon itself, then the list above it: the node and its subtree draw inverted.
    for (int id : {FindId<Velmo::Papy::ThreeDObjectPolygon>(file), RootOf(file)->GetId()})
    {
        DrawRoot(visitor, file, DrawOptions(), id);
        EXPECT_COLOUR_AT(context, 0, 0, (Rgb{55, 215, 215})) << "highlighting node " << id;
        EXPECT_COLOUR_AT(context, 7, 7, Grey);
        EXPECT_FALSE(glIsEnabled(GL_COLOR_LOGIC_OP));
    }
    EXPECT_EQ(glGetError(), GLenum(GL_NO_ERROR));
    EXPECT_TRUE(visitor.GetReport().HasNoProblems());
}

TEST(ThreeDObject3DVisitor, WireframeShowsOnlyGreyAndWhite)
{
    GLContext context(64, 64);
    VELMO_REQUIRE_GL(context);
    SetView();
    DrawOptions options;
    options.Wireframe = true;
    for (auto [folder, name] : {std::pair{"gpl-polygon", "scene"}, std::pair{"gpl-textures", "check"},
                                std::pair{"gpl-locator", "scene"}})
    {
        auto factory = FactoryOf(folder);
        auto file = LoadObject(factory, name);
        ThreeDObject3DVisitor visitor(factory);
        DrawRoot(visitor, file, options);
        std::set<Rgb> colours = Colours(context);
        EXPECT_EQ(colours.size(), 2u) << folder;
        for (const Rgb& colour : colours)
            EXPECT_TRUE(Near(colour, Grey) || Near(colour, White)) << folder;
        EXPECT_FALSE(glIsEnabled(GL_DEPTH_TEST));
        EXPECT_TRUE(visitor.GetTextureCache().GetMipNames().empty()) << "a texture was loaded in wireframe";
    }
    EXPECT_EQ(glGetError(), GLenum(GL_NO_ERROR));
}

TEST(ThreeDObject3DVisitor, HighlightedLocatorAreaIsRedThroughTheStencil)
{
    GLContext context(64, 64);
    VELMO_REQUIRE_GL(context);
    SetView();
    auto factory = FactoryOf("gpl-locator");
    auto file = LoadObject(factory, "scene");
    ThreeDObject3DVisitor visitor(factory);
    const int locator = FindId<Velmo::Papy::ThreeDObjectObjectLocator>(file);

    DrawRoot(visitor, file);
    EXPECT_COLOUR_AT(context, 0, 0, Ground);

    DrawRoot(visitor, file, DrawOptions(), locator);
    // Inside the four planes (|x|, |y| < 4) the ground was marked: red. Outside it, the ground
    // as drawn; beyond the ground the background.
    for (auto [x, y] : {std::pair{0.0, 0.0}, {3.5, 3.5}, {-3.5, -3.5}, {3.5, -3.5}})
        EXPECT_COLOUR_AT(context, x, y, (Rgb{255, 0, 0}));
    for (auto [x, y] : {std::pair{6.0, 0.0}, {0.0, -6.0}, {-8.5, 8.5}, {4.6, 0.0}})
        EXPECT_COLOUR_AT(context, x, y, Ground);
    EXPECT_COLOUR_AT(context, 9.6, 9.6, Grey);
    EXPECT_FALSE(glIsEnabled(GL_STENCIL_TEST));
    for (int i = 0; i < 4; ++i)
        EXPECT_FALSE(glIsEnabled(GLenum(GL_CLIP_PLANE0 + i)));

    // In wireframe the area is outlined in red and the lines stay white.
    DrawOptions wireframe;
    wireframe.Wireframe = true;
    DrawRoot(visitor, file, wireframe, locator);
    for (const Rgb& colour : Colours(context))
        EXPECT_TRUE(Near(colour, Grey) || Near(colour, White) || Near(colour, Rgb{255, 0, 0}));
    EXPECT_EQ(glGetError(), GLenum(GL_NO_ERROR));
}

TEST(ThreeDObject3DVisitor, PlaneOrdersDrawInReverseWhenTheEyeIsOnTheNegativeSide)
{
    GLContext context(32, 32);
    VELMO_REQUIRE_GL(context);
    auto factory = FactoryOf("gpl-planes");
    ThreeDObject3DVisitor visitor(factory);
    // Every child covers the centre, so the centre shows the child drawn last (or the
    // background when nothing is drawn). The eye looks at the plane z = 0 from +z, then from -z.
    struct Case
    {
        const char* name;
        Rgb positive;
        Rgb negative;
    };
    const Case cases[] = {
        {"order11", Blue, Red},   // far, near
        {"order10", Blue, Red},   // far, middle, near
        {"order9", Blue, Red},    // far, front (positive only), near
        {"order8", Blue, Red},    // far, back (negative only), front (positive only), near
        {"order7", Yellow, Green}, // back (negative only), front (positive only)
        {"order6", Yellow, Grey},  // front (positive only)
    };
    for (const Case& c : cases)
    {
        auto file = LoadObject(factory, c.name);
        SetView();
        DrawRoot(visitor, file);
        EXPECT_COLOUR_AT(context, 0, 0, c.positive) << c.name << " seen from +z";
        SetView();
        glRotated(180, 0, 1, 0);
        DrawRoot(visitor, file);
        EXPECT_COLOUR_AT(context, 0, 0, c.negative) << c.name << " seen from -z";
    }
    EXPECT_EQ(glGetError(), GLenum(GL_NO_ERROR));
}

TEST(ThreeDObject3DVisitor, PinnedVerticesStayWhereTheFixerSawThem)
{
    GLContext context(64, 64);
    VELMO_REQUIRE_GL(context);
    SetView();
    auto factory = FactoryOf("gpl-fixed");
    ThreeDObject3DVisitor visitor(factory);
    // The triangle's own vertices lie around (-5, 0); the fixer saw them under a move of 10
    // along x. Type 22 keeps them after the transformation is left, type 19 releases them.
    auto keep = LoadObject(factory, "keep22");
    DrawRoot(visitor, keep);
    EXPECT_COLOUR_AT(context, 5, -1, Red);
    EXPECT_COLOUR_AT(context, -5, -1, Grey);

    auto release = LoadObject(factory, "release19");
    DrawRoot(visitor, release);
    EXPECT_COLOUR_AT(context, -5, -1, Red);
    EXPECT_COLOUR_AT(context, 5, -1, Grey);

    // Seen from elsewhere the pinned triangle still lands 10 along x from its own place.
    SetView();
    glTranslated(-2, 1, 0);
    DrawRoot(visitor, keep);
    EXPECT_COLOUR_AT(context, 3, 0, Red);
    EXPECT_COLOUR_AT(context, -7, 0, Grey);
    EXPECT_EQ(glGetError(), GLenum(GL_NO_ERROR));
}

TEST(ThreeDObject3DVisitor, LevelOfDetailByEyeDistance)
{
    GLContext context(32, 32);
    VELMO_REQUIRE_GL(context);
    auto factory = FactoryOf("n4-lod");
    auto file = LoadObject(factory, "lod");
    ThreeDObject3DVisitor visitor(factory);
    // Split distances 100, 50, 0 over a red, a green and a blue square.
    for (auto [distance, expected] : {std::pair{150.0, Red}, {75.0, Green}, {25.0, Blue}, {100.0, Red}, {50.0, Green}})
    {
        SetView(distance);
        DrawRoot(visitor, file);
        EXPECT_COLOUR_AT(context, 0, 0, expected) << "at distance " << distance;
    }
    EXPECT_EQ(glGetError(), GLenum(GL_NO_ERROR));
}

TEST(ThreeDObject3DVisitor, ShapesAndTrackSectionsSwitchTheDepthTestOnWithoutTheZBuffer)
{
    GLContext context(32, 32);
    VELMO_REQUIRE_GL(context);
    SetView();
    DrawOptions options;
    ASSERT_FALSE(options.ZBuffer);

    // A red square in front drawn before a blue one behind: the depth test keeps the red one.
    auto n4 = FactoryOf("n4-depth");
    ThreeDObject3DVisitor meshes(n4);
    DrawRoot(meshes, LoadObject(n4, "depth"), options);
    EXPECT_COLOUR_AT(context, 0, 0, Red);
    EXPECT_TRUE(glIsEnabled(GL_DEPTH_TEST));

    auto gpl = FactoryOf("gpl-polygon");
    ThreeDObject3DVisitor polygons(gpl);
    DrawRoot(polygons, LoadObject(gpl, "scene"), options);
    EXPECT_FALSE(glIsEnabled(GL_DEPTH_TEST));

    auto track = FactoryOf("n4-track");
    ThreeDObject3DVisitor sections(track);
    DrawRoot(sections, LoadObject(track, "track", "ptf"), options);
    EXPECT_TRUE(glIsEnabled(GL_DEPTH_TEST));
    EXPECT_EQ(glGetError(), GLenum(GL_NO_ERROR));
}

TEST(ThreeDObject3DVisitor, TrackFloorWallAndDetailQuads)
{
    GLContext context(80, 80);
    VELMO_REQUIRE_GL(context);
    SetView();
    auto factory = FactoryOf("n4-track");
    auto file = LoadObject(factory, "track", "ptf");
    ThreeDObject3DVisitor visitor(factory);
    DrawRoot(visitor, file);
    const Rgb floor = {51, 102, 204}, wall = {204, 102, 51};
    // The floor between latitudes -4 and 4 along the segment from x -5 to 5.
    for (auto [x, y] : {std::pair{0.0, 0.0}, {-4.5, -3.5}, {4.5, 3.5}})
        EXPECT_COLOUR_AT(context, x, y, floor);
    for (auto [x, y] : {std::pair{0.0, -4.6}, {5.6, 0.0}, {-5.6, 0.0}})
        EXPECT_COLOUR_AT(context, x, y, Grey);
    // The top of the wall at latitude 6, half width 0.5.
    EXPECT_COLOUR_AT(context, 0, 6, wall);
    EXPECT_COLOUR_AT(context, 0, 6.8, Grey);
    // The detail over x -8..-5, y -9..-7 shows the four texels of grass.mip: red, green (top
    // row, at v below 0.5), blue, yellow.
    EXPECT_COLOUR_AT(context, -7.6, -8.6, (Rgb{255, 0, 0}));
    EXPECT_COLOUR_AT(context, -5.4, -8.6, (Rgb{0, 255, 0}));
    EXPECT_COLOUR_AT(context, -7.6, -7.4, (Rgb{0, 0, 255}));
    EXPECT_COLOUR_AT(context, -5.4, -7.4, (Rgb{255, 255, 0}));
    EXPECT_TRUE(visitor.GetReport().HasNoProblems()) << visitor.GetReport().GetMessages().front();
    EXPECT_EQ(glGetError(), GLenum(GL_NO_ERROR));
}

TEST(ThreeDObject3DVisitor, ScaledBitmapStandsAtItsVertexScaledByItsHeight)
{
    GLContext context(64, 64);
    VELMO_REQUIRE_GL(context);
    auto factory = FactoryOf("gpl-sprite");
    ThreeDObject3DVisitor visitor(factory);
    // Looking along +y, so that the sprite's plane y = 0 faces the eye with z up.
    auto view = [] {
        SetView();
        glRotated(-90, 1, 0, 0);
    };
    const Rgb red = {255, 0, 0}, green = {0, 255, 0}, blue = {0, 0, 255}, yellow = {255, 255, 0};
    // Height -6 over corners 6 apart: scale 1, x -2..2 and z 0..6, texel row 0 at the top.
    view();
    DrawRoot(visitor, LoadObject(factory, "up"));
    EXPECT_COLOUR_AT(context, -1, 5, red);
    EXPECT_COLOUR_AT(context, 1, 5, green);
    EXPECT_COLOUR_AT(context, -1, 1, blue);
    EXPECT_COLOUR_AT(context, 1, 1, yellow);
    EXPECT_COLOUR_AT(context, 0, -1, Grey);
    EXPECT_COLOUR_AT(context, 3, 3, Grey);
    // Height 6: scale -1, the sprite mirrored through its vertex.
    view();
    DrawRoot(visitor, LoadObject(factory, "down"));
    EXPECT_COLOUR_AT(context, 1, -5, red);
    EXPECT_COLOUR_AT(context, -1, -1, yellow);
    EXPECT_COLOUR_AT(context, 0, 1, Grey);
    // In wireframe its outline only, and no texture made.
    DrawOptions wireframe;
    wireframe.Wireframe = true;
    ThreeDObject3DVisitor lines(factory);
    view();
    DrawRoot(lines, LoadObject(factory, "up"), wireframe);
    EXPECT_EQ(Colours(context).size(), 2u);
    EXPECT_TRUE(lines.GetTextureCache().GetSrbNames().empty());
    EXPECT_EQ(glGetError(), GLenum(GL_NO_ERROR));
}
