// The track plan, its camera and the replay path, drawn into an offscreen context and read
// back: the colours come from the plan's tables, the tracks and replays from the independent
// generators (trk.py, race.py through trkviews.py) or, for what no sane file holds, from memory.
#include <gtest/gtest.h>

#include <GL/gl.h>

#include <algorithm>
#include <array>
#include <chrono>
#include <cmath>
#include <functional>
#include <limits>
#include <vector>

#include "GLContext.h"
#include "Papy/Race/N3RplFile.h"
#include "Util/Exception.h"
#include "Vantrel/Drawing/DrawingReport.h"
#include "Vantrel/Drawing/ReplayPath.h"
#include "Vantrel/Drawing/TrackPlan.h"
#include "Vantrel/Drawing/TrackPlanScene.h"
#include "Vantrel/Rows/TrkFakes.h"
#include "Vantrel/Rows/TrkViewsSamples.h"

using namespace VelmoTest;

namespace
{
typedef std::array<int, 3> Rgb;

constexpr Rgb White = {255, 255, 255};
constexpr Rgb Asphalt = {153, 153, 153};   // 0.6
constexpr Rgb Grass = {51, 204, 51};       // (0.2, 0.8, 0.2)
constexpr Rgb Armco = {102, 102, 102};     // 0.4
constexpr Rgb HayBales = {230, 230, 128};  // (0.9, 0.9, 0.5)
constexpr Rgb Red = {255, 0, 0};

// Pixels within 2 of the colour in every channel.
int Count(const GLContext& context, const Rgb& colour)
{
    const std::vector<std::uint8_t> pixels = context.Pixels();
    int count = 0;
    for (std::size_t i = 0; i + 2 < pixels.size(); i += 3)
        if (std::abs(pixels[i] - colour[0]) <= 2 && std::abs(pixels[i + 1] - colour[1]) <= 2 &&
            std::abs(pixels[i + 2] - colour[2]) <= 2)
            ++count;
    return count;
}

// One paint as the track pane makes it: the view set up before the paint when there is a
// track, then the plan and, with a track, the overlay over it. A failure leaves the paint, as
// it leaves the pane's (whose catch reports it and shows the background).
void PaneDraws(TrackPlanScene& scene, const Velmo::Papy::Track* track, double aspect,
               const std::function<void()>& overlay = {})
{
    if (track != nullptr)
        scene.SetUpView(track, aspect);
    scene.DrawPlan(track);
    if (track != nullptr && overlay)
        overlay();
}

// The first lap of driver d with frames.
bool FirstLapWithFrames(const Velmo::Papy::RpyFile& replay, int d, int& table, int& lap)
{
    for (table = 0; table < replay.GetLapTableCount(); ++table)
        for (lap = 0; lap < replay.GetLapCount(table, d); ++lap)
        {
            int first, end;
            if (ReplayPath::GetFrames(replay, d, table, lap, first, end))
                return true;
        }
    return false;
}
} // namespace

TEST(TrackPlan, GeneratedTrackShowsItsSurfacesAndNarrowWallsOnly)
{
    GLContext context(256, 256);
    VELMO_REQUIRE_GL(context);
    auto track = LoadTrack(TrkViewsPath("plan.trk"));
    TrackPlanScene scene;
    scene.SetUpView(track.Get(), 1.0);
    scene.DrawPlan(track.Get());
    EXPECT_EQ(glGetError(), GLenum(GL_NO_ERROR));
    EXPECT_GT(Count(context, Asphalt), 100);
    EXPECT_GT(Count(context, Grass), 100);
    // The Armco wall of 1.016 m is drawn; the hay-bale wall of 4.003 m, a type used nowhere
    // else, leaves no pixel of its colour.
    EXPECT_GT(Count(context, Armco), 10);
    EXPECT_EQ(Count(context, HayBales), 0);
    // The generated track has no red.
    EXPECT_EQ(Count(context, Red), 0);
    EXPECT_GT(Count(context, White), 100);
    // The camera takes in the whole plan: the border is background.
    for (int i = 0; i < 256; i += 15)
        for (const auto& p : {context.Pixel(i, 0), context.Pixel(i, 255), context.Pixel(0, i), context.Pixel(255, i)})
            EXPECT_EQ(p, (std::array<std::uint8_t, 3>{255, 255, 255}));
}

TEST(TrackPlan, SelectedLapAddsItsRedPath)
{
    GLContext context(256, 256);
    VELMO_REQUIRE_GL(context);
    auto track = LoadTrack(TrkViewsPath("plan.trk"));
    auto replay = LoadReplay(TrkViewsPath("gpl.rpy"));
    int table = 0, lap = 0;
    ASSERT_TRUE(FirstLapWithFrames(*replay, 0, table, lap));
    TrackPlanScene scene;
    int points = 0;
    ASSERT_NO_THROW(PaneDraws(scene, track.Get(), 1.0, [&] { points = ReplayPath::Draw(*track, *replay, 0, table, lap); }));
    EXPECT_GT(points, 1);
    EXPECT_GT(Count(context, Red), 20);
    // The plan is replayed from its list under the path.
    EXPECT_TRUE(scene.IsCompiled());
    EXPECT_GT(Count(context, Asphalt), 100);
}

TEST(TrackPlan, PathDrawsEveryFrameOfTheLap)
{
    GLContext context(64, 64);
    VELMO_REQUIRE_GL(context);
    // The N3 generator's driver 0 laps every 15 frames from frame 0 over 45 frames; its table
    // keeps each lap's last frame.
    auto replay = LoadReplay(TrkViewsPath("n3.rpl"));
    FakeTrack track;
    track.Add(1000);
    for (int g = 0; g < 3; ++g)
    {
        int first, end;
        ASSERT_TRUE(ReplayPath::GetFrames(*replay, 0, 0, g, first, end)) << g;
        EXPECT_EQ(first, 15 * g);
        EXPECT_EQ(end, 15 * g + 15);
        EXPECT_EQ(ReplayPath::Draw(track, *replay, 0, 0, g), 15) << g;
    }
    // A GPL lap: every recorded frame of [first, end).
    auto gpl = LoadReplay(TrkViewsPath("gpl.rpy"));
    int table = 0, lap = 0, first = 0, end = 0;
    ASSERT_TRUE(FirstLapWithFrames(*gpl, 0, table, lap));
    ASSERT_TRUE(ReplayPath::GetFrames(*gpl, 0, table, lap, first, end));
    int recorded = 0;
    for (int f = first; f < end; ++f)
        recorded += gpl->IsSampleValid(0, f) ? 1 : 0;
    EXPECT_EQ(ReplayPath::Draw(track, *gpl, 0, table, lap), recorded);
    EXPECT_EQ(glGetError(), GLenum(GL_NO_ERROR));
}

// A track 50 m up: the camera's far plane lies a few metres below it, so the path is drawn at
// the track's height, over the plan.
TEST(TrackPlan, PathOverARaisedTrackShows)
{
    GLContext context(128, 128);
    VELMO_REQUIRE_GL(context);
    FakeTrack track;
    track.Altitude = 50;
    FakeSegment& straight = track.Add(100);
    straight.Altitude = 50;
    straight.Surfaces = 1;
    FakeReplay replay;
    TrackPlanScene scene;
    int points = 0;
    ASSERT_NO_THROW(PaneDraws(scene, &track, 1.0, [&] { points = ReplayPath::Draw(track, replay, 0, 0, 0); }));
    EXPECT_EQ(points, 100);
    EXPECT_GT(Count(context, Red), 50);
}

TEST(TrackPlan, PathOutsideTheReplayDrawsNothing)
{
    GLContext context(64, 64);
    VELMO_REQUIRE_GL(context);
    FakeTrack track;
    track.Add(1000);
    const struct
    {
        int first, end, frames;
        int d, i, g;
        int points;
    } cases[] = {
        {0, 100, 100, 0, 0, 0, 100},
        {10, 101, 100, 0, 0, 0, 0},   // past the last frame
        {-1, 5, 100, 0, 0, 0, 0},     // no frames
        {50, 50, 100, 0, 0, 0, 0},
        {60, 40, 100, 0, 0, 0, 0},
        {0, 10, 100, 1, 0, 0, 0},     // no such driver
        {0, 10, 100, -1, 0, 0, 0},
        {0, 10, 100, 0, 1, 0, 0},     // no such table
        {0, 10, 100, 0, 0, 1, 0},     // no such lap
        {0, 10, 100, 0, 0, -1, 0},
    };
    for (const auto& c : cases)
    {
        FakeReplay replay;
        replay.First = c.first;
        replay.End = c.end;
        replay.Frames = c.frames;
        EXPECT_EQ(ReplayPath::Draw(track, replay, c.d, c.i, c.g), c.points) << c.first << " " << c.end;
    }
    EXPECT_EQ(glGetError(), GLenum(GL_NO_ERROR));
}

TEST(TrackPlan, PiecesAlongASegment)
{
    // A segment of length 7 at step 3: pieces 0-3, 3-6, 6-7, each edge asked at the ends only.
    FakeTrack track;
    FakeSegment& segment = track.Add(7);
    segment.Surfaces = 1;
    TrackPlanBounds bounds;
    TrackPlan::Measure(track, -1, 3, bounds);
    std::vector<double> distances = segment.Distances;
    std::sort(distances.begin(), distances.end());
    distances.erase(std::unique(distances.begin(), distances.end()), distances.end());
    EXPECT_EQ(distances, (std::vector<double>{0, 3, 6, 7}));
    EXPECT_EQ(bounds.MinX, 0);
    EXPECT_EQ(bounds.MaxX, 7);

    const double inf = std::numeric_limits<double>::infinity();
    const struct
    {
        double length, step;
        int pieces;
    } cases[] = {
        {2, 3, 1}, {3, 3, 1}, {3.0001, 3, 2}, {6, 3, 2}, {7, 3, 3}, {250, 100, 3},
        {0, 3, 0}, {-5, 3, 0}, {std::nan(""), 3, 0}, {inf, 3, 0}, {-inf, 3, 0},
        {1e300, 3, TrackPlan::MaxPieces}, {3.0 * TrackPlan::MaxPieces, 3, TrackPlan::MaxPieces},
        {3.0 * TrackPlan::MaxPieces + 1, 3, TrackPlan::MaxPieces}, {7, 0, 0}, {7, std::nan(""), 0},
    };
    for (const auto& c : cases)
        EXPECT_EQ(TrackPlan::PieceCount(c.length, c.step), c.pieces) << c.length << " " << c.step;
}

TEST(TrackPlan, NonFiniteAndHugeLengthsDrawNothingOrCappedPieces)
{
    GLContext context(64, 64);
    VELMO_REQUIRE_GL(context);
    const double inf = std::numeric_limits<double>::infinity();
    FakeTrack track;
    for (double length : {std::nan(""), inf, -inf, -1.0, 0.0})
        track.Add(length).Surfaces = 2;
    FakeSegment& huge = track.Add(1e300);
    huge.Surfaces = 1;
    const auto start = std::chrono::steady_clock::now();
    TrackPlanScene scene;
    EXPECT_NO_THROW(PaneDraws(scene, &track, 1.0));
    EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(20));
    // Only the huge segment asked for points: both edges at its capped piece ends, in the
    // bounds walk and in the drawing.
    for (std::size_t s = 0; s + 1 < track.Segments.size(); ++s)
        EXPECT_TRUE(track.Segments[s]->Distances.empty()) << s;
    EXPECT_EQ(huge.Distances.size(), std::size_t(2 * 2 * (TrackPlan::MaxPieces + 1)));

    // A track of non-finite segments only clears.
    FakeTrack broken;
    broken.Add(std::nan("")).Surfaces = 3;
    broken.Add(inf).Walls = 3;
    TrackPlanScene brokenScene;
    EXPECT_NO_THROW(PaneDraws(brokenScene, &broken, 1.0));
    EXPECT_EQ(Count(context, White), 64 * 64);
    EXPECT_EQ(glGetError(), GLenum(GL_NO_ERROR));
}

TEST(TrackPlan, WallsWiderThanThreeMetresAreLeftOut)
{
    GLContext context(64, 64);
    VELMO_REQUIRE_GL(context);
    const struct
    {
        double width;
        bool drawn;
    } cases[] = {{0, true}, {-1, true}, {1, true}, {3, true}, {3.001, false}, {4, false}};
    for (const auto& c : cases)
    {
        FakeTrack track;
        FakeSegment& segment = track.Add(20);
        // A wide grass band gives the camera room; the wall lies in its middle.
        segment.Floors.emplace_back(new FakeFSection(-10, 10, 3));
        segment.WallList.emplace_back(new FakeWSection(0, c.width, 6)); // hay bales
        TrackPlanScene scene;
        scene.SetUpView(&track, 1.0);
        scene.DrawPlan(&track);
        EXPECT_EQ(Count(context, HayBales) > 0, c.drawn) << c.width;
        EXPECT_GT(Count(context, Grass), 0);
        scene.ReleaseGL();
    }
    EXPECT_EQ(glGetError(), GLenum(GL_NO_ERROR));
}

TEST(TrackPlan, SurfacesOfPassOneLieOverTheRest)
{
    GLContext context(64, 64);
    VELMO_REQUIRE_GL(context);
    // Asphalt first, grass over it in the file; asphalt still shows, with the grip modifier
    // darkening it by 10 percent.
    FakeTrack track;
    FakeSegment& segment = track.Add(20);
    segment.Floors.emplace_back(new FakeFSection(-10, 10, 0, 10));
    segment.Floors.emplace_back(new FakeFSection(-10, 10, 3));
    TrackPlanScene scene;
    scene.SetUpView(&track, 1.0);
    scene.DrawPlan(&track);
    EXPECT_EQ(Count(context, Grass), 0);
    EXPECT_GT(Count(context, Rgb{138, 138, 138}), 100); // 0.6 x 0.9
}

TEST(TrackPlan, SelectedSegmentMovesOnlyTheCamera)
{
    GLContext context(64, 64);
    VELMO_REQUIRE_GL(context);
    // Ten segments of 10 m in a row along x.
    FakeTrack track;
    for (int s = 0; s < 10; ++s)
        track.Add(10, 10.0 * s).Surfaces = 1;
    TrackPlanScene scene;
    scene.SetUpView(&track, 1.0);
    const TrackPlanBounds whole = scene.GetBounds();
    EXPECT_EQ(whole.MinX, 0);
    EXPECT_EQ(whole.MaxX, 100);
    ASSERT_TRUE(scene.HasSavedBounds());

    // Code 0x00060000 is segment 5: the camera fits it.
    scene.Select(0x00060000);
    EXPECT_EQ(scene.GetSelectedSegment(), 5);
    scene.SetUpView(&track, 1.0);
    EXPECT_EQ(scene.GetBounds().MinX, 50);
    EXPECT_EQ(scene.GetBounds().MaxX, 60);
    EXPECT_EQ(scene.GetCamera().GetCentreX(), 55);
    // The plan is still the whole track, compiled once.
    scene.DrawPlan(&track);
    EXPECT_TRUE(scene.IsCompiled());
    EXPECT_GT(Count(context, Asphalt), 0);

    // Code 0 keeps the selection; -1 returns to the saved bounds without walking the track.
    scene.Select(0);
    EXPECT_EQ(scene.GetSelectedSegment(), 5);
    scene.Select(-1);
    const int calls = track.SegmentCalls;
    scene.SetUpView(&track, 1.0);
    scene.DrawPlan(&track);
    EXPECT_EQ(track.SegmentCalls, calls);
    EXPECT_EQ(scene.GetBounds(), whole);
    EXPECT_EQ(scene.GetCamera().GetCentreX(), 50);

    // A segment the track lacks shows the whole track.
    scene.Select(0x7FFF0000);
    scene.SetUpView(&track, 1.0);
    EXPECT_EQ(scene.GetBounds(), whole);
    EXPECT_EQ(glGetError(), GLenum(GL_NO_ERROR));
}

TEST(TrackPlan, EmptyTrackOnlyClears)
{
    GLContext context(32, 32);
    VELMO_REQUIRE_GL(context);
    glClearColor(0, 0, 0, 1);
    glClear(GL_COLOR_BUFFER_BIT);
    FakeTrack track;
    track.Add(10);
    track.Count = 0;
    TrackPlanScene scene;
    EXPECT_NO_THROW(PaneDraws(scene, &track, 1.0));
    EXPECT_FALSE(scene.IsCompiled());
    EXPECT_EQ(Count(context, White), 32 * 32);
    EXPECT_EQ(scene.GetCamera().GetDistance(), 1);
    // No track at all: the same.
    glClearColor(0, 0, 0, 1);
    glClear(GL_COLOR_BUFFER_BIT);
    EXPECT_NO_THROW(PaneDraws(scene, nullptr, 1.0));
    EXPECT_EQ(Count(context, White), 32 * 32);
    EXPECT_EQ(glGetError(), GLenum(GL_NO_ERROR));
}

TEST(TrackPlan, FailureWhileCompilingIsReportedOnceAndCompiledAgain)
{
    GLContext context(32, 32);
    VELMO_REQUIRE_GL(context);
    // The drawing asks for the F-section, which this track refuses.
    class Refusing : public FakeSegment
    {
    public:
        Refusing() : FakeSegment(10) {}
        CountedPointer<Velmo::Papy::TrackFSection> GetFSection(int) const override
        {
            if (Refuse)
                throw Velmo::Util::XAssertion("surface", "Track.cpp", 1);
            return CountedPointer<Velmo::Papy::TrackFSection>(new FakeFSection(-1, 1, 0));
        }
        int GetFSectionCount() const override { return 1; }
        bool Refuse = true;
    };
    FakeTrack track;
    auto* refusing = new Refusing;
    track.Segments.emplace_back(refusing);
    TrackPlanScene scene;
    for (int paint = 0; paint < 2; ++paint)
    {
        try
        {
            PaneDraws(scene, &track, 1.0);
            ADD_FAILURE() << "the refused surface went unnoticed";
        }
        catch (const Velmo::Util::XAssertion& e)
        {
            EXPECT_NE(e.GetText().find("surface"), std::string::npos) << e.GetText();
        }
        EXPECT_FALSE(scene.IsCompiled());
        EXPECT_EQ(glGetError(), GLenum(GL_NO_ERROR));
    }
    // Once the track answers, the next paint compiles the plan.
    refusing->Refuse = false;
    EXPECT_NO_THROW(PaneDraws(scene, &track, 1.0));
    EXPECT_TRUE(scene.IsCompiled());
    EXPECT_GT(Count(context, Asphalt), 0);
}

TEST(TrackPlan, CameraOfBoundsWithoutExtent)
{
    const struct
    {
        TrackPlanBounds bounds;
        double aspect;
        double centreX, distance, eye;
    } cases[] = {
        {TrackPlanBounds{}, 1, 0, 1, 1},                         // empty
        {TrackPlanBounds{5, 5, 7, 7, 2, 2}, 1, 5, 1, 3},         // one point
        {TrackPlanBounds{0, 36, 0, 0, 0, 0}, 2, 18, 10, 10},     // a line along x
        {TrackPlanBounds{0, 36, 0, 0, 0, 0}, 0, 18, 20, 20},     // no height: aspect 1
        {TrackPlanBounds{0, 36, 0, 0, 0, 0}, std::nan(""), 18, 20, 20},
    };
    for (const auto& c : cases)
    {
        TrackPlanCamera camera;
        camera.Fit(c.bounds, c.aspect);
        EXPECT_DOUBLE_EQ(camera.GetCentreX(), c.centreX);
        EXPECT_DOUBLE_EQ(camera.GetDistance(), c.distance);
        EXPECT_DOUBLE_EQ(camera.GetEyeHeight(), c.eye);
        EXPECT_GT(camera.GetDepthSpan(), 0);
    }
}
