// The PTF track adapter over the .ptf samples of the N4 archive generator: the model's values
// are the nodes' values, floor strips pair consecutive floor nodes, 2D and 3D longitudes are
// one, a root without a track is refused, and the track saves as its .ptf object.
#include <gtest/gtest.h>

#include <cmath>
#include <fstream>
#include <iterator>

#include "Papy/Model/ThreeDObjectRoot.h"
#include "Papy/N4/N4ArchiverLists.h"
#include "Papy/N4/N4TdoFile.h"
#include "Papy/Track/PtfTrack.h"
#include "Util/Exception.h"
#include "Util/MemoryStream.h"
#include "Util/WindowStream.h"

using namespace Velmo;
using namespace Velmo::Papy;
using Util::CountedPointer;

namespace
{
std::vector<U8> Sample(const std::string& name)
{
    std::ifstream in(std::string(VELMO_N4_SAMPLE_DIR) + "/" + name, std::ios::binary);
    return std::vector<U8>(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

CountedPointer<TdoFile> Load(const std::string& name, const N4ArchiverList& archivers = GetN4PtfArchivers())
{
    CountedPointer<Util::BinaryStream> stream(new Util::MemoryStream(Sample(name), name));
    return CountedPointer<TdoFile>(new N4TdoFile(stream, archivers, nullptr));
}

std::string FormatMessage(const std::function<void()>& f)
{
    try
    {
        f();
    }
    catch (const Util::XFileFormat& e)
    {
        return e.GetMessage() + " | " + e.GetText();
    }
    return "no error";
}
} // namespace

TEST(PtfTrack, ForwardsToTheTrackNodes)
{
    CountedPointer<TdoFile> ptf = Load("track.ptf");
    PtfTrack track(ptf, "track.ptf");
    CountedPointer<ThreeDObjectTrack> node = track.GetNode();
    ASSERT_EQ(track.GetSegmentCount(), 1);
    auto segmentNode = node->GetSegment(0);
    auto segment = track.GetSegment(0);
    EXPECT_EQ(segment->GetLength3D(), segmentNode->GetLength());
    EXPECT_EQ(segment->GetLength2D(), segmentNode->GetLength());
    EXPECT_EQ(track.GetLength2D(), segmentNode->GetLength());
    EXPECT_EQ(track.GetLength3D(), track.GetLength2D());
    EXPECT_EQ(segment->IsCorner(), segmentNode->IsCorner());
    EXPECT_EQ(segment->GetEndX(), segmentNode->GetEndX());
    EXPECT_EQ(segment->GetStartHeading(), segmentNode->GetStartHeading());

    // Two floor nodes make one strip: right edge, surface and grip from the first, left edge from the second.
    ASSERT_EQ(segmentNode->GetFSectionCount(), 2);
    ASSERT_EQ(segment->GetFSectionCount(), 1);
    auto floor = segment->GetFSection(0);
    EXPECT_EQ(floor->GetRightStart(), segmentNode->GetFSection(0)->GetStartLatitude());
    EXPECT_EQ(floor->GetRightEnd(), segmentNode->GetFSection(0)->GetEndLatitude());
    EXPECT_EQ(floor->GetLeftStart(), segmentNode->GetFSection(1)->GetStartLatitude());
    EXPECT_EQ(floor->GetLeftEnd(), segmentNode->GetFSection(1)->GetEndLatitude());
    EXPECT_EQ(floor->GetType(), segmentNode->GetFSection(0)->GetSurfaceType());
    EXPECT_EQ(floor->GetGripModifier(), segmentNode->GetFSection(0)->GetGripModifier());

    ASSERT_EQ(segment->GetWSectionCount(), 1);
    auto wall = segment->GetWSection(0);
    auto wallNode = segmentNode->GetWSection(0);
    EXPECT_EQ(wall->GetStartLatitude(), wallNode->GetStartLatitude());
    EXPECT_EQ(wall->GetEndHeight(), wallNode->GetEndHeight());
    EXPECT_EQ(wall->GetStartWidth(), wallNode->GetStartHalfWidth());
    EXPECT_EQ(wall->GetType(), wallNode->GetWallType());

    // Cross sections: the cubic's coefficients and the Hermite altitude at a fraction.
    ASSERT_EQ(segment->GetXSectionCount(), 2);
    auto cross = segment->GetXSection(1);
    cross->SetAltitude(1.0, 3.0, 0.5, -0.25);
    EXPECT_EQ(segmentNode->GetXSection(1)->GetEndAltitude(), 3.0);
    EXPECT_DOUBLE_EQ(cross->GetLinear(), 0.5);
    EXPECT_DOUBLE_EQ(cross->GetSquare(), 3 * 2.0 - 2 * 0.5 + 0.25);
    EXPECT_DOUBLE_EQ(cross->GetCube(), 0.5 - 0.25 - 2 * 2.0);
    EXPECT_DOUBLE_EQ(cross->GetAltitudeAt(0.5), segmentNode->GetXSection(1)->GetAltitude(0.5));
    cross->SetLatitude(-7, 7);
    EXPECT_EQ(segmentNode->GetXSection(1)->GetStartLatitude(), -7);
}

TEST(PtfTrack, LongitudesArePlanLengthsInBothViews)
{
    PtfTrack track(Load("variants.ptf"), "variants.ptf");
    ASSERT_EQ(track.GetSegmentCount(), 2);
    const double length = track.GetLength2D();
    ASSERT_GT(length, 0);
    EXPECT_EQ(track.GetSegmentStart2D(1), track.GetSegment(0)->GetLength2D());
    EXPECT_EQ(track.GetSegmentStart3D(1), track.GetSegmentStart2D(1));
    for (double longitude : {0.0, 1.25, length * 0.75, -3.0, 1e9})
        EXPECT_EQ(track.Convert2DTo3D(longitude), longitude);

    // One floor node per segment: no strip.
    EXPECT_EQ(track.GetNode()->GetSegment(0)->GetFSectionCount(), 1);
    EXPECT_EQ(track.GetSegment(0)->GetFSectionCount(), 0);
    EXPECT_EQ(track.GetSegment(0)->GetWSectionCount(), 2);

    // The track's look-up and position are the node's, any lap taken within the first.
    double offset = -1;
    auto segment = track.GetSegmentAt(length * 0.75, offset);
    EXPECT_EQ(segment.Get(), track.GetSegment(1).Get());
    EXPECT_DOUBLE_EQ(offset, length * 0.75 - track.GetSegmentStart2D(1));
    double wrapped = -1;
    EXPECT_EQ(track.GetSegmentAt(length * 2.75, wrapped).Get(), segment.Get());
    EXPECT_NEAR(wrapped, offset, 1e-9);
    TrackPosition a = track.GetPosition(length * 0.25, 1.5);
    TrackPosition b = track.GetNode()->GetPosition(length * 0.25, 1.5);
    EXPECT_EQ(a.X, b.X);
    EXPECT_EQ(a.Y, b.Y);
    TrackPosition c = track.GetPosition(length * 0.25 - length, 1.5);
    EXPECT_NEAR(c.X, a.X, 1e-9);
    EXPECT_TRUE(std::isfinite(track.GetPosition(NAN, 0).X));

    // A segment's position at a distance is the node's at the fraction distance / length.
    auto first = track.GetSegment(0);
    double d = first->GetLength2D() / 3;
    TrackPosition p = first->GetPosition(d, -2);
    TrackPosition q = track.GetNode()->GetSegment(0)->GetPosition(1.0 / 3, -2, false);
    EXPECT_DOUBLE_EQ(p.X, q.X);
    EXPECT_DOUBLE_EQ(p.Y, q.Y);
    double cx, cy, r, angle, nx, ny, nr, nangle;
    first->GetArc(cx, cy, r, angle);
    track.GetNode()->GetSegment(0)->GetArc(nx, ny, nr, nangle);
    EXPECT_EQ(cx, nx);
    EXPECT_EQ(r, nr);
    EXPECT_EQ(angle, nangle);
}

TEST(PtfTrack, RootWithoutATrackIsAFormatError)
{
    // A .3do object's root has a group, not a track.
    CountedPointer<TdoFile> object = Load("structure.3do", GetN4TdoArchivers());
    EXPECT_EQ(FormatMessage([&] { PtfTrack(object, "structure.3do"); }),
              "N4 ptf file has no track | A possible error was found in file structure.3do\nN4 ptf file has no track\n");
    // A new file has no root at all.
    CountedPointer<TdoFile> empty(new N4TdoFile(GetN4PtfArchivers(), nullptr));
    EXPECT_NE(FormatMessage([&] { PtfTrack(empty, "new.ptf"); }), "no error");
}

TEST(PtfTrack, SavesTheObject)
{
    CountedPointer<TdoFile> ptf = Load("track.ptf");
    PtfTrack track(ptf, "track.ptf");
    Util::MemoryStream out("out.ptf");
    track.Save(out);
    EXPECT_EQ(out.GetBytes(), Sample("track.ptf"));

    // Over a longer stream (the file it was read from, grown since) the object replaces the
    // whole content: nothing of the old tail stays behind it.
    std::vector<U8> longer = Sample("variants.ptf");
    longer.resize(Sample("track.ptf").size() + 1000, 0xAB);
    Util::MemoryStream over(longer, "over.ptf");
    over.Seek(17);
    track.Save(over);
    EXPECT_EQ(over.GetBytes(), Sample("track.ptf"));

    // A longer stream that cannot be shortened (a window onto another stream) is refused before
    // anything is written to it.
    CountedPointer<Util::BinaryStream> parent(new Util::MemoryStream(longer, "parent.ptf"));
    Util::WindowStream window(parent, "window.ptf", 0, longer.size());
    EXPECT_THROW(track.Save(window), Util::XFileWrite);
    EXPECT_EQ(static_cast<Util::MemoryStream&>(*parent).GetBytes(), longer);
}
