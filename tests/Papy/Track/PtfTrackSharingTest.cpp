// A PTF track whose segment nodes are named many times: the track model takes each segment
// node once, whatever the number of references (a 44 KB file naming one segment of 10,000
// sections 1000 times made close to a gigabyte of sections when each reference made its own),
// and each place of the lap still has its node's segment and its own start.
#include <gtest/gtest.h>

#include "Papy/N4/N4TestSupport.h"
#include "Papy/Track/PtfTrack.h"

using namespace Velmo;
using namespace Velmo::Papy;
using Util::CountedPointer;

namespace
{
CountedPointer<TdoFile> LoadPtf(const VelmoTest::Bytes& bytes)
{
    CountedPointer<TdoFile> file;
    file = VelmoTest::Load(bytes, GetN4PtfArchivers());
    return file;
}

// A track naming two straight segments in turn, count references in all: the first from (0, 0)
// of length 10, the second from (10, 0) of length 30, each with its own floor pair.
VelmoTest::Bytes AlternatingSegments(std::uint32_t count)
{
    VelmoTest::N4Builder b;
    b.New("TrackDescriptor");
    b.Words({1, 0, 8}).U32(count).U8(0).Doubles({1, 1, 1}).F32(0).U32(0);
    b.S32(0).U32(0).U32(0).U32(count * 4);
    std::uint32_t ids[2] = {};
    const double starts[2] = {0, 10}, ends[2] = {10, 40};
    for (std::uint32_t i = 0; i < count; ++i)
    {
        std::uint32_t& id = ids[i % 2];
        if (id != 0)
        {
            b.U32(id);
            continue;
        }
        id = b.New("SegmentDescriptor");
        b.Words({1, 0, 2, 0, 2, 8});
        for (double latitude : {-4.0, 4.0 + double(i)})
        {
            b.New("F_SectionDescriptor");
            b.Words({1, 0, 4}).Doubles({latitude, latitude}).U8(0).Words({1, 1, 0});
        }
        b.U32(0).S32(0).Doubles({starts[i % 2], 0, 0, ends[i % 2], 0, 0}).U8(0).U8(0).U32(0).U32(0);
    }
    return b.Get();
}
} // namespace

TEST(PtfTrack, ASegmentNamedManyTimesIsOneSegment)
{
    const VelmoTest::Bytes bytes = VelmoTest::SharedSegmentTrack(1000, 10000);
    ASSERT_EQ(bytes.size(), 44416u);
    PtfTrack track(LoadPtf(bytes), "shared.ptf");
    ASSERT_EQ(track.GetSegmentCount(), 1000);
    const CountedPointer<TrackSegment> first = track.GetSegment(0);
    for (int i : {1, 500, 999})
        EXPECT_EQ(track.GetSegment(i).Get(), first.Get()) << i;
    // The one segment's sections: 3333 cross sections and 6666 floor strips between 6667 floors.
    EXPECT_EQ(first->GetXSectionCount(), 3333);
    EXPECT_EQ(first->GetFSectionCount(), 6666);
    EXPECT_EQ(track.GetSegmentStart3D(999), 999 * 3000.0);
    EXPECT_EQ(track.GetLength3D(), 1000 * 3000.0);
}

TEST(PtfTrack, EachPlaceOfASharedSegmentKeepsItsNodeAndStart)
{
    PtfTrack track(LoadPtf(AlternatingSegments(5)), "alternating.ptf");
    ASSERT_EQ(track.GetSegmentCount(), 5);
    const double starts[] = {0, 10, 40, 50, 80};
    for (int i = 0; i < 5; ++i)
    {
        SCOPED_TRACE(i);
        EXPECT_EQ(track.GetSegment(i).Get(), track.GetSegment(i % 2).Get());
        EXPECT_EQ(track.GetSegment(i)->GetLength3D(), i % 2 == 0 ? 10.0 : 30.0);
        EXPECT_EQ(track.GetSegment(i)->GetFSection(0)->GetLeftStart(), i % 2 == 0 ? 4.0 : 5.0);
        EXPECT_EQ(track.GetSegmentStart3D(i), starts[i]);
    }
    EXPECT_NE(track.GetSegment(0).Get(), track.GetSegment(1).Get());
    EXPECT_EQ(track.GetLength3D(), 90.0);
    // Places along the lap: the third place is the first node again.
    double offset = -1;
    EXPECT_EQ(track.GetSegmentAt(20, offset).Get(), track.GetSegment(1).Get());
    EXPECT_EQ(offset, 10.0);
    EXPECT_EQ(track.GetSegmentAt(45, offset).Get(), track.GetSegment(0).Get());
    EXPECT_EQ(offset, 5.0);
}
