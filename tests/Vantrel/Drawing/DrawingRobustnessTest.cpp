// Mutated samples of the GPL and N4 generators that still load are drawn: only the library's
// exceptions may escape a frame, and every frame, finished or cut short, leaves OpenGL without
// an error and the modelview stack as it found it.
#include <gtest/gtest.h>

#include <GL/gl.h>

#include <fstream>
#include <iostream>
#include <iterator>

#include "DrawingTestSupport.h"
#include "Papy/GPL/GPLTdoFile.h"
#include "Papy/N4/N4ArchiverLists.h"
#include "Papy/N4/N4TdoFile.h"
#include "Support/Robustness.h"
#include "Util/CharBuffer.h"
#include "Vantrel/Drawing/ModelviewStack.h"
#include "Vantrel/Drawing/ThreeDObject3DVisitor.h"

using namespace DrawingTest;
using VelmoTest::Bytes;

namespace
{
Bytes SceneBytes(const std::string& folder, const std::string& name)
{
    std::ifstream in(SceneFolder(folder) + "/" + name, std::ios::binary);
    return Bytes(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

CountedPointer<Velmo::Util::BinaryStream> StreamOf(const Bytes& bytes)
{
    auto* buffer = new Velmo::Util::CharBuffer("mutated");
    CountedPointer<Velmo::Util::BinaryStream> stream(buffer);
    buffer->Attach(Velmo::U32(bytes.size()), bytes.data());
    return stream;
}

// Draws the file's root (shaded, wireframe or with bounding boxes and its first node
// highlighted, by case); an exception passes on after the checks.
void DrawChecked(ThreeDObject3DVisitor& visitor, TdoFile& file, int number)
{
    const int depth = ModelviewStack::GetDepth();
    DrawOptions options;
    options.Wireframe = number % 3 == 1;
    options.BoundingBoxes = number % 3 == 2;
    struct Check
    {
        int depth;
        ~Check()
        {
            EXPECT_EQ(glGetError(), GLenum(GL_NO_ERROR));
            EXPECT_EQ(ModelviewStack::GetDepth(), depth);
        }
    } check{depth};
    CountedPointer<ThreeDObject> root = file.GetRoot();
    Draw(options, visitor, root, number % 3 == 2 ? root : nullptr);
}
} // namespace

TEST(DrawingRobustness, MutatedSamplesDrawSafely)
{
    GLContext context(16, 16);
    VELMO_REQUIRE_GL(context);
    SetView();
    auto gpl = FactoryOf("gpl-samples");
    ThreeDObject3DVisitor gplVisitor(gpl);
    for (const std::string name : {"basic.3do", "allkinds.3do", "track.3do", "car.3do"})
    {
        const auto tally = VelmoTest::Robustness(name, SceneBytes("gpl-samples", name))
                               .Mutations(20261209, 500, [&](const Bytes& bytes, int number) {
                                   CountedPointer<Velmo::Papy::GPLTdoFile> file(new Velmo::Papy::GPLTdoFile(StreamOf(bytes)));
                                   DrawChecked(gplVisitor, *file, number);
                               });
        EXPECT_GT(tally.loaded, 0) << name;
        std::cout << "    " << name << ": " << tally.loaded << " drawn, " << tally.refused << " refused\n";
    }
    auto n4 = FactoryOf("n4-samples");
    ThreeDObject3DVisitor n4Visitor(n4);
    for (const std::string name : {"structure.3do", "primitives.3do", "track.ptf", "variants.ptf"})
    {
        const bool ptf = name.ends_with(".ptf");
        const auto tally =
            VelmoTest::Robustness(name, SceneBytes("n4-samples", name))
                .Mutations(20261209, 500, [&](const Bytes& bytes, int number) {
                    CountedPointer<Velmo::Papy::N4TdoFile> file(new Velmo::Papy::N4TdoFile(
                        StreamOf(bytes), ptf ? Velmo::Papy::GetN4PtfArchivers() : Velmo::Papy::GetN4TdoArchivers(),
                        n4.Get()));
                    DrawChecked(n4Visitor, *file, number);
                });
        EXPECT_GT(tally.loaded, 0) << name;
        std::cout << "    " << name << ": " << tally.loaded << " drawn, " << tally.refused << " refused\n";
    }
}
