// The track and replay panes' plans keep to a frame's budget: every point of the plan, of its
// bounds walk and of the car's path is charged with the section look-ups it makes, the plan past
// the budget or the deadline is drawn in part and says so, and a PTF segment's points come from
// a look-up of its sections read once, the same doubles as the segment's own. The tracks come
// from plan_samples.py (over the N4 generator): a thousand segments naming a thousand cross
// sections, every point lying beyond all of them.
#include <gtest/gtest.h>

#include <GL/gl.h>

#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <limits>
#include <memory>
#include <string>
#include <vector>

#include "GLContext.h"
#include "Papy/Track/PtfTrack.h"
#include "Support/TempFolder.h"
#include "Util/Exception.h"
#include "Vantrel/Drawing/DrawingMessages.h"
#include "Vantrel/Drawing/DrawingReport.h"
#include "Vantrel/Drawing/FrameBudget.h"
#include "Vantrel/Drawing/ReplayPath.h"
#include "Vantrel/Drawing/TrackPlan.h"
#include "Vantrel/Drawing/TrackPlanPoints.h"
#include "Vantrel/Drawing/TrackPlanScene.h"
#include "Vantrel/Rows/TrkFakes.h"
#include "Vantrel/Rows/TrkViewsSamples.h"

using Velmo::Util::CountedPointer;

namespace
{
// A hang shows as a time far beyond this.
constexpr auto Generous = std::chrono::seconds(60);

const std::string Steps2 = "Every 2nd point of the plan drawn: the track is too long to draw in full.";
const std::string Cut = "Drawn in part: the object is too large to show in full.";

// A track of plan_samples.py: repeat-track SEGMENTS CROSS LENGTH ORDER, or varied.
CountedPointer<Velmo::Papy::Track> PlanSample(const std::string& arguments, const std::string& mode = "repeat-track")
{
    static VelmoTest::TempFolder folder;
    std::string name = mode + " " + arguments + ".ptf";
    for (char& c : name)
        c = c == ' ' ? '-' : c;
    const std::string path = folder.Path(name);
    const std::string line = std::string(VELMO_PYTHON3) + " \"" + VELMO_TEST_SOURCE_DIR +
                             "/Vantrel/Drawing/plan_samples.py\" " + mode + " \"" + path + "\" " + arguments;
    if (std::system(line.c_str()) != 0)
    {
        ADD_FAILURE() << line;
        return {};
    }
    try
    {
        return VelmoTest::LoadPtfTrack(path);
    }
    catch (const Velmo::Util::Exception& e)
    {
        ADD_FAILURE() << e.GetText();
    }
    return {};
}

// Paints the track's plan in the tests' 200 x 150 window, until the driver is done with it: its
// seconds. A paint that does not end shows as a time far beyond Generous.
double PaintWithinReason(TrackPlanScene& scene, const Velmo::Papy::Track* track, DrawingReport& report,
                         const std::string& what = "")
{
    const auto start = std::chrono::steady_clock::now();
    EXPECT_TRUE(scene.Paint(track, 200.0 / 150, report)) << what;
    glFinish();
    const auto taken = std::chrono::steady_clock::now() - start;
    EXPECT_LT(taken, Generous) << what;
    return std::chrono::duration<double>(taken).count();
}

void ExpectWithinLimits(const FrameBudget& frame)
{
    for (int cost = 0; cost < FrameBudget::CostCount; ++cost)
        EXPECT_LE(frame.GetTaken()[cost], frame.GetLimits()[cost]) << FrameBudget::NameOf(FrameBudget::Cost(cost));
}

// The box of the straight from (0, 0) to (3000, 0), within rounding.
void ExpectBounds(const TrackPlanBounds& got, const TrackPlanBounds& expected)
{
    EXPECT_NEAR(got.MinX, expected.MinX, 1e-9);
    EXPECT_NEAR(got.MaxX, expected.MaxX, 1e-9);
    EXPECT_NEAR(got.MinY, expected.MinY, 1e-9);
    EXPECT_NEAR(got.MaxY, expected.MaxY, 1e-9);
    EXPECT_NEAR(got.MinZ, expected.MinZ, 1e-9);
    EXPECT_NEAR(got.MaxZ, expected.MaxZ, 1e-9);
}

// A clock that runs a second at every reading.
FrameBudget::Clock Stepping()
{
    auto now = std::make_shared<double>(0);
    return [now] { return *now += 1; };
}
} // namespace

// Cross sections in turn at two latitudes: no look-up can bisect them, so every point reads all
// thousand. The plan (every 2nd point of it: two million at its step) would read two billion;
// its bounds walk and its compile stop within the frame's section look-ups, and the paint says
// both. The next paint replays the list: it charges nothing and tells the same.
TEST(TrackPlanFrame, APlanPastTheFramesSectionLookUpsIsDrawnInPartWithItsNotices)
{
    GLContext context(200, 150);
    VELMO_REQUIRE_GL(context);
    const CountedPointer<Velmo::Papy::Track> track = PlanSample("1000 1000 3000 alternate");
    ASSERT_TRUE(track);
    TrackPlanScene scene;
    DrawingReport report;
    PaintWithinReason(scene, track.Get(), report);
    const FrameBudget& frame = scene.GetFrameBudget();
    EXPECT_TRUE(frame.IsSpent());
    EXPECT_EQ(frame.GetSpentOn(), FrameBudget::SectionLookups);
    ExpectWithinLimits(frame);
    EXPECT_TRUE(report.GetMessages().empty()) << report.GetMessages().front();
    EXPECT_EQ(report.GetNotices(), (std::vector<std::string>{Steps2, Cut}));
    EXPECT_EQ(scene.GetNotices(), (std::vector<std::string>{Steps2, Cut}));
    EXPECT_TRUE(scene.IsCompiled());
    // The bounds reached the one straight all the segments lie on.
    ExpectBounds(scene.GetBounds(), {0, 3000, -6, 6, 0, 0});

    DrawingReport again;
    EXPECT_TRUE(scene.Paint(track.Get(), 200.0 / 150, again));
    EXPECT_FALSE(frame.IsSpent());
    EXPECT_EQ(frame.GetTaken()[FrameBudget::TrackPoints], 0);
    EXPECT_EQ(frame.GetTaken()[FrameBudget::SectionLookups], 0);
    EXPECT_EQ(again.GetNotices(), (std::vector<std::string>{Steps2, Cut}));
    EXPECT_EQ(glGetError(), GLenum(GL_NO_ERROR));
    scene.ReleaseGL();
}

// Ten thousand cross sections in order (one named ten thousand times) under a hundred segments:
// a look-up bisects them, so the whole plan (200,200 points, each of which would walk all ten
// thousand in the segment) draws in full, well within the frame, with no notice.
TEST(TrackPlanFrame, APlanOfOrderedSectionsIsLookedUpAndDrawnInFull)
{
    GLContext context(200, 150);
    VELMO_REQUIRE_GL(context);
    const CountedPointer<Velmo::Papy::Track> track = PlanSample("100 10000 3000 same");
    ASSERT_TRUE(track);
    TrackPlanScene scene;
    DrawingReport report;
    PaintWithinReason(scene, track.Get(), report);
    EXPECT_FALSE(scene.GetFrameBudget().IsSpent());
    EXPECT_TRUE(report.GetMessages().empty());
    EXPECT_TRUE(report.GetNotices().empty()) << report.GetNotices().front();
    ExpectBounds(scene.GetBounds(), {0, 3000, -6, 6, 0, 0});
    scene.ReleaseGL();
}

// A segment of another track places its plan's points from its cross sections, with no floor: a
// segment of 20,000 floor sections and 3 cross sections (440,000 points at the plan's step) is
// charged its cross sections a point and draws in full. A car's path over it is placed by the
// track, which reads the floor under each point as well: 30 points of it cost 600,090 look-ups.
TEST(TrackPlanFrame, AnotherTracksSegmentIsChargedTheSectionsItsPointsRead)
{
    GLContext context(64, 64);
    VELMO_REQUIRE_GL(context);
    VelmoTest::FakeTrack track;
    VelmoTest::FakeSegment& segment = track.Add(30);
    segment.Surfaces = 20000;
    segment.Traces = 3;
    TrackPlanScene scene;
    DrawingReport report;
    EXPECT_TRUE(scene.Paint(&track, 1.0, report));
    EXPECT_FALSE(scene.GetFrameBudget().IsSpent());
    EXPECT_TRUE(report.GetNotices().empty()) << report.GetNotices().front();
    EXPECT_EQ(segment.Distances.size(), std::size_t(2 * 20000 * (2 + 11)));
    EXPECT_EQ(scene.GetFrameBudget().GetTaken()[FrameBudget::SectionLookups], 3.0 * 2 * 20000 * (2 + 11));
    scene.ReleaseGL();

    VelmoTest::FakeReplay replay;
    replay.Frames = replay.End = 30;
    FrameBudget budget;
    EXPECT_EQ(ReplayPath::Draw(track, replay, 0, 0, 0, budget), 30);
    EXPECT_EQ(budget.GetTaken()[FrameBudget::TrackPoints], 30);
    EXPECT_EQ(budget.GetTaken()[FrameBudget::SectionLookups], 30 * 20003.0);
}

// The points of the plans are the segment's and the track's own, to the bit, on a track of
// cross sections that rise, slope and bank, in order, out of order and crossing each other; a
// point past the budget is not placed.
TEST(TrackPlanFrame, PointsThroughTheLookUpAreTheTracksOwn)
{
    const CountedPointer<Velmo::Papy::Track> track = PlanSample("", "varied");
    ASSERT_TRUE(track);
    ASSERT_EQ(track->GetSegmentCount(), 3);
    FrameBudget budget;
    TrackPlanPoints points(budget);
    const double lap = track->GetLength2D();
    for (int s = 0; s < track->GetSegmentCount(); ++s)
    {
        const auto segment = track->GetSegment(s);
        ASSERT_TRUE(points.Begin(segment));
        const double length = segment->GetLength2D();
        for (const double distance : {0.0, length / 3, length / 2, length})
            for (const double latitude : {-14.0, -7.5, -1.0, 0.0, 2.25, 9.0, 15.0})
            {
                ASSERT_EQ(points.Take(1), 1);
                const Velmo::Papy::Vertex got = points.Point(distance, latitude);
                const Velmo::Papy::Vertex own = segment->GetPoint(distance, latitude);
                EXPECT_EQ(got.GetX(), own.GetX()) << s << " " << distance << " " << latitude;
                EXPECT_EQ(got.GetY(), own.GetY()) << s << " " << distance << " " << latitude;
                EXPECT_EQ(got.GetZ(), own.GetZ()) << s << " " << distance << " " << latitude;
            }
    }
    const double boundary = track->GetSegmentStart2D(1), corner = track->GetSegmentStart2D(2);
    for (const double longitude :
         {0.0, 1.25, boundary, boundary + 0.5, corner - 0.25, corner, lap - 0.001, lap, lap + 2, -3.0, 2 * lap + 7})
        for (const double latitude : {-11.0, -4.0, 0.5, 6.0, 12.0})
        {
            Velmo::Papy::Vertex got;
            ASSERT_TRUE(points.TrackPoint(*track, longitude, latitude, got));
            const Velmo::Papy::Vertex own = track->GetPoint(longitude, latitude);
            EXPECT_EQ(got.GetX(), own.GetX()) << longitude << " " << latitude;
            EXPECT_EQ(got.GetY(), own.GetY()) << longitude << " " << latitude;
            EXPECT_EQ(got.GetZ(), own.GetZ()) << longitude << " " << latitude;
        }
    EXPECT_FALSE(budget.IsSpent());

    // Past the budget: what fits, then nothing.
    FrameBudget::Amounts limits = FrameBudget::WithoutDeadline();
    limits[FrameBudget::TrackPoints] = 5;
    FrameBudget small(limits);
    TrackPlanPoints few(small);
    ASSERT_TRUE(few.Begin(track->GetSegment(0)));
    EXPECT_EQ(few.Take(3), 3);
    EXPECT_EQ(few.Take(3), 2);
    EXPECT_TRUE(few.IsSpent());
    EXPECT_EQ(few.Take(1), 0);
    EXPECT_FALSE(few.Begin(track->GetSegment(1)));
    Velmo::Papy::Vertex none;
    EXPECT_FALSE(few.TrackPoint(*track, 1, 0, none));
}

// A car's path of 30,000 frames over the track whose every point reads a thousand sections stops
// within the frame; over the same track with its sections in order it is drawn whole. In the
// pane's paint the path has what the plan left: nothing on the first paint, whose plan spent the
// frame, and which says so; the whole budget on the next, whose plan is replayed.
TEST(TrackPlanFrame, TheCarsPathKeepsToWhatThePlanLeftOfTheFrame)
{
    GLContext context(200, 150);
    VELMO_REQUIRE_GL(context);
    VelmoTest::FakeReplay replay;
    replay.Frames = replay.End = 30000;
    struct Case
    {
        const char* Sample;
        bool Whole;
    };
    for (const Case c : {Case{"1000 1000 3000 alternate", false}, Case{"1000 1000 3000 same", true}})
    {
        const CountedPointer<Velmo::Papy::Track> track = PlanSample(c.Sample);
        ASSERT_TRUE(track);
        FrameBudget budget;
        const auto start = std::chrono::steady_clock::now();
        const int points = ReplayPath::Draw(*track, replay, 0, 0, 0, budget);
        EXPECT_LT(std::chrono::steady_clock::now() - start, Generous) << c.Sample;
        ExpectWithinLimits(budget);
        if (c.Whole)
        {
            EXPECT_EQ(points, 30000) << c.Sample;
            EXPECT_FALSE(budget.IsSpent()) << c.Sample;
        }
        else
        {
            EXPECT_GT(points, 1000) << c.Sample;
            EXPECT_LT(points, 30000) << c.Sample;
            EXPECT_EQ(budget.GetSpentOn(), FrameBudget::SectionLookups) << c.Sample;
        }
    }

    const CountedPointer<Velmo::Papy::Track> track = PlanSample("1000 1000 3000 alternate");
    ASSERT_TRUE(track);
    TrackPlanScene scene;
    int points = -1;
    const auto path = [&] { points = ReplayPath::Draw(*track, replay, 0, 0, 0, scene.GetFrameBudget()); };
    DrawingReport first;
    EXPECT_TRUE(scene.Paint(track.Get(), 1.0, first, path));
    EXPECT_EQ(points, 0);
    EXPECT_EQ(first.GetNotices(), (std::vector<std::string>{Steps2, Cut}));
    DrawingReport next;
    EXPECT_TRUE(scene.Paint(track.Get(), 1.0, next, path));
    EXPECT_GT(points, 1000);
    EXPECT_LT(points, 30000);
    EXPECT_EQ(next.GetNotices(), (std::vector<std::string>{Steps2, Cut}));
    EXPECT_EQ(glGetError(), GLenum(GL_NO_ERROR));
    scene.ReleaseGL();
}

// On a clock that runs a second at every reading, whatever the counts: the bounds walk stops
// within its share of the deadline, the plan within the rest, the path within what is left; each
// paint says so and is whole again at its start. On a stopped clock the same track draws in full.
TEST(TrackPlanFrame, EveryWalkOfAPaintStopsAtTheFramesDeadline)
{
    GLContext context(64, 64);
    VELMO_REQUIRE_GL(context);
    VelmoTest::FakeTrack track;
    for (int s = 0; s < 40; ++s)
    {
        VelmoTest::FakeSegment& segment = track.Add(30, 30.0 * s);
        segment.Surfaces = 2;
        segment.Walls = 1;
    }
    VelmoTest::FakeReplay replay;
    replay.Frames = replay.End = 1000;
    {
        TrackPlanScene scene;
        DrawingReport report;
        EXPECT_TRUE(scene.Paint(&track, 1.0, report));
        EXPECT_FALSE(scene.GetFrameBudget().IsSpent());
        EXPECT_TRUE(report.GetNotices().empty()) << report.GetNotices().front();
        scene.ReleaseGL();
    }
    std::size_t whole = 0;
    for (const auto& segment : track.Segments)
        whole += segment->Distances.size();
    for (const auto& segment : track.Segments)
        segment->Distances.clear();

    TrackPlanScene scene;
    scene.GetFrameBudget().SetClock(Stepping());
    int points = -1;
    DrawingReport report;
    EXPECT_TRUE(scene.Paint(&track, 1.0, report, [&] {
        points = ReplayPath::Draw(track, replay, 0, 0, 0, scene.GetFrameBudget());
    }));
    const FrameBudget& frame = scene.GetFrameBudget();
    EXPECT_TRUE(frame.IsSpent());
    EXPECT_EQ(frame.GetSpentOn(), FrameBudget::Seconds);
    EXPECT_EQ(points, 0);
    std::size_t asked = 0;
    for (const auto& segment : track.Segments)
        asked += segment->Distances.size();
    EXPECT_GT(asked, 0u);
    EXPECT_LT(asked, whole / 10);
    EXPECT_EQ(report.GetNotices(), std::vector<std::string>{Cut});

    // The next paint replays the list: a few readings of the clock, the path drawn from its start
    // until its share of the deadline is gone.
    DrawingReport next;
    EXPECT_TRUE(scene.Paint(&track, 1.0, next, [&] {
        points = ReplayPath::Draw(track, replay, 0, 0, 0, scene.GetFrameBudget());
    }));
    EXPECT_GT(points, 0);
    EXPECT_LT(points, 10);
    EXPECT_EQ(next.GetNotices(), std::vector<std::string>{Cut});
    EXPECT_EQ(glGetError(), GLenum(GL_NO_ERROR));
    scene.ReleaseGL();
}

// The tracks of the cost fuzz harness's findings (tests/data/cost-fuzz/ptf): segments of up to
// 100 km, segments naming up to 10,000 sections. Each first paint of the track window keeps to
// its frame and says at most once that it was cut; the time bound only catches a paint that
// does not end.
TEST(TrackPlanFrame, EveryCostFindingOfATrackIsPaintedWithinItsFrame)
{
    GLContext context(200, 150);
    VELMO_REQUIRE_GL(context);
    int tracks = 0;
    for (const auto& entry :
         std::filesystem::directory_iterator(std::string(VELMO_TEST_SOURCE_DIR) + "/data/cost-fuzz/ptf"))
    {
        const std::string what = entry.path().filename().string();
        ++tracks;
        CountedPointer<Velmo::Papy::Track> track;
        try
        {
            track = VelmoTest::LoadPtfTrack(entry.path().string());
        }
        catch (const Velmo::Util::Exception& e)
        {
            ADD_FAILURE() << what << ": " << e.GetText();
            continue;
        }
        TrackPlanScene scene;
        DrawingReport report;
        const double seconds = PaintWithinReason(scene, track.Get(), report, what);
        ExpectWithinLimits(scene.GetFrameBudget());
        EXPECT_TRUE(report.GetMessages().empty()) << what << ": " << report.GetMessages().front();
        EXPECT_LE(std::count(report.GetNotices().begin(), report.GetNotices().end(), Cut), 1) << what;
        EXPECT_TRUE(scene.IsCompiled()) << what;
        EXPECT_EQ(glGetError(), GLenum(GL_NO_ERROR)) << what;
        std::printf("%s: %.3f s\n", what.c_str(), seconds);
        scene.ReleaseGL();
    }
    EXPECT_GE(tracks, 2);
}
