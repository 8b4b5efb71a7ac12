// The rotations of N4 transforms and animated transforms are kept in radians (the field pane
// shows them in degrees, the field editor stores radians): the drawing and the bounds turn the
// node by that angle. The scenes are written by the N4 generator: a red bar from x = 0 to 8
// (y from -1 to 1) under a transform of a quarter turn about Z, so it stands from y = 0 to 8.
#include <gtest/gtest.h>

#include <GL/gl.h>

#include <cmath>
#include <cstdlib>
#include <filesystem>

#include "DrawingTestSupport.h"
#include "Papy/Model/ThreeDObjectAnimatedTransform.h"
#include "Papy/Model/ThreeDObjectTransform.h"
#include "Util/Exception.h"
#include "Vantrel/Drawing/ThreeDObject3DVisitor.h"
#include "Vantrel/Drawing/ThreeDObjectGetBoundsVisitor.h"

using namespace DrawingTest;

namespace
{
// Writes the two scenes into a folder of their own (an N4 folder by its files) once.
std::string RotationFolder()
{
    static const std::string folder = [] {
        const std::string out = std::string(VELMO_TEST_BINARY_DIR) + "/n4-rotation";
        std::filesystem::create_directories(out);
        const std::string script =
            "import math, os, sys\n"
            "sys.path.insert(0, os.path.join(sys.argv[1], 'Papy', 'N4'))\n"
            "from n4archive import Node, appearance, archive_bytes, RED\n"
            "def bar():\n"
            "    points = [(0.0, -1.0, 0.0), (8.0, -1.0, 0.0), (8.0, 1.0, 0.0), (0.0, 1.0, 0.0)]\n"
            "    geometry = Node('Geometry', first=Node('PlainVertexList', vertices=points),\n"
            "                    second=Node('TriList', indices=[0, 1, 2, 0, 2, 3]))\n"
            "    return Node('Shape', name='', first=appearance(RED), second=geometry)\n"
            "quarter = math.pi / 2\n"
            "scenes = {\n"
            "    'transform.3do': Node('Transform', name='turn', translation=[0.0, 0.0, 0.0],\n"
            "                          rotation=[0.0, 0.0, quarter], child=bar()),\n"
            "    'animated.3do': Node('AnimatedTransform', name='turn', text='',\n"
            "                         d=[0.0, 0.0, 0.0, 0.0, 0.0, quarter], child=bar()),\n"
            "}\n"
            "for name, root in scenes.items():\n"
            "    with open(os.path.join(sys.argv[2], name), 'wb') as f:\n"
            "        f.write(archive_bytes(Node('Group', name='scene', children=[root])))\n";
        const std::string scriptPath = out + "/write.py";
        FILE* file = std::fopen(scriptPath.c_str(), "w");
        EXPECT_NE(file, nullptr);
        if (file != nullptr)
        {
            std::fputs(script.c_str(), file);
            std::fclose(file);
        }
        const std::string command = std::string("\"") + VELMO_PYTHON3 + "\" \"" + scriptPath + "\" \"" +
                                    VELMO_TEST_SOURCE_DIR + "\" \"" + out + "\"";
        EXPECT_EQ(std::system(command.c_str()), 0) << command;
        return out;
    }();
    return folder;
}

CountedPointer<FileFactory> RotationFactory()
{
    CountedPointer<FileFactory> factory =
        Velmo::Papy::FileFactoryRegistry::Instance()->GetFactory(RotationFolder(), false);
    EXPECT_TRUE(factory);
    return factory;
}

ViewBounds Measure(const CountedPointer<FileFactory>& factory, const CountedPointer<TdoFile>& file)
{
    glMatrixMode(GL_MODELVIEW);
    glPushMatrix();
    glLoadIdentity();
    ViewBounds bounds;
    {
        ThreeDObjectGetBoundsVisitor visitor(factory, DrawOptions());
        RootOf(file)->Accept(visitor);
        bounds = visitor.GetBounds();
    }
    glPopMatrix();
    return bounds;
}
} // namespace

TEST(N4Rotation, AQuarterTurnInRadiansIsDrawnAndMeasuredAsAQuarterTurn)
{
    GLContext context(40, 40);
    VELMO_REQUIRE_GL(context);
    auto factory = RotationFactory();
    ASSERT_TRUE(factory);
    const double quarter = std::acos(-1.0) / 2;
    for (const char* name : {"transform", "animated"})
    {
        SCOPED_TRACE(name);
        CountedPointer<TdoFile> file = LoadObject(factory, name);
        ASSERT_TRUE(file);
        // The generator put the quarter turn where the node keeps its Z rotation.
        if (auto* transform = FindNode<Velmo::Papy::ThreeDObjectTransform>(file))
            EXPECT_DOUBLE_EQ(transform->GetZRotation(), quarter);
        else if (auto* animated = FindNode<Velmo::Papy::ThreeDObjectAnimatedTransform>(file))
            EXPECT_DOUBLE_EQ(animated->GetZRotation(), quarter);
        else
            ADD_FAILURE() << "no transform";

        SetView();
        ThreeDObject3DVisitor visitor(factory);
        try
        {
            Draw(DrawOptions(), visitor, RootOf(file), file->GetSubObject(-1));
        }
        catch (const Velmo::Util::Exception& error)
        {
            ADD_FAILURE() << error.GetText();
        }
        // Along +y, not along +x.
        EXPECT_COLOUR_AT(context, 0.2, 4, Red);
        EXPECT_COLOUR_AT(context, 0.2, 7.5, Red);
        EXPECT_COLOUR_AT(context, 4, 0.2, Grey);
        EXPECT_COLOUR_AT(context, 7.5, -0.5, Grey);
        EXPECT_EQ(glGetError(), GLenum(GL_NO_ERROR));

        const ViewBounds bounds = Measure(factory, file);
        ViewBounds expected;
        expected.MinX = -1;
        expected.MaxX = 1;
        expected.MinY = 0;
        expected.MaxY = 8;
        expected.MinZ = 0;
        expected.MaxZ = 0;
        EXPECT_NEAR(bounds.MinX, expected.MinX, 1e-6);
        EXPECT_NEAR(bounds.MaxX, expected.MaxX, 1e-6);
        EXPECT_NEAR(bounds.MinY, expected.MinY, 1e-6);
        EXPECT_NEAR(bounds.MaxY, expected.MaxY, 1e-6);
        EXPECT_NEAR(bounds.MinZ, expected.MinZ, 1e-6);
        EXPECT_NEAR(bounds.MaxZ, expected.MaxZ, 1e-6);
    }
}
