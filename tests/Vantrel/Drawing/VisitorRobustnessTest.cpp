// Broken object files through the check and bounds visitors: each walk ends normally or in one
// of our errors, and OpenGL is left without an error and with its stack as it was.
#include <gtest/gtest.h>

#include <GL/gl.h>

#include <fstream>
#include <iterator>

#include "BrokenSamples.h"
#include "DrawingSamples.h"
#include "GLContext.h"
#include "Papy/GPL/GPLTdoFile.h"
#include "Support/Robustness.h"
#include "Util/CharBuffer.h"
#include "Vantrel/Drawing/ThreeDObjectCheckVisitor.h"
#include "Vantrel/Drawing/ThreeDObjectGetBoundsVisitor.h"

using DrawingTest::Samples;
using Velmo::Util::CountedPointer;
using namespace Velmo::Papy;

TEST(VisitorRobustness, BrokenObjectFilesEndTheCheckAndTheBoundsInOurErrors)
{
    GLContext context(16, 16);
    VELMO_REQUIRE_GL(context);
    const auto factory = Samples::Get().Factory("gpl");
    // Sprites, external objects, a car with fixed vertices, state splitters, textures.
    for (const char* name : {"sprite", "a", "fixed-kept", "state", "textured"})
    {
        const VelmoTest::Bytes sample = DrawingTest::SampleBytes(std::string("gpl/") + name + ".3do");
        ASSERT_FALSE(sample.empty()) << name;
        auto use = [&](const VelmoTest::Bytes& bytes) {
            CountedPointer<TdoFile> file(new GPLTdoFile(DrawingTest::StreamOver(name, bytes)));
            const auto root = Samples::Root(file);
            if (!root)
                return;
            ThreeDObjectCheckVisitor check(factory);
            root->Accept(check);
            DrawingTest::WalkBounds(*root, factory);
        };
        VelmoTest::Robustness(name, sample).Mutations(20261209, 150, use);
    }
    EXPECT_EQ(glGetError(), GLenum(GL_NO_ERROR));
}
