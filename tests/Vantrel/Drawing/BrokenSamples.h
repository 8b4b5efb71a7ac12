// The pieces of the drawing visitors' robustness tests: a sample's bytes, a stream over a mutated
// copy, a PTF the generator writes, and the bounds walk inside a matrix of its own.
#pragma once

#include <gtest/gtest.h>

#include <GL/gl.h>

#include <cstdint>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <string>

#include "DrawingSamples.h"
#include "Papy/N4/N4ArchiverLists.h"
#include "Papy/N4/N4TdoFile.h"
#include "Support/Robustness.h"
#include "Support/TempFolder.h"
#include "Util/CharBuffer.h"
#include "Vantrel/Drawing/DrawOptions.h"
#include "Vantrel/Drawing/ThreeDObjectGetBoundsVisitor.h"

namespace DrawingTest
{
// The bytes of a sample (a path below the samples' folder), as they are on disk.
inline VelmoTest::Bytes SampleBytes(const std::string& path)
{
    std::ifstream in(Samples::Get().Path(path), std::ios::binary);
    return VelmoTest::Bytes{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// A stream of a name over bytes that outlive it.
inline Velmo::Util::CountedPointer<Velmo::Util::BinaryStream> StreamOver(const std::string& name,
                                                                        const VelmoTest::Bytes& bytes)
{
    auto* buffer = new Velmo::Util::CharBuffer(name);
    Velmo::Util::CountedPointer<Velmo::Util::BinaryStream> stream(buffer);
    buffer->Attach(std::uint32_t(bytes.size()), bytes.data());
    return stream;
}

// A PTF that drawing_samples.py writes in a mode ("large-ptf", "repeat-ptf") from its arguments,
// loaded over its bytes, which the caller keeps.
inline Velmo::Util::CountedPointer<Velmo::Papy::TdoFile> GeneratedPtf(const std::string& mode,
                                                                     const std::string& arguments,
                                                                     VelmoTest::Bytes& bytes)
{
    VelmoTest::TempFolder folder;
    const std::string path = folder.Path() + "/" + mode + ".ptf";
    const std::string line = std::string(VELMO_PYTHON3) + " \"" + VELMO_TEST_SOURCE_DIR +
                             "/Vantrel/Drawing/drawing_samples.py\" " + mode + " \"" + path + "\" " + arguments;
    EXPECT_EQ(std::system(line.c_str()), 0) << line;
    std::ifstream in(path, std::ios::binary);
    bytes.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    return Velmo::Util::CountedPointer<Velmo::Papy::TdoFile>(
        new Velmo::Papy::N4TdoFile(StreamOver(mode + ".ptf", bytes), Velmo::Papy::GetN4PtfArchivers(), nullptr));
}

// The bounds walk from a node, in a matrix of its own that is popped whatever the walk throws.
inline void WalkBounds(Velmo::Papy::ThreeDObject& root,
                       const Velmo::Util::CountedPointer<Velmo::Papy::FileFactory>& factory)
{
    glPushMatrix();
    glLoadIdentity();
    ThreeDObjectGetBoundsVisitor bounds(factory, DrawOptions());
    try
    {
        root.Accept(bounds);
    }
    catch (...)
    {
        glPopMatrix();
        throw;
    }
    glPopMatrix();
}
} // namespace DrawingTest
