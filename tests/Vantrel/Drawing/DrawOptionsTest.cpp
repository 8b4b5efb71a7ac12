#include <gtest/gtest.h>

#include <GL/gl.h>

#include "GLContext.h"
#include "Vantrel/Drawing/DrawOptions.h"

TEST(DrawOptions, ClassesBeyondTheSetsReadTheDefaultWithoutGrowing)
{
    DrawOptions options;
    EXPECT_TRUE(options.GetDraw(4000000000u));
    options.SetDraw(3, false);
    EXPECT_FALSE(options.GetDraw(3));
    EXPECT_TRUE(options.GetDraw(2));
    EXPECT_TRUE(options.GetDraw(4));
    options.SetAllDraw(false);
    EXPECT_FALSE(options.GetDraw(2));
    EXPECT_FALSE(options.GetDraw(99));
    options.SetDraw(99, true);
    EXPECT_TRUE(options.GetDraw(99));
    EXPECT_FALSE(options.GetDraw(50));
    // The texture set is apart from the draw set.
    EXPECT_TRUE(options.GetTexture(3));
    options.SetAllTexture(false);
    EXPECT_FALSE(options.GetTexture(3));
    options.SetTexture(3, true);
    EXPECT_TRUE(options.GetTexture(3));
    EXPECT_FALSE(options.GetTexture(4));
}

TEST(GLContext, ClearsAndReadsBackWithDepthAndStencil)
{
    GLContext context(32, 16);
    VELMO_REQUIRE_GL(context);
    GLint depth = 0, stencil = 0;
    glGetIntegerv(GL_DEPTH_BITS, &depth);
    glGetIntegerv(GL_STENCIL_BITS, &stencil);
    EXPECT_GE(depth, 24);
    EXPECT_GE(stencil, 8);
    glClearColor(1.0f, 0.0f, 0.0f, 1.0f);
    glClear(GL_COLOR_BUFFER_BIT);
    auto pixel = context.Pixel(31, 15);
    EXPECT_EQ(pixel[0], 255);
    EXPECT_EQ(pixel[1], 0);
    EXPECT_EQ(glGetError(), static_cast<GLenum>(GL_NO_ERROR));
}

#include "Vantrel/Drawing/DrawingReport.h"

TEST(DrawingReport, KeepsEachTextOnceInTheOrderFirstMet)
{
    DrawingReport report;
    EXPECT_TRUE(report.IsEmpty());
    EXPECT_TRUE(report.Add("b"));
    EXPECT_TRUE(report.Add("a"));
    EXPECT_FALSE(report.Add("b"));
    EXPECT_EQ(report.GetMessages(), (std::vector<std::string>{"b", "a"}));
    report.Clear();
    EXPECT_TRUE(report.IsEmpty());
}
