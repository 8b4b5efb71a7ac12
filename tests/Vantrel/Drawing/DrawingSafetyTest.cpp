// Crafted objects the drawing walks past: each draws three frames without an exception, leaves
// OpenGL without an error and its stacks and switches as they were, draws what is sound, and
// tells its problem exactly once.
#include <gtest/gtest.h>

#include <GL/gl.h>

#include <functional>

#include "DrawingTestSupport.h"
#include "Papy/Model/ThreeDObjectFSection.h"
#include "Papy/Model/ThreeDObjectPolygon.h"
#include "Papy/Model/ThreeDObjectTransformation.h"
#include "Papy/Model/ThreeDObjectTriangleFan.h"
#include "Papy/Model/ThreeDObjectTriangleStrip.h"
#include "Papy/Model/ThreeDObjectTriangles.h"
#include "Vantrel/Drawing/DrawingMessages.h"
#include "Vantrel/Drawing/ModelviewStack.h"
#include "Vantrel/Drawing/ThreeDObject3DVisitor.h"

using namespace DrawingTest;

namespace
{
struct Case
{
    const char* folder;
    const char* name;
    const char* extension;
    // The one message, worked out from the file (its node ids are looked up in it).
    std::function<std::string(const CountedPointer<TdoFile>&)> message;
    // A point where a sound part of the object shows blue (none when NaN).
    double blueX;
};

std::string Contains(const std::string& a, const std::string& b)
{
    return "contains:" + a + "|" + b;
}

void ExpectMessage(const std::vector<std::string>& messages, const std::string& expected)
{
    ASSERT_EQ(messages.size(), 1u) << (messages.empty() ? std::string("no message") : messages[1]);
    if (expected.rfind("contains:", 0) == 0)
    {
        const std::string parts = expected.substr(9);
        const std::size_t bar = parts.find('|');
        EXPECT_NE(messages[0].find(parts.substr(0, bar)), std::string::npos) << messages[0];
        EXPECT_NE(messages[0].find(parts.substr(bar + 1)), std::string::npos) << messages[0];
    }
    else
    {
        EXPECT_EQ(messages[0], expected);
    }
}

void DrawThreeFrames(const GLContext& context, const Case& c)
{
    SCOPED_TRACE(std::string(c.folder) + "/" + c.name);
    auto factory = FactoryOf(c.folder);
    auto file = LoadObject(factory, c.name, c.extension);
    ThreeDObject3DVisitor visitor(factory);
    const int depth = ModelviewStack::GetDepth();
    for (int frame = 0; frame < 3; ++frame)
    {
        try
        {
            Draw(DrawOptions(), visitor, RootOf(file), nullptr);
        }
        catch (const Velmo::Util::Exception& error)
        {
            ADD_FAILURE() << "frame " << frame << ": " << error.GetText();
        }
        EXPECT_EQ(glGetError(), GLenum(GL_NO_ERROR)) << "frame " << frame;
        EXPECT_EQ(ModelviewStack::GetDepth(), depth);
        EXPECT_FALSE(glIsEnabled(GL_TEXTURE_2D));
        EXPECT_FALSE(glIsEnabled(GL_COLOR_LOGIC_OP));
    }
    ExpectMessage(visitor.GetReport().GetMessages(), c.message(file));
    if (c.blueX != 0)
    {
        EXPECT_COLOUR_AT(context, c.blueX, 0, Blue);
    }
}
} // namespace

TEST(DrawingSafety, CraftedObjectsDrawThreeFramesWithOneMessage)
{
    GLContext context(64, 64);
    VELMO_REQUIRE_GL(context);
    SetView();
    using namespace Velmo::Papy;
    const Case cases[] = {
        {"n4-bad", "trilist", "3do",
         [](auto& f) { return DrawingMessages::IndexBeyondVertices(FindId<ThreeDObjectTriangles>(f), 4); }, 5},
        {"n4-bad", "strip", "3do",
         [](auto& f) { return DrawingMessages::IndexBeyondVertices(FindId<ThreeDObjectTriangleStrip>(f), 4); }, 5},
        {"n4-bad", "fan", "3do",
         [](auto& f) { return DrawingMessages::IndexBeyondVertices(FindId<ThreeDObjectTriangleFan>(f), 4); }, 5},
        {"n4-short", "short", "ptf",
         [](auto& f) { return DrawingMessages::ShortTextureCoords(FindId<ThreeDObjectFSection>(f)); }, 0},
        {"gpl-safety", "self", "3do",
         [](auto&) { return std::string("External object cycle: self -> self: the repeat is not drawn"); }, 5},
        {"gpl-safety", "loop-a", "3do",
         [](auto&) { return std::string("External object cycle: loop-b -> loop-a -> loop-b: the repeat is not drawn"); },
         5},
        {"gpl-safety", "missing-object", "3do", [](auto&) { return Contains("absent.3do", "File not found"); }, 5},
        {"gpl-safety", "missing-texture", "3do", [](auto&) { return Contains("nothere.mip", "File not found"); }, 0},
        {"gpl-safety", "nan-vertex", "3do",
         [](auto& f) { return DrawingMessages::NotFinite(FindId<ThreeDObjectPolygon>(f)); }, 5},
        {"gpl-safety", "nan-angle", "3do",
         [](auto& f) { return DrawingMessages::NotFinite(FindId<ThreeDObjectTransformation>(f)); }, 5},
        {"gpl-safety", "nested40", "3do", [](auto&) { return ModelviewStack::FullMessage(); }, 5},
    };
    for (const Case& c : cases)
        DrawThreeFrames(context, c);
    EXPECT_EQ(ModelviewStack::FullMessage(),
              "Transformations nested deeper than the modelview stack (32 levels): the deeper ones are not drawn");
}

TEST(DrawingSafety, TheSoundPartsOfCraftedObjectsStillDraw)
{
    GLContext context(64, 64);
    VELMO_REQUIRE_GL(context);
    SetView();
    // The floor whose texture coordinates fall short draws untextured, in its own colour.
    auto factory = FactoryOf("n4-short");
    ThreeDObject3DVisitor visitor(factory);
    Draw(DrawOptions(), visitor, RootOf(LoadObject(factory, "short", "ptf")), nullptr);
    EXPECT_COLOUR_AT(context, 0, 0, (Rgb{51, 102, 204}));
    // The square under the missing texture draws in its own colour.
    auto gpl = FactoryOf("gpl-safety");
    ThreeDObject3DVisitor polygons(gpl);
    Draw(DrawOptions(), polygons, RootOf(LoadObject(gpl, "missing-texture")), nullptr);
    EXPECT_COLOUR_AT(context, 0, 0, Green);
    // The bad primitive's square is left out, not drawn with the indices that were in range.
    auto n4 = FactoryOf("n4-bad");
    ThreeDObject3DVisitor meshes(n4);
    Draw(DrawOptions(), meshes, RootOf(LoadObject(n4, "trilist")), nullptr);
    EXPECT_COLOUR_AT(context, -5, -2, Grey);
    EXPECT_COLOUR_AT(context, 5, -2, Blue);
    EXPECT_EQ(glGetError(), GLenum(GL_NO_ERROR));
}

TEST(DrawingSafety, AnEditedVertexIndexBeyondTheVerticesIsToldOnce)
{
    GLContext context(32, 32);
    VELMO_REQUIRE_GL(context);
    SetView();
    auto factory = FactoryOf("n4-depth");
    auto file = LoadObject(factory, "depth");
    ThreeDObject3DVisitor visitor(factory);
    auto* triangles = FindNode<Velmo::Papy::ThreeDObjectTriangles>(file);
    ASSERT_NE(triangles, nullptr);
    const Velmo::U32 kept = triangles->GetIndex(5);
    triangles->SetIndex(5, 4);
    for (int frame = 0; frame < 3; ++frame)
        Draw(DrawOptions(), visitor, RootOf(file), nullptr);
    EXPECT_EQ(visitor.GetReport().GetMessages(),
              (std::vector<std::string>{DrawingMessages::IndexBeyondVertices(triangles->GetId(), 4)}));
    // Put right, it draws again (the message stays told).
    triangles->SetIndex(5, kept);
    Draw(DrawOptions(), visitor, RootOf(file), nullptr);
    EXPECT_COLOUR_AT(context, 0, 0, Red);
    EXPECT_EQ(visitor.GetReport().GetMessages().size(), 1u);
    EXPECT_EQ(glGetError(), GLenum(GL_NO_ERROR));
}

TEST(DrawingSafety, AFrameCutShortByAnExceptionLeavesTheStacksAsTheyWere)
{
    GLContext context(32, 32);
    VELMO_REQUIRE_GL(context);
    SetView();
    const int depth = ModelviewStack::GetDepth();
    // A vertex id edited beyond the vertex table, on a square under a transformation: the
    // file's assertion ends the frame inside that transformation's push.
    auto factory = FactoryOf("gpl-clip");
    auto file = LoadObject(factory, "moved");
    ThreeDObject3DVisitor visitor(factory);
    auto* square = FindNode<Velmo::Papy::ThreeDObjectPolygon>(file);
    ASSERT_NE(square, nullptr);
    // The far square comes first in slot order; the moved one is the polygon under the
    // transformation.
    auto* moved = dynamic_cast<Velmo::Papy::ThreeDObjectPolygon*>(
        DrawingTest::FindNode<Velmo::Papy::ThreeDObjectTransformation>(file)->GetChild().Get());
    ASSERT_NE(moved, nullptr);
    const int kept = moved->GetVertexId(0);
    moved->SetVertexId(0, 100000);
    EXPECT_THROW(Draw(DrawOptions(), visitor, RootOf(file), nullptr), Velmo::Util::XAssertion);
    EXPECT_EQ(ModelviewStack::GetDepth(), depth);
    EXPECT_EQ(glGetError(), GLenum(GL_NO_ERROR));
    moved->SetVertexId(0, kept);

    // A singular modelview (a scale of 0 along x) when the pinned triangle is sent: the solve's
    // message ends the frame.
    auto fixed = FactoryOf("gpl-fixed");
    auto car = LoadObject(fixed, "keep22");
    ThreeDObject3DVisitor solver(fixed);
    glScaled(0, 1, 1);
    try
    {
        Draw(DrawOptions(), solver, RootOf(car), nullptr);
        ADD_FAILURE() << "no exception";
    }
    catch (const Velmo::Util::XUsage& error)
    {
        EXPECT_EQ(error.GetText(), "FixedVertex LU decomposition problem");
    }
    EXPECT_EQ(ModelviewStack::GetDepth(), depth);
    EXPECT_FALSE(glIsEnabled(GL_STENCIL_TEST));
    EXPECT_EQ(glGetError(), GLenum(GL_NO_ERROR));
    // The next frame draws from a clean start.
    SetView();
    Draw(DrawOptions(), solver, RootOf(car), nullptr);
    EXPECT_COLOUR_AT(context, 5, -1, Red);
}
