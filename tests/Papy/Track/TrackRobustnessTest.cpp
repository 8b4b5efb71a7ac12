// Track and racing-line files are untrusted: every prefix of the samples and thousands of
// seeded mutations must load or fail with one of our exceptions (the sanitizer build runs this
// too). A track that loads answers positions all round the lap with finite values, and saves
// into a file that loads again.
#include <gtest/gtest.h>

#include <cmath>

#include "Papy/Track/GPLLpFile.h"
#include "Papy/Track/GPLTrkFile.h"
#include "Papy/Track/ICR2LpFile.h"
#include "Papy/Track/ICR2TrkFile.h"
#include "Papy/Track/N4LpFile.h"
#include "Papy/Track/TrkTrack.h"
#include "TrackSamples.h"
#include "Util/Exception.h"
#include "tests/Support/Robustness.h"

using namespace Velmo;
using namespace Velmo::Papy;
using namespace VelmoTest;

namespace
{
template <class File>
void Exercise(const Bytes& bytes)
{
    auto file = LoadTrk<File>(bytes, "mutant.trk");
    TrkTrack track(file);
    double lap = track.GetLength2D();
    ASSERT_TRUE(std::isfinite(lap));
    for (int i = -20; i < 220; ++i)
    {
        double longitude = lap * i / 200.0 + 0.37 * i;
        double latitude = (i % 13 - 6) * 2.5;
        try
        {
            TrackPosition p = track.GetPosition(longitude, latitude);
            for (double v : {p.X, p.Y, p.Z, p.Heading, p.Pitch, p.Bank, p.Floor})
                ASSERT_TRUE(std::isfinite(v)) << longitude << " " << latitude;
        }
        catch (const Util::XAssertion& e)
        {
            // A floor code beyond the game's table is refused when asked for.
            ASSERT_STREQ(e.GetExpression(), "false");
        }
    }
    for (int s = 0; s < track.GetSegmentCount(); ++s)
    {
        auto segment = track.GetSegment(s);
        double cx, cy, radius, curvature;
        segment->GetArc(cx, cy, radius, curvature);
        ASSERT_TRUE(std::isfinite(segment->GetLength2D()));
    }
    auto again = LoadTrk<File>(SaveTrk(*file), "saved.trk");
    ASSERT_EQ(again->GetSectionCount(), file->GetSectionCount());
}

template <class Line>
void ExerciseLine(const Line& line)
{
    int count = line.GetRecordCount();
    for (int i = 0; i < count; i += 7)
    {
        // A record's own longitude, divided by the spacing again, may fall a hair short of it.
        int found = line.GetRecordIndex(line.GetRecordLongitude(i));
        ASSERT_TRUE(found == i || found == i - 1) << i;
        ASSERT_TRUE(std::isfinite(line.GetSpeed1(i)) || std::isnan(line.GetSpeed1(i)));
    }
    Util::MemoryStream out("saved.lp");
    line.Save(out);
}
} // namespace

TEST(TrackRobustness, TrackFilesRefuseOrAnswer)
{
    for (const char* name : {"gpl-minimal.trk", "gpl-corners.trk"})
    {
        Robustness check(name, ReadTrackSample(name));
        check.EveryPrefix([](const Bytes& b) { Exercise<GPLTrkFile>(b); }, true);
        check.Mutations(20261209, 1000, [](const Bytes& b, int i) {
            StrictScope strict(i % 4 == 0);
            Exercise<GPLTrkFile>(b);
        });
    }
    for (const char* name : {"icr2-minimal.trk", "icr2-corners.trk"})
    {
        Robustness check(name, ReadTrackSample(name));
        check.EveryPrefix([](const Bytes& b) { Exercise<ICR2TrkFile>(b); }, true);
        RobustnessTally tally = check.Mutations(20261210, 1000, [](const Bytes& b) { Exercise<ICR2TrkFile>(b); });
        EXPECT_GT(tally.loaded, 100) << name;
    }
}

TEST(TrackRobustness, RacingLinesRefuseOrAnswer)
{
    auto track = LoadTrk<GPLTrkFile>(ReadTrackSample("gpl-corners.trk"));
    Robustness gpl("gpl-corners.lp", ReadTrackSample("gpl-corners.lp"));
    auto loadGpl = [&](const Bytes& b) {
        Util::MemoryStream stream(b, "mutant.lp");
        ExerciseLine(GPLLpFile(stream, *track));
    };
    gpl.EveryPrefix(loadGpl, true);
    gpl.Mutations(20261211, 1000, loadGpl);

    auto loadIcr2 = [](const Bytes& b) {
        Util::MemoryStream stream(b, "mutant.lp");
        ExerciseLine(ICR2LpFile(stream));
    };
    Robustness icr2("icr2.lp", ReadTrackSample("icr2.lp"));
    icr2.EveryPrefix(loadIcr2, true);
    icr2.Mutations(20261212, 1000, loadIcr2);

    auto loadN4 = [](const Bytes& b) {
        Util::MemoryStream stream(b, "mutant.lp");
        ExerciseLine(N4LpFile(stream));
    };
    Robustness n4("n4.lp", ReadTrackSample("n4.lp"));
    n4.EveryPrefix(loadN4, true);
    n4.Mutations(20261213, 1000, loadN4);
}
