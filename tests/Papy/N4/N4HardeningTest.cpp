// Files that the fuzzing and the review of the N4 readers found mishandled, kept as regression
// cases: each loads with the reader's error, or loads and saves back to its own bytes.
#include <gtest/gtest.h>

#include <functional>

#include "N4F2Support.h"
#include "Papy/Model/ThreeDObjectTexture2.h"
#include "Papy/Model/ThreeDObjectXSection.h"

using namespace Velmo;
using namespace Velmo::Papy;
using namespace VelmoTest;

// Single floats kept in doubles are written back with their exact bits, also the signalling
// NaNs, which a conversion through double would turn quiet.
TEST(N4Hardening, SignallingNaNFloatsKeepTheirBits)
{
    const std::uint32_t quietNaN = 0xFFC00001;
    const std::uint32_t signallingNaNs[] = {0x7F800001, 0xFFA00000, 0x7F812345, 0x7F800002};
    for (std::uint32_t nan : signallingNaNs)
    {
        SCOPED_TRACE(nan);
        N4Builder x;
        x.New("X_SectionDescriptor");
        x.Words({1, 0, 3}).U32(nan).F64(1).U32(nan).U32(quietNaN).F64(3).F32(-0.5f).U8(0);
        x.U8(2).U32(nan).F32(0.25f).U8(7).U8(9);
        x.U8(0);
        RoundTrip(x.Get(), Ptf());

        N4Builder f;
        f.New("F_SectionDescriptor");
        f.Words({1, 0, 5}).U32(nan).F32(2).U8(0).Words({1, 1, 0});
        RoundTrip(f.Get(), Ptf());

        N4Builder w;
        w.New("W_SectionDescriptor");
        w.Words({1, 0, 6}).F32(1).U32(nan).U8(0).S32(0).Doubles({1, 2, 3, 4, 5, 6});
        w.Words({0, 2049, 0, 1, 2});
        RoundTrip(w.Get(), Ptf());
    }
}

// A value changed in the editor is written rounded to single as before.
TEST(N4Hardening, ChangedSingleFloatsAreRounded)
{
    N4Builder x;
    x.New("X_SectionDescriptor");
    x.Words({1, 0, 3}).U32(0x7F800001).F64(1).F32(0.5f).F32(6).F64(3).F32(-0.5f).U8(0).U8(0).U8(0);
    auto file = Load(x.Get(), Ptf());
    NodeAs<ThreeDObjectXSection>(*file, 1)->SetLatitude(0.1, 6);
    auto reloaded = Load(Save(*file), Ptf());
    EXPECT_EQ(NodeAs<ThreeDObjectXSection>(*reloaded, 1)->GetStartLatitude(), double(0.1f));
    EXPECT_EQ(NodeAs<ThreeDObjectXSection>(*reloaded, 1)->GetEndLatitude(), 6.0);
}

namespace
{
// A chain of groups, each holding the next one twice: a small file whose tree, walked with
// the shared nodes expanded, has 2^depth leaves.
std::uint32_t DoublingGroups(N4Builder& b, int depth)
{
    std::uint32_t id = b.New("GroupDescriptor");
    b.S32(1).Str("g").Words({1, 1}).Doubles({0, 0, 0, 0, 0, 0}).S32(1);
    if (depth == 0)
    {
        b.U32(0).U32(0);
        return id;
    }
    b.U32(2).U32(8);
    std::uint32_t child = DoublingGroups(b, depth - 1);
    b.U32(child);
    return id;
}
} // namespace

// Shared nodes nested in shared nodes multiply the walk of the tree; a file whose walk would
// visit an absurd number of nodes is refused at load instead of hanging every walk after it.
TEST(N4Hardening, SharingThatExpandsWithoutBoundIsRefused)
{
    N4Builder small;
    DoublingGroups(small, 10);
    auto file = RoundTrip(small.Get(), GetN4TdoArchivers());

    N4Builder huge;
    DoublingGroups(huge, 40);
    EXPECT_EQ(FormatError(huge.Get()), "N4 archive shared objects expand to too many nodes");
}

namespace
{
// A track naming one straight segment of length 3000 segmentReferences times; the segment names
// one cross section and two floor sections, in turn, sectionReferences times in all, and holds
// fillerRecords surface records of 16 bytes. Expanded, the track has about segmentReferences x
// sectionReferences nodes.
Bytes SharedSegmentTrack(std::uint32_t segmentReferences, std::uint32_t sectionReferences,
                         std::uint32_t fillerRecords = 0)
{
    N4Builder b;
    b.New("TrackDescriptor");
    b.Words({1, 0, 8}).U32(segmentReferences).U8(0).Doubles({1, 1, 1}).F32(0).U32(0);
    b.S32(0).U32(0).U32(0).U32(segmentReferences * 4);
    const std::uint32_t segment = b.New("SegmentDescriptor");
    b.Words({1, 0, 2});
    const std::uint32_t crosses = sectionReferences / 3;
    const std::uint32_t floors = sectionReferences - crosses;
    b.U32(crosses).U32(crosses * 4);
    const std::uint32_t cross = b.New("X_SectionDescriptor");
    b.Words({1, 0, 2}).Doubles({-20, 0, 0, 20, 0, 0}).U8(0);
    for (std::uint32_t i = 1; i < crosses; ++i)
        b.U32(cross);
    b.U32(floors).U32(floors * 4);
    std::uint32_t floor[2] = {};
    for (std::uint32_t i = 0; i < floors; ++i)
    {
        std::uint32_t& id = floor[i % 2];
        if (id != 0)
        {
            b.U32(id);
            continue;
        }
        id = b.New("F_SectionDescriptor");
        b.Words({1, 0, 4}).Doubles({i == 0 ? -4.0 : 4.0, i == 0 ? -4.0 : 4.0}).U8(0).Words({1, 1, 0});
    }
    b.U32(0).S32(0).Doubles({0, 0, 0, 3000, 0, 0}).U8(0).U8(0);
    b.U32(0).U32(fillerRecords);
    if (fillerRecords != 0)
        b.U32(fillerRecords * 16);
    for (std::uint32_t i = 0; i < fillerRecords; ++i)
        b.F32(0).F32(1).F32(1).F32(1);
    for (std::uint32_t i = 1; i < segmentReferences; ++i)
        b.U32(segment);
    return b.Get();
}

// A group naming one group outerReferences times, which names one empty node innerReferences
// times: the 3D object of the same expansion.
Bytes SharedGroups(std::uint32_t outerReferences, std::uint32_t innerReferences)
{
    N4Builder b;
    auto group = [&b](std::uint32_t count) {
        std::uint32_t id = b.New("GroupDescriptor");
        b.S32(1).Str("g").Words({1, 1}).Doubles({0, 0, 0, 0, 0, 0}).S32(1).U32(count).U32(count * 4);
        return id;
    };
    group(outerReferences);
    const std::uint32_t inner = group(innerReferences);
    const std::uint32_t empty = b.New("EmptyDescriptor");
    b.Words({1, 0});
    for (std::uint32_t i = 1; i < innerReferences; ++i)
        b.U32(empty);
    for (std::uint32_t i = 1; i < outerReferences; ++i)
        b.U32(inner);
    return b.Get();
}
} // namespace

// The track model makes an object for every section of every segment reference, so a track's
// expansion is memory: a small file naming one segment of many sections many times is refused
// at load (instead of making close to a gigabyte of sections), by a bound that grows with the
// file. A 3D object's expansion is only walked, under the frame budget, and loads.
TEST(N4Hardening, TrackSharingPastWhatItsFileMayCostIsRefused)
{
    struct Case
    {
        const char* what;
        Bytes bytes;
        const N4ArchiverList& archivers;
        std::size_t size;
        const char* message; // null: loads and saves back to its bytes
    };
    const Case cases[] = {
        {"1000 x 10,000 sections", SharedSegmentTrack(1000, 10000), Ptf(), 44416,
         "N4 ptf Track shared objects expand to more than 2570922 nodes, the most allowed for a file of 44416 "
         "bytes"},
        {"300 x 10,000 sections", SharedSegmentTrack(300, 10000), Ptf(), 41616,
         "N4 ptf Track shared objects expand to more than 2541056 nodes, the most allowed for a file of 41616 "
         "bytes"},
        {"300 x 10,000 sections in a larger file", SharedSegmentTrack(300, 10000, 6400), Ptf(), 144020, nullptr},
        {"100 x 10,000 sections", SharedSegmentTrack(100, 10000), Ptf(), 40816, nullptr},
        {"1000 x 10,000 groups", SharedGroups(1000, 10000), GetN4TdoArchivers(), 44220, nullptr},
    };
    for (const Case& c : cases)
    {
        SCOPED_TRACE(c.what);
        EXPECT_EQ(c.bytes.size(), c.size);
        if (c.message != nullptr)
            EXPECT_EQ(FormatError(c.bytes, c.archivers), c.message);
        else
            RoundTrip(c.bytes, c.archivers);
    }
}

// A root over a null node has no archive to write: saving refuses and leaves the target as it
// was, instead of writing a file that no load accepts.
TEST(N4Hardening, SaveRefusesARootOverTheNullNode)
{
    for (int nullId : {0, -1})
    {
        N4TdoFile file(GetN4TdoArchivers(), nullptr);
        file.CreateRoot(file.NewId(), {file.GetSubObject(nullId)});
        auto* buffer = new Util::MemoryStream("saved.3do");
        Util::CountedPointer<Util::BinaryStream> stream(buffer);
        try
        {
            file.Save(stream);
            ADD_FAILURE() << nullId;
        }
        catch (const Util::XUsage& e)
        {
            EXPECT_EQ(e.GetText(), "N4 3do file has no root object to save");
        }
        EXPECT_EQ(buffer->Size(), 0u);
    }
}

// Factories refuse an empty child, a child of another file and the reserved ids, before they
// make anything: the null nodes and the root stay as they were.
TEST(N4Hardening, FactoriesRefuseEmptyOrForeignChildrenAndReservedIds)
{
    N4TdoFile file(GetN4TdoArchivers(), nullptr);
    N4TdoFile other(GetN4TdoArchivers(), nullptr);
    const TdoFile::Node none;
    const TdoFile::Node null = file.GetSubObject(0);
    TdoFile::Node foreign;
    foreign = other.CreateTexture2(other.NewId(), "a.mip");
    struct Case
    {
        const char* what;
        std::function<void()> call;
        const char* text;
    };
    const Case cases[] = {
        {"geometry, empty first", [&] { file.CreateGeometry(file.NewId(), none, null); }, "N4 node given no child"},
        {"geometry, empty second", [&] { file.CreateGeometry(file.NewId(), null, none); }, "N4 node given no child"},
        {"shape, foreign", [&] { file.CreateShape(file.NewId(), "s", foreign, null); },
         "N4 node child not in this file"},
        {"root, empty", [&] { file.CreateRoot(file.NewId(), {none}); }, "N4 node given no child"},
        {"appearance, empty", [&] { file.CreateAppearance(file.NewId(), "a", 1, 1, 1, none, null, null, 0); },
         "N4 node given no child"},
        {"animated transform, empty",
         [&] { file.CreateAnimatedTransform(file.NewId(), "t", "", 0, 0, 0, 0, 0, 0, none); },
         "N4 node given no child"},
        {"texture over the null node", [&] { file.CreateTexture2(0, "a.mip"); },
         "N4 node id reserved for the null nodes or the root"},
        {"triangles over the second null node", [&] { file.CreateTriangles(-1, {0, 1, 2}); },
         "N4 node id reserved for the null nodes or the root"},
        {"vertices over the root", [&] { file.CreateVertices(-2, {}, {}, {}, {}); },
         "N4 node id reserved for the null nodes or the root"},
    };
    for (const Case& c : cases)
    {
        try
        {
            c.call();
            ADD_FAILURE() << c.what;
        }
        catch (const Util::XUsage& e)
        {
            EXPECT_EQ(e.GetText(), c.text) << c.what;
        }
    }
    EXPECT_TRUE(file.GetNull());
    EXPECT_EQ(file.GetSubObject(-1)->GetId(), -1);
    EXPECT_FALSE(file.GetRoot());
}
