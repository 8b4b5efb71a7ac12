#include <gtest/gtest.h>

#include <cmath>

#include "N4F2Support.h"
#include "Papy/Model/ThreeDObjectFSection.h"
#include "Papy/Model/ThreeDObjectRoot.h"
#include "Papy/Model/ThreeDObjectTrack.h"
#include "Papy/Model/ThreeDObjectTrackDetail.h"
#include "Papy/Model/ThreeDObjectTrackSegment.h"
#include "Papy/Model/ThreeDObjectTracksideObject.h"
#include "Papy/Model/ThreeDObjectTsoReference.h"
#include "Papy/Model/ThreeDObjectVisitor.h"
#include "Papy/Model/ThreeDObjectWSection.h"
#include "Papy/Model/ThreeDObjectXSection.h"
#include "Support/Robustness.h"

using namespace Velmo;
using namespace Velmo::Papy;
using namespace VelmoTest;

namespace
{
typedef std::function<void(N4Builder&)> Writer;

// A reference list of the track: count, and only when it is not 0 the size word and items.
void RefList(N4Builder& b, const std::vector<Writer>& items)
{
    b.S32(std::int32_t(items.size()));
    if (items.empty())
        return;
    b.S32(std::int32_t(4 * items.size()));
    for (const Writer& item : items)
        item(b);
}

struct Segment
{
    std::int32_t version = 2;
    std::int32_t type = 0;
    double startX = 0, startY = 0, startHeading = 0, endX = 100, endY = 0, endHeading = 0;
    std::vector<Writer> x, f, w;
    Writer bm = [](N4Builder& b) { b.S32(0); };
    Writer bs = [](N4Builder& b) { b.S32(0); };
};

void SegmentObject(N4Builder& b, const Segment& s)
{
    b.New("SegmentDescriptor");
    b.Words({1, 0, s.version});
    RefList(b, s.x);
    RefList(b, s.f);
    RefList(b, s.w);
    b.S32(s.type).Doubles({s.startX, s.startY, s.startHeading, s.endX, s.endY, s.endHeading}).U8(1).U8(2);
    if (s.version >= 2)
    {
        s.bm(b);
        s.bs(b);
    }
}

Bytes SegmentBytes(const Segment& s)
{
    N4Builder b;
    SegmentObject(b, s);
    return b.Get();
}

// A version-2 cross section at constant latitude and altitude.
Writer XSectionAt(double latitude, double altitude)
{
    return [=](N4Builder& b) {
        b.New("X_SectionDescriptor");
        b.Words({1, 0, 2}).Doubles({latitude, altitude, 0, latitude, altitude, 0}).U8(0);
    };
}

// A version-4 floor section without appearance.
Writer FloorSection(double start, double end, std::int32_t surface)
{
    return [=](N4Builder& b) {
        b.New("F_SectionDescriptor");
        b.Words({1, 0, 4}).Doubles({start, end}).U8(0).S32(1).S32(surface).S32(0);
    };
}

struct Track
{
    std::int32_t version = 8;
    std::vector<Writer> segments;
    std::vector<Writer> details;
    std::vector<Writer> objects;
    Writer bumps = [](N4Builder& b) { b.S32(0); };
    std::int32_t detailSize = -1;
    std::int32_t segmentSize = -1;
};

Bytes TrackBytes(const Track& t)
{
    N4Builder b;
    b.New("TrackDescriptor");
    b.Words({1, 0, t.version, std::int32_t(t.segments.size())}).U8(1);
    if (t.version == 6)
    {
        for (int i = 0; i < 21; ++i)
            b.F64(i * 0.5);
    }
    else
    {
        b.Doubles({0.25, 0.5, 1.0}).F32(1.5f);
        t.bumps(b);
    }
    b.S32(0);
    if (t.detailSize >= 0)
    {
        b.S32(std::int32_t(t.details.size())).S32(t.detailSize);
        for (const Writer& d : t.details)
            d(b);
    }
    else
        RefList(b, t.details);
    RefList(b, t.objects);
    b.S32(t.segmentSize >= 0 ? t.segmentSize : std::int32_t(4 * t.segments.size()));
    for (const Writer& s : t.segments)
        s(b);
    return b.Get();
}

Writer DetailObject(std::int32_t reserved2 = 0, std::int32_t uSize = 32)
{
    return [=](N4Builder& b) {
        b.New("TrackDetailDescriptor");
        b.Words({1, 0, reserved2});
        BareAppearance(b);
        b.Doubles({10, 20, 30, 40, 50});
        b.S32(uSize).Doubles({0, 1, 1, 0}).S32(32).Doubles({0, 0, 1, 1});
    };
}

Writer TsoObject(std::int32_t version = 3)
{
    return [=](N4Builder& b) {
        b.New("TSODescriptor");
        b.Words({1, 0, version}).Str("tree").Str("tree.3do");
        if (version >= 3)
            b.U8(1);
    };
}

Util::CountedPointer<ThreeDObjectTrack> TrackOf(N4TdoFile& file)
{
    return NodeAs<ThreeDObjectTrack>(file, 1);
}
} // namespace

TEST(N4Track, Version8And6)
{
    Track t8;
    t8.segments = {[](N4Builder& b) { SegmentObject(b, Segment()); }};
    t8.details = {DetailObject()};
    t8.objects = {TsoObject()};
    t8.bumps = [](N4Builder& b) {
        b.S32(1).S32(48).Text("bumpy").Zeros(11);
        for (int i = 0; i < 8; ++i)
            b.F32(float(i));
    };
    auto file = RoundTrip(TrackBytes(t8), Ptf());
    auto track = TrackOf(*file);
    EXPECT_EQ(track->GetType(), "Track");
    EXPECT_TRUE(track->IsNightTime());
    EXPECT_EQ(track->GetSkyRotation(), 1.5);
    EXPECT_EQ(track->GetAmbientColour(), Colour(0.25f, 0.5f, 1.0f, 1.0f));
    EXPECT_EQ(track->GetFloatCount(), 0);
    ASSERT_EQ(track->GetBumpMapCount(), 1);
    EXPECT_EQ(track->GetBumpMapName(0), "bumpy");
    EXPECT_EQ(track->GetBumpMapSize(0, 3), 3.0);
    EXPECT_EQ(track->GetBumpMapDistance(0, 0), 4.0);
    ASSERT_EQ(track->GetSegmentCount(), 1);
    EXPECT_EQ(track->GetSegment(0)->GetType(), "Segment");
    ASSERT_EQ(track->GetDetailCount(), 1);
    EXPECT_EQ(track->GetDetail(0)->GetType(), "TrackDetail");
    ASSERT_EQ(track->GetTracksideObjectCount(), 1);
    EXPECT_EQ(track->GetTracksideObject(0)->GetType(), "TSO");

    Track t6 = t8;
    t6.version = 6;
    auto file6 = RoundTrip(TrackBytes(t6), Ptf());
    auto track6 = TrackOf(*file6);
    ASSERT_EQ(track6->GetFloatCount(), 21);
    EXPECT_EQ(track6->GetFloat(20), 10.0);
    // A version-6 record stores neither: defined answers.
    EXPECT_EQ(track6->GetSkyRotation(), 0.0);
    EXPECT_EQ(track6->GetAmbientColour(), Colour(0, 0, 0, 1));
    EXPECT_EQ(track6->GetBumpMapCount(), 0);
    EXPECT_EQ(track6->GetSegmentCount(), 1);
}

TEST(N4Track, EmptyListsAndSizeWords)
{
    // D = 0, T = 0: no size words; S = 0: the segment size word 0 still; B = 0: no size word.
    Track empty;
    const Bytes bytes = TrackBytes(empty);
    // Reference, class and announcement; 1, 0, version, S; night byte; colour; sky; B;
    // reserved3; D; T; segment size word.
    EXPECT_EQ(bytes.size(), 12u + 16u + 4 * 4 + 1 + 24 + 4 + 4 + 4 + 4 + 4 + 4);
    auto file = RoundTrip(bytes, Ptf());
    EXPECT_EQ(TrackOf(*file)->GetSegmentCount(), 0);
    EXPECT_EQ(TrackOf(*file)->GetDetailCount(), 0);
}

TEST(N4Track, Checks)
{
    Track detail;
    detail.details = {DetailObject()};
    detail.detailSize = 5;
    EXPECT_EQ(FormatError(TrackBytes(detail), Ptf()), "N4 ptf Track detail array size mismatch");
    Track segment;
    segment.segmentSize = 4;
    EXPECT_EQ(FormatError(TrackBytes(segment), Ptf()), "N4 ptf Track segment array size mismatch");
    Track bump;
    bump.bumps = [](N4Builder& b) { b.S32(1).S32(47); };
    EXPECT_EQ(FormatError(TrackBytes(bump), Ptf()), "N4 ptf Track bump map array size mismatch");
    Track v7;
    v7.version = 7;
    EXPECT_EQ(FormatError(TrackBytes(v7), Ptf()), "N4 ptf Track unsupported version");

    N4Builder tso;
    tso.New("TrackDescriptor");
    tso.Words({1, 0, 6, 0}).U8(0).Zeros(21 * 8).Words({0, 0, 2, 9});
    EXPECT_EQ(FormatError(tso.Get(), Ptf()), "N4 ptf Track tso array size mismatch");
    N4Builder reserved3;
    reserved3.New("TrackDescriptor");
    reserved3.Words({1, 0, 6, 0}).U8(0).Zeros(21 * 8).Words({4});
    EXPECT_EQ(FormatError(reserved3.Get(), Ptf()), "N4 ptf Track reserved3 not 0");
    // Counts beyond the bytes left are a short file, before anything is allocated.
    N4Builder huge;
    huge.New("TrackDescriptor");
    huge.Words({1, 0, 8, 0}).U8(0).Doubles({0, 0, 0}).F32(0).Words({0x1000000, 0x30000000});
    EXPECT_EQ(FormatError(huge.Get(), Ptf()), "other error: " + Util::XFileRead(SampleName).GetText());
}

TEST(N4Track, BumpMapNameWithoutNulKeepsItsBytes)
{
    Track t;
    t.bumps = [](N4Builder& b) {
        b.S32(2).S32(96);
        b.Text("sixteen_letters!").Zeros(32);
        b.Text("ab").U8(0).Text("junk after NUL").Zeros(32 - 3 - 14 + 16);
    };
    auto file = RoundTrip(TrackBytes(t), Ptf());
    EXPECT_EQ(TrackOf(*file)->GetBumpMapName(0), "sixteen_letters!");
    EXPECT_EQ(TrackOf(*file)->GetBumpMapName(1), "ab");
}

TEST(N4TrackDetail, RecordAndChecks)
{
    N4Builder b;
    DetailObject()(b);
    auto file = RoundTrip(b.Get(), Ptf());
    auto d = NodeAs<ThreeDObjectTrackDetail>(*file, 1);
    EXPECT_EQ(d->GetType(), "TrackDetail");
    // Record order longitude, latitude, width, height, orientation.
    EXPECT_EQ(d->GetLongitude(), 10);
    EXPECT_EQ(d->GetLatitude(), 20);
    EXPECT_EQ(d->GetWidth(), 30);
    EXPECT_EQ(d->GetHeight(), 40);
    EXPECT_EQ(d->GetOrientation(), 50);
    EXPECT_EQ(d->GetAppearance()->GetType(), "Appearance");
    EXPECT_EQ(d->GetTextureVertex(1), TextureVertex(1, 0));
    EXPECT_EQ(d->GetTextureVertex(3), TextureVertex(0, 1));

    N4Builder reserved;
    DetailObject(1)(reserved);
    EXPECT_EQ(FormatError(reserved.Get(), Ptf()), "N4 ptf TrackDetail reserved2 not 0");
    N4Builder size;
    DetailObject(0, 24)(size);
    EXPECT_EQ(AssertionWith(size.Get(), Ptf()), "array_size == vertex_count * sizeof(F64)");
}

TEST(N4TrackSegment, ArraysByVersion)
{
    Segment v1;
    v1.version = 1;
    Segment v2;
    // Version 1 has no bm and bs arrays; version 2 with both empty ends with two words 0.
    const Bytes b1 = SegmentBytes(v1);
    const Bytes b2 = SegmentBytes(v2);
    EXPECT_EQ(b2.size(), b1.size() + 8);
    EXPECT_EQ(Bytes(b2.end() - 8, b2.end()), Bytes(8, 0));
    for (const Bytes& bytes : {b1, b2})
    {
        auto file = RoundTrip(bytes, Ptf());
        auto s = NodeAs<ThreeDObjectTrackSegment>(*file, 1);
        EXPECT_EQ(s->GetType(), "Segment");
        EXPECT_EQ(s->GetXSectionCount(), 0);
        EXPECT_EQ(s->GetBumpMapEntryCount(), 0);
        ASSERT_EQ(s->GetBooleanCount(), 2);
        EXPECT_TRUE(s->GetBoolean(1));
    }
}

TEST(N4TrackSegment, SurfaceRecordsSortedByKey)
{
    // bm keys 5 and 2, bs keys 2 and 1: ascending, equal keys in record order (bm first).
    Segment s;
    s.bm = [](N4Builder& b) { b.S32(2).S32(24).F32(2).F32(3).S32(7).F32(0.5f).F32(1.5f).S32(8); };
    s.bs = [](N4Builder& b) { b.S32(2).S32(32).F32(1).F32(1).F32(4).F32(5).F32(0.25f).F32(0.75f).F32(6).F32(7); };
    auto file = RoundTrip(SegmentBytes(s), Ptf());
    auto seg = NodeAs<ThreeDObjectTrackSegment>(*file, 1);
    ASSERT_EQ(seg->GetBumpMapEntryCount(), 4);
    struct Expected
    {
        double a, b;
        int c;
        double d1, d2;
    };
    const Expected expected[] = {{0.25, 0.75, 0, 6, 7}, {0.5, 1.5, 8, 1, 1}, {1, 1, 0, 4, 5}, {2, 3, 7, 1, 1}};
    for (int i = 0; i < 4; ++i)
    {
        EXPECT_EQ(seg->GetBumpMapStartLatitude(i), expected[i].a) << i;
        EXPECT_EQ(seg->GetBumpMapEndLatitude(i), expected[i].b) << i;
        EXPECT_EQ(seg->GetBumpMapIndex(i), expected[i].c) << i;
        EXPECT_EQ(seg->GetBumpMapStartScale(i), expected[i].d1) << i;
        EXPECT_EQ(seg->GetBumpMapEndScale(i), expected[i].d2) << i;
    }
}

TEST(N4TrackSegment, Checks)
{
    struct Case
    {
        const char* what;
        Bytes bytes;
        const char* message;
    };
    auto patched = [](Segment s, const std::function<void(Segment&)>& change) {
        change(s);
        return SegmentBytes(s);
    };
    N4Builder xMismatch;
    xMismatch.New("SegmentDescriptor");
    xMismatch.Words({1, 0, 2, 3, 8});
    N4Builder fMismatch;
    fMismatch.New("SegmentDescriptor");
    fMismatch.Words({1, 0, 2, 0, 1, 0});
    N4Builder wMismatch;
    wMismatch.New("SegmentDescriptor");
    wMismatch.Words({1, 0, 2, 0, 0, 2, 4});
    const Case cases[] = {
        {"X byte count 8 for 3", xMismatch.Get(), "N4 ptf TrackSegment X section array size mismatch"},
        {"F byte count 0 for 1", fMismatch.Get(), "N4 ptf TrackSegment F section array size mismatch"},
        {"W byte count 4 for 2", wMismatch.Get(), "N4 ptf TrackSegment W section array size mismatch"},
        {"type 2", patched(Segment(), [](Segment& s) { s.type = 2; }), "N4 ptf TrackSegment unknown type"},
        {"version 3", patched(Segment(), [](Segment& s) { s.version = 3; }), "N4 ptf TrackSegment unsupported version"},
        {"bm", patched(Segment(), [](Segment& s) { s.bm = [](N4Builder& b) { b.S32(1).S32(16); }; }),
         "N4 ptf TrackSegment bm array size mismatch"},
        {"bs", patched(Segment(), [](Segment& s) { s.bs = [](N4Builder& b) { b.S32(1).S32(12); }; }),
         "N4 ptf TrackSegment bs array size mismatch"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(FormatError(c.bytes, Ptf()), c.message) << c.what;
}

TEST(N4TracksideObject, Versions)
{
    N4Builder v3;
    TsoObject(3)(v3);
    auto file = RoundTrip(v3.Get(), Ptf());
    auto tso = NodeAs<ThreeDObjectTracksideObject>(*file, 1);
    EXPECT_EQ(tso->GetObjectName(), "tree");
    EXPECT_EQ(tso->GetComment(), "tree.3do");
    EXPECT_TRUE(tso->IsShared());

    N4Builder v2;
    TsoObject(2)(v2);
    EXPECT_EQ(v2.Size(), v3.Size() - 1);
    auto file2 = RoundTrip(v2.Get(), Ptf());
    EXPECT_FALSE(NodeAs<ThreeDObjectTracksideObject>(*file2, 1)->IsShared());

    N4Builder v4;
    TsoObject(4)(v4);
    EXPECT_EQ(FormatError(v4.Get(), Ptf()), "N4 ptf TracksideObject unsupported version");
}

namespace
{
// A reference: P0..P5 = 1..6 (stored in the order P0, P1, P2, P5, P4, P3), then version 6 parts.
Bytes TsoReference(std::int32_t version, std::int32_t wind, const Writer& path,
                   const std::vector<std::string>& animations = {}, const std::string& sound = "")
{
    N4Builder b;
    b.New("TSOReferenceDescriptor");
    b.Words({1, 0, version}).Doubles({1, 2, 3, 6, 5, 4});
    TsoObject()(b);
    if (version < 6)
        return b.Get();
    b.S32(wind);
    path(b);
    b.S32(std::int32_t(animations.size()));
    for (const std::string& name : animations)
        b.Text(name).Zeros(32 - name.size()).S32(24).F32(12.5f);
    b.Str(sound);
    return b.Get();
}

Writer NoPath()
{
    return [](N4Builder& b) { b.U8(1); };
}

Writer Path(const std::string& raw32, std::int32_t type)
{
    return [=](N4Builder& b) { b.U8(0).Text(raw32).S32(3).F32(40.0f).S32(type); };
}
} // namespace

TEST(N4TsoReference, StaticAndDynamic)
{
    // Version 6 without a path: still the animation count and the sound file.
    auto file = RoundTrip(TsoReference(6, 1, NoPath(), {"wave"}, "birds.wav"), Ptf());
    auto r = NodeAs<ThreeDObjectTsoReference>(*file, 1);
    EXPECT_EQ(r->GetType(), "TSOReference");
    EXPECT_EQ(r->GetChild()->GetType(), "TSO");
    EXPECT_FALSE(r->IsDynamic());
    EXPECT_TRUE(r->UsesWindDirection());
    const double p[] = {r->GetXTranslation(), r->GetYTranslation(), r->GetZTranslation(),
                        r->GetXRotation(),    r->GetYRotation(),    r->GetZRotation()};
    EXPECT_EQ(std::vector<double>(p, p + 6), (std::vector<double>{1, 2, 3, 4, 5, 6}));
    ASSERT_EQ(r->GetAnimationCount(), 1);
    EXPECT_EQ(r->GetAnimationName(0), "wave");
    EXPECT_EQ(r->GetAnimationFrameCount(0), 24);
    EXPECT_EQ(r->GetAnimationFramesPerSecond(0), 12.5);
    EXPECT_TRUE(r->HasSoundFile());
    EXPECT_EQ(r->GetSoundFile(), "birds.wav");

    // A path name filling all 32 bytes has no NUL: it is read whole and written back as it was.
    const std::string full(32, 'p');
    const std::pair<std::int32_t, DynamicTSOType> types[] = {
        {0, DynamicTSOBlimp}, {1, DynamicTSOHelicopter}, {2, DynamicTSOUnknown}, {-4, DynamicTSOUnknown}};
    for (auto [code, type] : types)
    {
        auto dynamic = RoundTrip(TsoReference(6, 0, Path(full, code)), Ptf());
        auto d = NodeAs<ThreeDObjectTsoReference>(*dynamic, 1);
        EXPECT_TRUE(d->IsDynamic());
        EXPECT_EQ(d->GetPathFile(), full);
        EXPECT_EQ(d->GetStartWaypoint(), 3);
        EXPECT_EQ(d->GetSpeed(), 40.0);
        EXPECT_EQ(d->GetDynamicType(), type) << code;
        EXPECT_FALSE(d->HasSoundFile());
    }
    auto path = RoundTrip(TsoReference(6, 0, Path(std::string("heli.pth") + std::string(24, '\0'), 1)), Ptf());
    EXPECT_EQ(NodeAs<ThreeDObjectTsoReference>(*path, 1)->GetPathFile(), "heli.pth");
}

TEST(N4TsoReference, VersionsAndWindDirection)
{
    auto file1 = RoundTrip(TsoReference(1, 0, NoPath()), Ptf());
    auto r1 = NodeAs<ThreeDObjectTsoReference>(*file1, 1);
    EXPECT_FALSE(r1->IsDynamic());
    EXPECT_FALSE(r1->UsesWindDirection());
    r1->SetUsesWindDirection(true);
    EXPECT_FALSE(r1->UsesWindDirection());
    r1->SetZRotation(9);
    auto reloaded = Load(Save(*file1), Ptf());
    EXPECT_EQ(NodeAs<ThreeDObjectTsoReference>(*reloaded, 1)->GetZRotation(), 9);

    auto file6 = Load(TsoReference(6, 0, NoPath()), Ptf());
    auto r6 = NodeAs<ThreeDObjectTsoReference>(*file6, 1);
    r6->SetUsesWindDirection(true);
    EXPECT_TRUE(r6->UsesWindDirection());

    EXPECT_EQ(FormatError(TsoReference(6, 2, NoPath()), Ptf()), "N4 ptf TsoReference unknown wind direction");
    EXPECT_EQ(FormatError(TsoReference(5, 0, NoPath()), Ptf()), "N4 ptf TsoReference unsupported version");
    // An animation count beyond the bytes left is a short file.
    Bytes huge = TsoReference(6, 0, NoPath());
    huge.resize(huge.size() - 8);
    N4Builder b;
    b.Bytes(huge).U32(0x7FFFFFFF);
    EXPECT_EQ(FormatError(b.Get(), Ptf()), "other error: " + Util::XFileRead(SampleName).GetText());
}

namespace
{
constexpr double Pi = 3.14159265358979323846;
constexpr double R = 50;

// A straight from (0, 0) to (100, 0) and a left quarter circle of radius 50 from (100, 0) to
// (150, 50), each with cross sections at latitude -5 (altitude 0) and 5 (altitude 1) and a
// grass floor from -10 to 10.
Bytes TwoSegmentTrack()
{
    Segment straight;
    straight.x = {XSectionAt(-5, 0), XSectionAt(5, 1)};
    straight.f = {FloorSection(-10, 10, 4)};
    Segment corner = straight;
    corner.type = 1;
    corner.startX = 100;
    corner.endX = 100 + R;
    corner.endY = R;
    corner.endHeading = Pi / 2;
    Track t;
    t.segments = {[=](N4Builder& b) { SegmentObject(b, straight); }, [=](N4Builder& b) { SegmentObject(b, corner); }};
    return TrackBytes(t);
}
} // namespace

TEST(N4TrackSegment, GeometryOfAStraightAndACorner)
{
    auto file = RoundTrip(TwoSegmentTrack(), Ptf());
    auto track = TrackOf(*file);
    ASSERT_EQ(track->GetSegmentCount(), 2);
    auto straight = track->GetSegment(0);
    auto corner = track->GetSegment(1);
    EXPECT_FALSE(straight->IsCorner());
    EXPECT_TRUE(corner->IsCorner());
    EXPECT_DOUBLE_EQ(straight->GetLength(), 100);

    // Halfway along the straight, 2 to the left: between the sections, t = 0.7.
    TrackPosition p = straight->GetPosition(0.5, 2, false);
    EXPECT_NEAR(p.X, 50, 1e-12);
    EXPECT_NEAR(p.Y, 2, 1e-12);
    EXPECT_NEAR(p.Z, 0.7, 1e-12);
    EXPECT_NEAR(p.Heading, 0, 1e-12);
    EXPECT_NEAR(p.Bank, std::atan2(1.0, 10.0), 1e-12);
    EXPECT_NEAR(p.Pitch, 0, 1e-12);
    EXPECT_EQ(p.Floor, double(SurfaceGrass));

    double cx, cy, radius, angle;
    corner->GetArc(cx, cy, radius, angle);
    EXPECT_NEAR(cx, 100, 1e-9);
    EXPECT_NEAR(cy, R, 1e-9);
    EXPECT_NEAR(radius, R, 1e-9);
    EXPECT_NEAR(angle, Pi / 2, 1e-12);
    EXPECT_NEAR(corner->GetLength(), R * Pi / 2, 1e-9);
    // Halfway round the corner on the centre line: heading 45 degrees, at 45 degrees below the
    // centre's x axis... seen from the centre (100, 50): direction -45 degrees.
    TrackPosition q = corner->GetPosition(0.5, 0, false);
    EXPECT_NEAR(q.X, 100 + R * std::sqrt(0.5), 1e-9);
    EXPECT_NEAR(q.Y, R - R * std::sqrt(0.5), 1e-9);
    EXPECT_NEAR(q.Heading, Pi / 4, 1e-12);
    EXPECT_NEAR(q.Z, 0.5, 1e-12);
    // Left of every cross section: the first section alone, bank 0.
    EXPECT_NEAR(corner->GetPosition(0.5, -8, false).Z, 0, 1e-12);
    EXPECT_NEAR(corner->GetPosition(0.5, -8, false).Bank, 0, 1e-12);

    // Along the whole track.
    double remaining = -1;
    EXPECT_EQ(track->FindSegment(100 + R * Pi / 4, remaining), 1);
    EXPECT_NEAR(remaining, R * Pi / 4, 1e-9);
    TrackPosition r = track->GetPosition(100 + R * Pi / 4, 0);
    EXPECT_NEAR(r.X, q.X, 1e-9);
    EXPECT_NEAR(r.Y, q.Y, 1e-9);
    EXPECT_EQ(track->FindSegment(100 + R * Pi / 2, remaining), 0);
    EXPECT_NEAR(remaining, 0, 1e-9);
}

namespace
{
class CountingVisitor : public ThreeDObjectVisitor
{
public:
    bool Enter(ThreeDObject& node) override
    {
        types.push_back(node.GetType());
        return true;
    }
    void Visit(ThreeDObject& node) override { types.push_back(node.GetType()); }
    std::vector<std::string> types;
};
} // namespace

TEST(N4Track, GeneratedSampleLoadsAnswersAndSavesUnchanged)
{
    auto file = RoundTrip(ReadSample("track.ptf"), Ptf());
    auto track = TrackOf(*file);
    ASSERT_EQ(track->GetSegmentCount(), 1);
    auto segment = track->GetSegment(0);
    ASSERT_EQ(segment->GetXSectionCount(), 2);
    EXPECT_EQ(segment->GetXSection(1)->GetIntegerCount(), 4);
    ASSERT_EQ(segment->GetFSectionCount(), 2);
    EXPECT_TRUE(segment->GetFSection(0)->HasBaseTexture());
    EXPECT_EQ(segment->GetFSection(0)->GetTextureCoords()->GetType(), "TextureCoords");
    EXPECT_EQ(segment->GetFSection(1)->GetAppearance()->GetId(), 0);
    ASSERT_EQ(segment->GetWSectionCount(), 1);
    auto wall = segment->GetWSection(0);
    EXPECT_EQ(wall->GetProfilePointCount(), 2);
    EXPECT_TRUE(wall->HasEntry(0, 0));
    EXPECT_FALSE(wall->UsesDefaultTexelParameters(0, 0, 0));
    // The shared appearance is one node.
    EXPECT_EQ(wall->GetEntryAppearance(0, 0).Get(), segment->GetFSection(0)->GetAppearance().Get());
    ASSERT_EQ(segment->GetBumpMapEntryCount(), 2);
    EXPECT_EQ(segment->GetBumpMapStartLatitude(0), 0.5); // bs key 2 before bm key 5
    EXPECT_EQ(track->GetBumpMapName(0), "bump");
    EXPECT_EQ(track->GetTracksideObjectCount(), 1);

    // A walk reaches every node kind of the track.
    CountingVisitor walk;
    file->GetRoot()->Accept(walk);
    for (const char* type : {"Track", "Segment", "X_Section", "F_Section", "W_Section", "Appearance", "Texture",
                             "TextureCoords", "TrackDetail", "TSOReference", "TSO"})
        EXPECT_NE(std::find(walk.types.begin(), walk.types.end(), type), walk.types.end()) << type;
}

TEST(N4Track, GeneratedVariantsLoadAnswerAndSaveUnchanged)
{
    auto file = RoundTrip(ReadSample("variants.ptf"), Ptf());
    auto track = TrackOf(*file);
    EXPECT_EQ(track->GetFloatCount(), 21);
    ASSERT_EQ(track->GetSegmentCount(), 2);
    EXPECT_EQ(track->GetSegment(0).Get(), track->GetSegment(1).Get());
    auto segment = track->GetSegment(0);
    EXPECT_TRUE(segment->IsCorner());
    EXPECT_EQ(segment->GetBumpMapEntryCount(), 0);
    EXPECT_EQ(segment->GetXSection(0)->GetIntegerCount(), 2);
    auto floor = segment->GetFSection(0);
    EXPECT_EQ(floor->GetStartLatitude(), -4.5);
    EXPECT_EQ(floor->GetSurfaceType(), SurfaceRumbleStrip);
    EXPECT_EQ(floor->GetTrackFunction(), TrackFunctionApronNearPits);
    EXPECT_TRUE(floor->HasBaseTexture());
    EXPECT_TRUE(floor->HasLightMapTexture());
    EXPECT_TRUE(floor->IsHorizontalTexelFixed(0));
    EXPECT_EQ(floor->GetVerticalTexelSkew(0), 0.3);
    EXPECT_TRUE(floor->UsesDefaultTexelParameters(1));
    ASSERT_EQ(segment->GetWSectionCount(), 2);
    auto wall = segment->GetWSection(0);
    EXPECT_EQ(wall->GetWallType(), WallForest);
    EXPECT_FALSE(wall->IsVertical());
    EXPECT_EQ(wall->GetSplitPoint(0), 0.25);
    EXPECT_FALSE(wall->HasEntry(0, 0));
    EXPECT_TRUE(wall->UsesDefaultTexelParameters(1, 0, 0));
    EXPECT_FALSE(wall->UsesDefaultTexelParameters(1, 0, 1));
    EXPECT_EQ(wall->GetVerticalTexelSkew(1, 0, 1), 4.0);
    EXPECT_EQ(segment->GetWSection(1)->GetSubsectionCount(), 0);
    auto reference = NodeAs<ThreeDObjectTsoReference>(*file, track->GetTracksideObject(0)->GetId());
    EXPECT_EQ(reference->GetYRotation(), 5.0);
    EXPECT_FALSE(reference->HasSoundFile());
}

TEST(N4Track, DamagedFilesEndInOurErrors)
{
    // Every prefix and many seeded mutations of the track sample and of a .3do made of the
    // strip, fan, portal, appearance and animated transform records: each load either
    // succeeds or ends in one of the library's errors.
    N4Builder tdo;
    tdo.New("GroupDescriptor");
    tdo.S32(1).Str("g").Words({1, 1}).Doubles({0, 0, 0, 0, 0, 0}).Words({1, 3, 12});
    tdo.New("TriStripDescriptor");
    tdo.Words({1, 0, 1});
    tdo.New("TriFanDescriptor");
    tdo.Words({1, 0, 1, 0, 1, 3, 12, 0, 1, 2, 1, 3, 12, 2, 3, 4});
    tdo.New("PortalDescriptor");
    tdo.S32(1).Str("p").Words({1, 1, 0, 3, 12, 0, 1, 2});
    tdo.New("AnimatedTransformDescriptor");
    tdo.S32(1).Str("a").Words({1, 1}).Zeros(48).S32(1).Zeros(48);
    AppearanceObject(tdo, {NewTexture(), NoLink(), NoLink(), NoLink(), NoLink(), NoLink(), NoLink()});
    tdo.S32(1).Str("v").Words({1, 32}).Zeros(32);
    struct Sample
    {
        const char* name;
        Bytes bytes;
        const N4ArchiverList* archivers;
    };
    const Sample samples[] = {{"track.ptf", ReadSample("track.ptf"), &Ptf()},
                              {"variants.ptf", ReadSample("variants.ptf"), &Ptf()},
                              {"primitives.3do", ReadSample("primitives.3do"), &GetN4TdoArchivers()},
                              {"two segments", TwoSegmentTrack(), &Ptf()},
                              {"records", tdo.Get(), &GetN4TdoArchivers()}};
    for (const Sample& sample : samples)
    {
        ASSERT_NO_THROW(RoundTrip(sample.bytes, *sample.archivers));
        auto loadAndSave = [&sample](const Bytes& bytes) { Save(*Load(bytes, *sample.archivers)); };
        Robustness check(sample.name, sample.bytes);
        check.EveryPrefix(loadAndSave);
        check.Mutations(20261209, 3000, loadAndSave);
    }
}
