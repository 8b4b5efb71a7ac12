// Shots of a generated textured object, shaded and in wireframe, kept in artifacts/ for
// review (drawing_shaded.png, drawing_wireframe.png).
#include <gtest/gtest.h>

#include <GL/gl.h>

#include <filesystem>

#include "DrawingTestSupport.h"
#include "PngFile.h"
#include "Vantrel/Drawing/ThreeDObject3DVisitor.h"

using namespace DrawingTest;

TEST(DrawingShots, TexturedObjectShadedAndInWireframe)
{
    GLContext context(256, 256);
    VELMO_REQUIRE_GL(context);
    std::filesystem::create_directories(VELMO_ARTIFACTS_DIR);
    auto factory = FactoryOf("gpl-shot");
    auto file = LoadObject(factory, "shot");
    ThreeDObject3DVisitor visitor(factory);
    DrawOptions wireframe;
    wireframe.Wireframe = true;
    for (auto [options, name] : {std::pair{DrawOptions(), "drawing_shaded"}, {wireframe, "drawing_wireframe"}})
    {
        SetView();
        Draw(options, visitor, RootOf(file), nullptr);
        const std::size_t colours = Colours(context).size();
        if (options.Wireframe)
            EXPECT_EQ(colours, 2u);
        else
            EXPECT_GT(colours, 8u);
        const std::string path = std::string(VELMO_ARTIFACTS_DIR) + "/" + name + ".png";
        EXPECT_TRUE(WritePng(path, context.Width(), context.Height(), context.Pixels())) << path;
    }
    EXPECT_TRUE(visitor.GetReport().HasNoProblems());
    EXPECT_EQ(glGetError(), GLenum(GL_NO_ERROR));
}
