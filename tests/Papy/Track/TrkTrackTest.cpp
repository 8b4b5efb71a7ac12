#include <gtest/gtest.h>

#include <cmath>

#include "Papy/Track/GPLTrkFile.h"
#include "Papy/Track/ICR2TrkFile.h"
#include "Papy/Track/TrkTrack.h"
#include "TrackSamples.h"
#include "Util/Exception.h"

using namespace Velmo;
using namespace Velmo::Papy;
using namespace VelmoTest;
using Util::CountedPointer;

namespace
{
const double u = TrkFile::LengthUnit;

CountedPointer<Track> LoadTrack(const std::string& name)
{
    Bytes bytes = ReadTrackSample(name);
    if (name.rfind("icr2", 0) == 0)
        return CountedPointer<Track>(new TrkTrack(LoadTrk<ICR2TrkFile>(bytes)));
    return CountedPointer<Track>(new TrkTrack(LoadTrk<GPLTrkFile>(bytes)));
}

void ExpectSamePosition(const TrackPosition& a, const TrackPosition& b)
{
    EXPECT_EQ(a.X, b.X);
    EXPECT_EQ(a.Y, b.Y);
    EXPECT_EQ(a.Z, b.Z);
    EXPECT_EQ(a.Heading, b.Heading);
    EXPECT_EQ(a.Pitch, b.Pitch);
    EXPECT_EQ(a.Bank, b.Bank);
    EXPECT_EQ(a.Floor, b.Floor);
}

const char* const Samples[] = {"gpl-minimal.trk", "gpl-corners.trk", "icr2-corners.trk"};
} // namespace

TEST(TrkTrack, TheLastSegmentEndsWhereTheFirstStarts)
{
    for (const char* name : Samples)
    {
        auto track = LoadTrack(name);
        int count = track->GetSegmentCount();
        auto first = track->GetSegment(0);
        auto last = track->GetSegment(count - 1);
        EXPECT_EQ(last->GetEndX(), first->GetStartX()) << name;
        EXPECT_EQ(last->GetEndY(), first->GetStartY()) << name;
        EXPECT_EQ(last->GetEndHeading(), first->GetStartHeading()) << name;
        for (int i = 0; i + 1 < count; ++i)
            EXPECT_EQ(track->GetSegment(i)->GetEndX(), track->GetSegment(i + 1)->GetStartX());
    }
}

TEST(TrkTrack, LongitudesOutsideOneLapWrap)
{
    for (const char* name : Samples)
    {
        SCOPED_TRACE(name);
        auto track = LoadTrack(name);
        double lap = track->GetLength2D();
        for (double longitude : {0.0, 1.5, 77.25, lap / 2, lap - 0.5})
            for (double k : {-3.0, -1.0, 1.0, 2.0})
                ExpectSamePosition(track->GetPosition(longitude + k * lap, 2.5), track->GetPosition(longitude, 2.5));
        double offset;
        EXPECT_EQ(track->GetSegmentAt(-1.0, offset).Get(), track->GetSegment(track->GetSegmentCount() - 1).Get());
        EXPECT_NEAR(offset, track->GetSegment(track->GetSegmentCount() - 1)->GetLength2D() - 1.0, 1e-3);
    }
}

TEST(TrkTrack, TrackAndSegmentQueriesAgree)
{
    auto track = LoadTrack("gpl-corners.trk");
    EXPECT_NEAR(track->GetLength3D(), track->GetSegmentStart3D(track->GetSegmentCount() - 1) +
                                          track->GetSegment(track->GetSegmentCount() - 1)->GetLength3D(), 1e-9);
    for (int i = 0; i < track->GetSegmentCount(); ++i)
    {
        auto segment = track->GetSegment(i);
        double start = track->GetSegmentStart2D(i);
        double offset;
        EXPECT_EQ(track->GetSegmentAt(start + segment->GetLength2D() / 2, offset).Get(), segment.Get());
        EXPECT_NEAR(offset, segment->GetLength2D() / 2, 1e-3);
        ExpectSamePosition(segment->GetPosition(3.0, -1.25), track->GetPosition(start + 3.0, -1.25));
        TrackPosition p = track->GetPosition(start, 0);
        EXPECT_NEAR(p.X, segment->GetStartX(), 1e-9);
        EXPECT_NEAR(p.Y, segment->GetStartY(), 1e-9);
        Vertex v = track->GetPoint(start + 1, 2);
        TrackPosition q = track->GetPosition(start + 1, 2);
        EXPECT_EQ(v, Vertex(q.X, q.Y, q.Z));
        EXPECT_EQ(track->GetAltitude(start + 1), track->GetPosition(start + 1, 0).Z);
        // A cross section's altitude is the position's at its own latitude.
        auto x = segment->GetXSection(1);
        EXPECT_NEAR(x->GetAltitudeAt(2.0), track->GetPosition(start + 2.0, x->GetStartLatitude()).Z, 1e-3);
        EXPECT_NEAR(track->Convert2DTo3D(start), track->GetSegmentStart3D(i), u);
    }
}

TEST(TrkTrack, PositionsInsideSectionsAreTheGeneratorsPositions)
{
    // Points a quarter, a half and three quarters into each section's 2D length (and one laps
    // away): the 2D longitude becomes the 3D one, and the place there, as trk.py works them out.
    for (const char* sample : {"gpl-minimal", "gpl-corners", "icr2-corners", "icr2-minimal"})
    {
        SCOPED_TRACE(sample);
        const std::string name = std::string(sample) + ".trk";
        Bytes bytes = ReadTrackSample(name);
        CountedPointer<TrkFile> file;
        if (name.rfind("icr2", 0) == 0)
            file = LoadTrk<ICR2TrkFile>(bytes);
        else
            file = LoadTrk<GPLTrkFile>(bytes);
        TrkTrack track(file);
        const auto rows = ReadTrackTable(std::string(sample) + ".pos2d", false);
        ASSERT_GE(rows.size(), 30u);
        for (const auto& row : rows)
        {
            ASSERT_EQ(row.size(), 10u);
            const double longitude = std::stod(row[0]), latitude = std::stod(row[1]);
            SCOPED_TRACE(row[0] + " " + row[1]);
            EXPECT_EQ(file->Convert2DTo3D(longitude), std::stoi(row[2]));
            EXPECT_DOUBLE_EQ(track.Convert2DTo3D(longitude), std::stoi(row[2]) * u);
            const TrackPosition p = track.GetPosition(longitude, latitude);
            EXPECT_EQ(p.X, std::stoi(row[3]) * u);
            EXPECT_EQ(p.Y, std::stoi(row[4]) * u);
            EXPECT_EQ(p.Z, std::stoi(row[5]) * u);
            EXPECT_EQ(p.Heading, std::stoi(row[6]) * TrkFile::AngleUnit);
            EXPECT_EQ(p.Pitch, std::stoi(row[7]) * TrkFile::AngleUnit);
            EXPECT_EQ(p.Bank, std::stoi(row[8]) * TrkFile::AngleUnit);
            EXPECT_EQ(int(p.Floor), std::stoi(row[9]));
        }
    }
}

TEST(TrkTrack, ArcsOfCornersAreTheGeneratorsAndTurnAsTheirHeadings)
{
    for (const char* sample : {"gpl-corners", "icr2-corners"})
    {
        SCOPED_TRACE(sample);
        auto track = LoadTrack(std::string(sample) + ".trk");
        const auto rows = ReadTrackTable(std::string(sample) + ".arcs", false);
        ASSERT_GE(rows.size(), 2u);
        for (const auto& row : rows)
        {
            auto segment = track->GetSegment(std::stoi(row[0]));
            ASSERT_TRUE(segment->IsCorner());
            double cx, cy, radius, curvature;
            segment->GetArc(cx, cy, radius, curvature);
            EXPECT_DOUBLE_EQ(cx, std::stod(row[1]));
            EXPECT_DOUBLE_EQ(cy, std::stod(row[2]));
            EXPECT_DOUBLE_EQ(radius, std::stod(row[3]));
            EXPECT_DOUBLE_EQ(curvature, std::stod(row[4]));
            // The curvature is the whole turn of the segment: its heading at the end less its
            // heading at the start, within half a turn.
            double turn = std::remainder(segment->GetEndHeading() - segment->GetStartHeading(), 2 * M_PI);
            EXPECT_NEAR(curvature, turn, 1e-6) << row[0];
        }
    }
}

TEST(TrkTrack, CornerRadiiHaveTheSignOfTheirCurvature)
{
    int left = 0, right = 0;
    for (const char* name : {"gpl-corners.trk", "icr2-corners.trk"})
    {
        auto track = LoadTrack(name);
        for (int i = 0; i < track->GetSegmentCount(); ++i)
        {
            auto segment = track->GetSegment(i);
            if (!segment->IsCorner())
                continue;
            double cx, cy, radius, curvature;
            segment->GetArc(cx, cy, radius, curvature);
            EXPECT_EQ(std::signbit(radius), std::signbit(curvature)) << name << " " << i;
            // The reference line's start lies on the arc.
            EXPECT_NEAR(std::hypot(segment->GetStartX() - cx, segment->GetStartY() - cy), std::fabs(radius), 1e-3);
            (curvature < 0 ? left : right)++;
        }
    }
    EXPECT_GT(left, 0);
    EXPECT_GT(right, 0);
}

TEST(TrkTrack, SectionsOfASegment)
{
    auto track = LoadTrack("gpl-corners.trk");
    auto segment = track->GetSegment(1);
    ASSERT_EQ(segment->GetXSectionCount(), 5);
    ASSERT_EQ(segment->GetFSectionCount(), 5);
    ASSERT_EQ(segment->GetWSectionCount(), 2);
    auto f = segment->GetFSection(1);
    EXPECT_EQ(f->GetType(), SurfaceGrass);
    EXPECT_DOUBLE_EQ(f->GetRightStart(), -360000 * u);
    EXPECT_DOUBLE_EQ(f->GetRightEnd(), -380000 * u);
    EXPECT_DOUBLE_EQ(f->GetLeftStart(), -280000 * u);
    EXPECT_EQ(f->GetGripModifier(), 0);
    auto w = segment->GetWSection(1);
    EXPECT_EQ(w->GetType(), WallArmco);
    EXPECT_DOUBLE_EQ(w->GetStartLatitude(), 390000 * u);
    EXPECT_DOUBLE_EQ(w->GetStartWidth(), 60000 * u);
    EXPECT_DOUBLE_EQ(w->GetEndHeight(), 25000 * u);
    auto x = segment->GetXSection(3);
    EXPECT_DOUBLE_EQ(x->GetStartLatitude(), 150000 * u);
    EXPECT_DOUBLE_EQ(x->GetEndLatitude(), 150000 * u);

    auto icr2 = LoadTrack("icr2-corners.trk")->GetSegment(1);
    ASSERT_EQ(icr2->GetWSectionCount(), 2);
    EXPECT_EQ(icr2->GetWSection(0)->GetStartWidth(), 0);
    EXPECT_DOUBLE_EQ(icr2->GetWSection(0)->GetEndLatitude(), 390000 * u);
    EXPECT_DOUBLE_EQ(icr2->GetWSection(0)->GetStartHeight(), 20000 * u);
    EXPECT_EQ(icr2->GetFSection(2)->GetGripModifier(), -5);
}

TEST(TrkTrack, SetLatitudeStoresOnlyALineOfConstantLatitude)
{
    auto track = LoadTrack("gpl-corners.trk");
    auto x = track->GetSegment(0)->GetXSection(2);
    double before = x->GetStartLatitude();
    x->SetLatitude(1.0, 1.5);
    EXPECT_EQ(x->GetStartLatitude(), before);
    x->SetLatitude(1.0, 1.0);
    EXPECT_NEAR(x->GetStartLatitude(), 1.0, u);
    // The lateral is the file's: every segment sees it.
    EXPECT_EQ(track->GetSegment(3)->GetXSection(2)->GetEndLatitude(), x->GetStartLatitude());
    // Beyond a neighbour (lateral 3 lies at 7.62 m) nothing changes.
    x->SetLatitude(8.0, 8.0);
    EXPECT_NEAR(x->GetStartLatitude(), 1.0, u);
}

TEST(TrkTrack, SetAltitudeStoresTheHermiteCubic)
{
    auto track = LoadTrack("gpl-corners.trk");
    auto x = track->GetSegment(2)->GetXSection(1);
    x->SetAltitude(1.0, 3.0, 0.5, -0.25);
    EXPECT_NEAR(x->GetStartAltitude(), 1.0, u);
    EXPECT_NEAR(x->GetEndAltitude(), 3.0, 4 * u);
    EXPECT_NEAR(x->GetStartSlope(), 0.5, u);
    EXPECT_NEAR(x->GetEndSlope(), -0.25, 6 * u);
    EXPECT_NEAR(x->GetLinear(), 0.5, u);
    EXPECT_NEAR(x->GetSquare(), 3 * 2.0 - 2 * 0.5 + 0.25, u);
    EXPECT_NEAR(x->GetCube(), 0.5 - 0.25 - 2 * 2.0, u);
    EXPECT_NEAR(x->GetAltitude(0.5), 1.0 + 0.25 + x->GetSquare() / 4 + x->GetCube() / 8, 4 * u);
    EXPECT_NEAR(x->GetAltitudeSlope(1.0), x->GetEndSlope(), 4 * u);
    EXPECT_NEAR(x->GetLatitude(0.3), x->GetStartLatitude(), 1e-12);
}

TEST(TrkTrack, SaveWritesTheFileToTheGivenStream)
{
    Bytes bytes = ReadTrackSample("icr2-corners.trk");
    TrkTrack track(LoadTrk<ICR2TrkFile>(bytes));
    Util::MemoryStream stream("out.trk");
    track.Save(stream);
    EXPECT_EQ(stream.GetBytes(), bytes);
}

TEST(TrkTrack, SectionsKeepTheirFileAlive)
{
    CountedPointer<TrackXSection> x;
    {
        auto track = LoadTrack("gpl-minimal.trk");
        x = track->GetSegment(1)->GetXSection(0);
    }
    EXPECT_EQ(x->GetStartLatitude(), 0);
}
