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
// A saved track loads again. Its refusal is a fault of the writer, not a refused mutant: it is
// reported here rather than left to the loop, which counts exceptions as refusals.
template <class File>
Util::CountedPointer<File> Reload(const TrkFile& file)
{
    try
    {
        return LoadTrk<File>(SaveTrk(file), "saved.trk");
    }
    catch (const Util::Exception& e)
    {
        ADD_FAILURE() << "a saved track does not load: " << e.GetText();
        return Util::CountedPointer<File>();
    }
}

// Every floor and wall section answers its edges; a code beyond the game's table is refused
// when asked for.
void ExerciseSections(const TrkTrack& track)
{
    for (int s = 0; s < track.GetSegmentCount(); ++s)
    {
        auto segment = track.GetSegment(s);
        for (int i = 0; i < segment->GetFSectionCount(); ++i)
        {
            auto floor = segment->GetFSection(i);
            for (double v : {floor->GetRightStart(), floor->GetRightEnd(), floor->GetLeftStart(), floor->GetLeftEnd()})
                ASSERT_TRUE(std::isfinite(v));
            try
            {
                floor->GetType();
                floor->GetGripModifier();
            }
            catch (const Util::XAssertion& e)
            {
                ASSERT_STREQ(e.GetExpression(), "false");
            }
        }
        for (int i = 0; i < segment->GetWSectionCount(); ++i)
        {
            auto wall = segment->GetWSection(i);
            for (double v : {wall->GetStartLatitude(), wall->GetEndLatitude(), wall->GetStartWidth(), wall->GetEndWidth()})
                ASSERT_TRUE(std::isfinite(v));
            try
            {
                wall->GetType();
            }
            catch (const Util::XAssertion& e)
            {
                ASSERT_STREQ(e.GetExpression(), "false");
            }
        }
    }
}

// A track that loads converts to a GPL track that loads back, or the conversion refuses it with
// one of its assertions (a surface or wall without a GPL code, a wall it cannot place).
void ExerciseConversion(const TrkFile& file)
{
    Util::CountedPointer<GPLTrkFile> converted;
    try
    {
        converted = Util::CountedPointer<GPLTrkFile>(new GPLTrkFile(file));
    }
    catch (const Util::XAssertion& e)
    {
        const std::string expression = e.GetExpression();
        ASSERT_TRUE(expression == "false" || expression == "i > 0" ||
                    expression == "Surfaces[i].From >= sur.From && Surfaces[i].To >= sur.To")
            << expression;
        return;
    }
    StrictScope lenient(false);
    auto back = Reload<GPLTrkFile>(*converted);
    ASSERT_TRUE(back);
    ASSERT_EQ(back->GetSectionCount(), file.GetSectionCount());
    ASSERT_EQ(back->GetLength(), file.GetLength());
}

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
    auto again = Reload<File>(*file);
    ASSERT_TRUE(again);
    ASSERT_EQ(again->GetSectionCount(), file->GetSectionCount());
    ExerciseSections(track);
    ExerciseConversion(*file);
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
