// Files that the fuzzing and the review of the N4 readers found mishandled, kept as regression
// cases: each loads with the reader's error, or loads and saves back to its own bytes.
#include <gtest/gtest.h>

#include <functional>

#include "N4F2Support.h"
#include "Papy/Model/ThreeDObjectTexture2.h"
#include "Papy/Model/ThreeDObjectGroup.h"
#include "Papy/Model/ThreeDObjectTrack.h"
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

// Shared objects are kept once, as one node named by number: a small file naming one segment
// of many sections many times, or one group of many children many times, loads without making
// a node at each reference and saves back to its bytes.
TEST(N4Hardening, ManyTimesSharedObjectsLoadAsOneNode)
{
    const Bytes track = SharedSegmentTrack(1000, 10000);
    EXPECT_EQ(track.size(), 44416u);
    auto ptf = RoundTrip(track, Ptf());
    auto node = NodeAs<ThreeDObjectTrack>(*ptf, 1);
    ASSERT_EQ(node->GetSegmentCount(), 1000);
    EXPECT_EQ(node->GetSegment(0).Get(), node->GetSegment(999).Get());
    EXPECT_EQ(node->GetSegment(999)->GetFSectionCount(), 6667);
    EXPECT_EQ(node->GetSegment(999)->GetXSectionCount(), 3333);

    const Bytes groups = SharedGroups(1000, 10000);
    EXPECT_EQ(groups.size(), 44220u);
    auto tdo = RoundTrip(groups, GetN4TdoArchivers());
    auto outer = NodeAs<ThreeDObjectGroup>(*tdo, 1);
    ASSERT_EQ(outer->GetChildCount(), 1000);
    EXPECT_EQ(outer->GetChild(0).Get(), outer->GetChild(999).Get());
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
