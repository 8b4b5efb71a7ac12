#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <limits>
#include <string>
#include <vector>

#include "Papy/Model/ThreeDObjectTrack.h"
#include "Papy/Model/ThreeDObjectTrackSegment.h"
#include "Papy/Model/ThreeDObjectXSection.h"
#include "Papy/Model/TrackSegmentLookup.h"
#include "Util/Angles.h"
#include "Util/Exception.h"

using namespace Velmo;
using namespace Velmo::Papy;
using Util::CountedPointer;
using Util::pi;

namespace
{
// What every node answers; the geometry never asks for it.
#define FAKE_NODE                                                                                  \
    int GetId() const override { return 1; }                                                       \
    U64 GetFileOffset() const override { return 0; }                                               \
    std::string GetType() const override { return "fake"; }                                        \
    void Write(Util::BinaryStream&, U32) override {}

class FakeXSection : public ThreeDObjectXSection
{
public:
    FAKE_NODE
    FakeXSection(double lat0, double lat1, double alt0, double alt1, double slope0, double slope1)
        : m_lat0(lat0), m_lat1(lat1), m_alt0(alt0), m_alt1(alt1), m_slope0(slope0), m_slope1(slope1)
    {
    }
    double GetStartLatitude() const override { return m_lat0; }
    double GetEndLatitude() const override { return m_lat1; }
    void SetLatitude(double start, double end) override { m_lat0 = start, m_lat1 = end; }
    double GetStartAltitude() const override { return m_alt0; }
    double GetEndAltitude() const override { return m_alt1; }
    double GetStartSlope() const override { return m_slope0; }
    double GetEndSlope() const override { return m_slope1; }
    void SetAltitude(double a0, double a1, double s0, double s1) override
    {
        m_alt0 = a0, m_alt1 = a1, m_slope0 = s0, m_slope1 = s1;
    }

private:
    double m_lat0, m_lat1, m_alt0, m_alt1, m_slope0, m_slope1;
};

class FakeFSection : public ThreeDObjectFSection
{
public:
    FAKE_NODE
    FakeFSection(double lat0, double lat1, SurfaceType surface) : m_lat0(lat0), m_lat1(lat1), m_surface(surface) {}
    double GetStartLatitude() const override { return m_lat0; }
    double GetEndLatitude() const override { return m_lat1; }
    SurfaceType GetSurfaceType() const override { return m_surface; }
    CountedPointer<ThreeDObject> GetAppearance() const override { return {}; }
    CountedPointer<ThreeDObject> GetTextureCoords() const override { return {}; }
    bool IsForcedStraight() const override { return false; }
    int GetGripModifier() const override { return 0; }
    TrackFunction GetTrackFunction() const override { return TrackFunctionRacingSurface; }
    bool HasBaseTexture() const override { return false; }
    bool HasLightMapTexture() const override { return false; }
    bool UsesDefaultTexelParameters(int) const override { return true; }
    bool IsHorizontalTexelFixed(int) const override { return false; }
    double GetHorizontalTexelSize(int) const override { return 0; }
    double GetHorizontalTexelSkew1(int) const override { return 0; }
    double GetHorizontalTexelSkew2(int) const override { return 0; }
    bool IsVerticalTexelFixed(int) const override { return false; }
    double GetVerticalTexelSize(int) const override { return 0; }
    double GetVerticalTexelSkew(int) const override { return 0; }

private:
    double m_lat0, m_lat1;
    SurfaceType m_surface;
};

// A flat road 20 wide at altitude 0 on asphalt, unless the test gives other sections.
class FakeSegment : public ThreeDObjectTrackSegment
{
public:
    FAKE_NODE
    FakeSegment(bool corner, double x1, double y1, double h1, double x2, double y2, double h2)
        : m_corner(corner), m_x1(x1), m_y1(y1), m_h1(h1), m_x2(x2), m_y2(y2), m_h2(h2)
    {
        AddX(-10, -10, 0, 0, 0, 0);
        AddX(10, 10, 0, 0, 0, 0);
        AddF(100, 100, SurfaceAsphalt);
    }
    FakeSegment& AddX(double lat0, double lat1, double alt0, double alt1, double slope0, double slope1)
    {
        m_x.emplace_back(new FakeXSection(lat0, lat1, alt0, alt1, slope0, slope1));
        return *this;
    }
    FakeSegment& AddF(double lat0, double lat1, SurfaceType surface)
    {
        m_f.emplace_back(new FakeFSection(lat0, lat1, surface));
        return *this;
    }
    // A reference to a node of another kind answers an empty pointer.
    FakeSegment& AddWrongKind()
    {
        m_x.emplace_back();
        m_f.emplace_back();
        return *this;
    }
    FakeSegment& ClearX()
    {
        m_x.clear();
        return *this;
    }
    FakeSegment& ClearF()
    {
        m_f.clear();
        return *this;
    }

    bool IsCorner() const override { return m_corner; }
    double GetStartX() const override { return m_x1; }
    double GetStartY() const override { return m_y1; }
    double GetEndX() const override { return m_x2; }
    double GetEndY() const override { return m_y2; }
    double GetStartHeading() const override { return m_h1; }
    double GetEndHeading() const override { return m_h2; }
    int GetXSectionCount() const override { return int(m_x.size()); }
    CountedPointer<ThreeDObjectXSection> GetXSection(int i) const override { return m_x.at(i); }
    int GetFSectionCount() const override { return int(m_f.size()); }
    CountedPointer<ThreeDObjectFSection> GetFSection(int i) const override { return m_f.at(i); }
    int GetWSectionCount() const override { return 0; }
    CountedPointer<ThreeDObjectWSection> GetWSection(int) const override { return {}; }
    int GetBumpMapEntryCount() const override { return 0; }
    double GetBumpMapStartLatitude(int) const override { return 0; }
    double GetBumpMapEndLatitude(int) const override { return 0; }
    int GetBumpMapIndex(int) const override { return 0; }
    double GetBumpMapStartScale(int) const override { return 0; }
    double GetBumpMapEndScale(int) const override { return 0; }

private:
    bool m_corner;
    double m_x1, m_y1, m_h1, m_x2, m_y2, m_h2;
    std::vector<CountedPointer<ThreeDObjectXSection>> m_x;
    std::vector<CountedPointer<ThreeDObjectFSection>> m_f;
};

class FakeTrack : public ThreeDObjectTrack
{
public:
    FAKE_NODE
    FakeTrack& Add(FakeSegment* segment)
    {
        m_segments.emplace_back(segment);
        return *this;
    }
    int GetSegmentCount() const override { return int(m_segments.size()); }
    CountedPointer<ThreeDObjectTrackSegment> GetSegment(int i) const override { return m_segments.at(i); }
    double GetSkyRotation() const override { return 0; }
    bool IsNightTime() const override { return false; }
    Colour GetAmbientColour() const override { return Colour(); }
    int GetDetailCount() const override { return 0; }
    CountedPointer<ThreeDObject> GetDetail(int) const override { return {}; }
    int GetTracksideObjectCount() const override { return 0; }
    CountedPointer<ThreeDObject> GetTracksideObject(int) const override { return {}; }
    int GetBumpMapCount() const override { return 0; }
    std::string GetBumpMapName(int) const override { return ""; }
    double GetBumpMapSize(int, int) const override { return 0; }
    double GetBumpMapDistance(int, int) const override { return 0; }

private:
    std::vector<CountedPointer<ThreeDObjectTrackSegment>> m_segments;
};

FakeSegment Straight(double x1, double y1, double x2, double y2)
{
    return FakeSegment(false, x1, y1, std::atan2(y2 - y1, x2 - x1), x2, y2, std::atan2(y2 - y1, x2 - x1));
}

template <class F>
void ExpectAssertion(F f, const char* expression, const char* unit)
{
    try
    {
        f();
        ADD_FAILURE() << "no assertion " << expression;
    }
    catch (const Util::XAssertion& e)
    {
        EXPECT_STREQ(e.GetExpression(), expression);
        EXPECT_STREQ(e.GetFile(), unit);
    }
}

const double tolerance = 1e-9;
} // namespace

TEST(TrackGeometry, CrossSectionCurve)
{
    // a0 = 1, a1 = 3, s0 = 0.5, s1 = -1: rise 2, linear 0.5, square 3*2 - 1 + 1 = 6,
    // cube 0.5 - 1 - 4 = -4.5.
    FakeXSection x(-2, 4, 1, 3, 0.5, -1);
    struct Case
    {
        double f, latitude, altitude, slope;
    } cases[] = {
        // f = 0: the start values.
        {0, -2, 1, 0.5},
        // f = 0.25: latitude 4*0.25 - 2*0.75 = -0.5; altitude 1 + 0.125 + 0.375 - 0.0703125;
        // slope 0.5 + 3 - 0.84375.
        {0.25, -0.5, 1.4296875, 2.65625},
        // f = 0.5: 1 + 0.25 + 1.5 - 0.5625; slope 0.5 + 6 - 3.375.
        {0.5, 1, 2.1875, 3.125},
        // f = 1: the end values (1 + 0.5 + 6 - 4.5; 0.5 + 12 - 13.5).
        {1, 4, 3, -1},
    };
    for (const Case& c : cases)
    {
        EXPECT_NEAR(x.GetLatitude(c.f), c.latitude, tolerance) << c.f;
        EXPECT_NEAR(x.GetAltitude(c.f), c.altitude, tolerance) << c.f;
        EXPECT_NEAR(x.GetAltitudeSlope(c.f), c.slope, tolerance) << c.f;
    }
}

TEST(TrackGeometry, ArcAndLength)
{
    struct Case
    {
        const char* name;
        FakeSegment segment;
        double cx, cy, radius, angle, length;
    } cases[] = {
        // Left quarter of radius 10 from (0, 0) heading east to (10, 10) heading north: left
        // normals pi/2 and pi meet at (0, 10); swept +pi/2; length 10 * pi/2.
        {"left quarter", FakeSegment(true, 0, 0, 0, 10, 10, pi / 2), 0, 10, 10, pi / 2, 5 * pi},
        // Right quarter from (0, 0) heading east to (10, -10) heading 3pi/2: normals pi/2 and
        // 2pi lie 1.5 pi apart, so pi/2 moves up to 5pi/2 and the angle is 2pi - 5pi/2.
        {"right quarter", FakeSegment(true, 0, 0, 0, 10, -10, 3 * pi / 2), 0, -10, 10, -pi / 2, 5 * pi},
        // The same turn with the end heading written -pi/2: no wrap needed.
        {"right quarter, negative heading", FakeSegment(true, 0, 0, 0, 10, -10, -pi / 2), 0, -10, 10, -pi / 2,
         5 * pi},
        // Left quarter across the seam: from (0, 0) heading 7pi/4 to (2, 0) heading pi/4 round
        // (1, 1), radius sqrt(2). Normals 9pi/4 and 3pi/4 lie 1.5 pi apart: 3pi/4 moves up to
        // 11pi/4 and the angle is +pi/2; length sqrt(2) pi/2.
        {"left quarter across the seam", FakeSegment(true, 0, 0, 7 * pi / 4, 2, 0, pi / 4), 1, 1, std::sqrt(2.0),
         pi / 2, std::sqrt(2.0) * pi / 2},
        // Straight: plan distance of (3, 4) to (6, 8) is 5.
        {"straight", Straight(3, 4, 6, 8), 0, 0, 0, 0, 5},
    };
    for (Case& c : cases)
    {
        SCOPED_TRACE(c.name);
        EXPECT_NEAR(c.segment.GetLength(), c.length, tolerance);
        if (!c.segment.IsCorner())
            continue;
        double cx, cy, radius, angle;
        c.segment.GetArc(cx, cy, radius, angle);
        EXPECT_NEAR(cx, c.cx, tolerance);
        EXPECT_NEAR(cy, c.cy, tolerance);
        EXPECT_NEAR(radius, c.radius, tolerance);
        EXPECT_NEAR(angle, c.angle, tolerance);
    }
}

TEST(TrackGeometry, ArcFailures)
{
    // Parallel ends: sin(e - h) is exactly 0.
    FakeSegment parallel(true, 0, 0, 0, 10, 5, 0);
    double cx, cy, radius, angle;
    ExpectAssertion([&] { parallel.GetArc(cx, cy, radius, angle); }, "denominator1 != 0.0",
                    ".\\ThreeDObjectTrackSegment.cpp");
    ExpectAssertion([&] { parallel.GetLength(); }, "denominator1 != 0.0", ".\\ThreeDObjectTrackSegment.cpp");
    // Nearly parallel ends far apart: the two ways of computing the centre drift apart in
    // rounding, and the centre check refuses the arc.
    FakeSegment driftX(true, 0, 0, 1, 1000, 2000, 1 + 1e-15);
    ExpectAssertion([&] { driftX.GetArc(cx, cy, radius, angle); }, "fabs(centre_x1 - centre_x2) < 0.001",
                    ".\\ThreeDObjectTrackSegment.cpp");
    FakeSegment driftY(true, 0, 0, 0.3, 100, 3, 0.3 + 1e-15);
    ExpectAssertion([&] { driftY.GetArc(cx, cy, radius, angle); }, "fabs(centre_y1 - centre_y2) < 0.001",
                    ".\\ThreeDObjectTrackSegment.cpp");
}

TEST(TrackGeometry, HeadingInterpolation)
{
    struct Case
    {
        double h1, h2, f, heading;
    } cases[] = {
        {1, 2, 0.25, 1.25},
        // 6.2 and 0.1 lie more than pi apart: 0.1 becomes 0.1 + 2pi, the middle (6.3 + 2pi) / 2
        // exceeds 2pi and comes back to (6.3 - 2pi) / 2 = 0.0084073464...
        {6.2, 0.1, 0.5, (6.3 - 2 * pi) / 2},
        {0.1, 6.2, 0.5, (6.3 - 2 * pi) / 2},
        // A quarter of the way from 6.2 to 0.1 + 2pi stays below 2pi: 6.2 + 0.25 (0.1 + 2pi - 6.2).
        {6.2, 0.1, 0.25, 6.2 + 0.25 * (0.1 + 2 * pi - 6.2)},
        // The ends are taken as given, unwrapped.
        {6.2, 0.1, 0, 6.2},
        {6.2, 0.1, 1, 0.1},
        {-1, 8, 1, 8},
    };
    for (const Case& c : cases)
    {
        FakeSegment segment(false, 0, 0, c.h1, 10, 0, c.h2);
        EXPECT_NEAR(segment.GetPosition(c.f, 0, false).Heading, c.heading, tolerance)
            << c.h1 << " " << c.h2 << " " << c.f;
    }
}

TEST(TrackGeometry, PointInPlan)
{
    const double r2 = std::sqrt(0.5);
    FakeSegment left(true, 0, 0, 0, 10, 10, pi / 2);
    FakeSegment right(true, 0, 0, 0, 10, -10, 3 * pi / 2);
    FakeSegment east = Straight(0, 0, 10, 0);
    struct Case
    {
        const char* name;
        const FakeSegment& segment;
        double f, latitude;
        bool straight;
        double x, y;
    } cases[] = {
        // Straight: the centre line plus the latitude to the left of travel (north when heading east).
        {"straight middle", east, 0.5, 0, false, 5, 0},
        {"straight left", east, 0.3, 2, false, 3, 2},
        {"straight right", east, 1, -4, false, 10, -4},
        // Left quarter round (0, 10): at f = 0.5 the heading is pi/4; the point lies at
        // distance 10 - latitude from the centre in the direction pi/4 - pi/2 = -pi/4.
        {"left start", left, 0, 0, false, 0, 0},
        {"left middle", left, 0.5, 0, false, 10 * r2, 10 - 10 * r2},
        {"left middle, inside", left, 0.5, 2, false, 8 * r2, 10 - 8 * r2},
        {"left end, outside", left, 1, -3, false, 13, 10},
        // Forced straight: the chord between the ends, offset across the interpolated heading
        // pi/4: (5, 5) + 2 (cos 3pi/4, sin 3pi/4).
        {"left middle, chord", left, 0.5, 2, true, 5 - 2 * r2, 5 + 2 * r2},
        // Right quarter round (0, -10): heading at f = 0.5 is 7pi/4; a positive latitude lies
        // away from the centre, at 10 + latitude in the direction 7pi/4 + pi/2.
        {"right middle", right, 0.5, 0, false, 10 * r2, -10 + 10 * r2},
        {"right middle, left of travel", right, 0.5, 2, false, 12 * r2, -10 + 12 * r2},
        {"right end", right, 1, 0, false, 10, -10},
    };
    for (const Case& c : cases)
    {
        SCOPED_TRACE(c.name);
        Vertex p = c.segment.GetPoint(c.f, c.latitude, c.straight);
        EXPECT_NEAR(p.GetX(), c.x, 1e-9);
        EXPECT_NEAR(p.GetY(), c.y, 1e-9);
        EXPECT_EQ(p.GetZ(), 0.0);
    }
}

TEST(TrackGeometry, AltitudePitchAndBankFromCrossSections)
{
    // Sections at latitudes -5, 5 and 15 (the same at both ends) with altitudes 0, 2 and 2.
    FakeSegment flat = Straight(0, 0, 100, 0);
    flat.ClearX().AddX(-5, -5, 0, 0, 0, 0).AddX(5, 5, 2, 2, 0, 0).AddX(15, 15, 2, 2, 0, 0);
    const double bank = std::atan2(2.0, 10.0);
    // Two sections whose altitude rises with f: z = f (slope 1) and z = 3f (slope 3), at
    // latitudes 0 and 10.
    FakeSegment rising = Straight(0, 0, 100, 0);
    rising.ClearX().AddX(0, 0, 0, 1, 1, 1).AddX(10, 10, 0, 3, 3, 3);
    // One section with the cubic of CrossSectionCurve: altitude 2.1875 and slope 3.125 at f = 0.5.
    FakeSegment single = Straight(0, 0, 100, 0);
    single.ClearX().AddX(-2, 4, 1, 3, 0.5, -1);
    // Latitudes that move with f: -10 to 10 and 0 to 20, altitudes 0 and 4.
    FakeSegment moving = Straight(0, 0, 100, 0);
    moving.ClearX().AddX(-10, 10, 0, 0, 0, 0).AddX(0, 20, 4, 4, 0, 0);
    struct Case
    {
        const char* name;
        const FakeSegment& segment;
        double f, latitude, z, pitch, bank;
    } cases[] = {
        {"right of the first", flat, 0.5, -7, 0, 0, 0},
        {"at the first", flat, 0.5, -5, 0, 0, bank},
        {"between first and second", flat, 0.5, 0, 1, 0, bank},
        {"at the second", flat, 0.5, 5, 2, 0, 0},
        {"at the last", flat, 0.5, 15, 2, 0, 0},
        {"left of the last", flat, 0.5, 40, 2, 0, 0},
        // t = 0.25 between z 0.5 and 1.5; slope 1 + 0.25 (3 - 1) = 1.5; bank atan2(1, 10).
        {"rising", rising, 0.5, 2.5, 0.75, std::atan(1.5), std::atan2(1.0, 10.0)},
        {"single section", single, 0.5, 100, 2.1875, std::atan(3.125), 0},
        // At f = 0.25 the sections stand at -5 and 5: latitude 0 is halfway, z 2.
        {"moving sections", moving, 0.25, 0, 2, 0, std::atan2(4.0, 10.0)},
    };
    for (const Case& c : cases)
    {
        SCOPED_TRACE(c.name);
        TrackPosition p = c.segment.GetPosition(c.f, c.latitude, false);
        EXPECT_NEAR(p.Z, c.z, tolerance);
        EXPECT_NEAR(p.Pitch, c.pitch, tolerance);
        EXPECT_NEAR(p.Bank, c.bank, tolerance);
    }
}

TEST(TrackGeometry, FloorIsTheFirstSectionWhoseBoundaryLiesLeftOfThePoint)
{
    // Boundaries at f = 0.5: -2 (grass), 4 (asphalt), 10 (sand).
    FakeSegment segment = Straight(0, 0, 100, 0);
    segment.ClearF().AddF(-3, -1, SurfaceGrass).AddF(4, 4, SurfaceAsphalt).AddF(10, 10, SurfaceSand);
    struct Case
    {
        double latitude;
        SurfaceType floor;
    } cases[] = {
        {-5, SurfaceGrass}, {-2, SurfaceAsphalt}, {3.9, SurfaceAsphalt}, {4, SurfaceSand}, {9, SurfaceSand},
        // Beyond every boundary: the last section.
        {10, SurfaceSand},  {50, SurfaceSand},
    };
    for (const Case& c : cases)
        EXPECT_EQ(segment.GetPosition(0.5, c.latitude, false).Floor, double(c.floor)) << c.latitude;
}

TEST(TrackGeometry, MissingSectionsAreRefused)
{
    FakeSegment noX = Straight(0, 0, 10, 0);
    noX.ClearX();
    ExpectAssertion([&] { noX.GetPosition(0.5, 0, false); }, "GetXSectionCount() > 0",
                    ".\\ThreeDObjectTrackSegment.cpp");
    FakeSegment noF = Straight(0, 0, 10, 0);
    noF.ClearF();
    ExpectAssertion([&] { noF.GetPoint(0.5, 0, false); }, "GetFSectionCount() > 0",
                    ".\\ThreeDObjectTrackSegment.cpp");
    // The plan geometry needs no sections.
    EXPECT_NEAR(noX.GetLength(), 10, tolerance);

    FakeSegment wrongX = Straight(0, 0, 10, 0);
    wrongX.ClearX().ClearF().AddWrongKind();
    ExpectAssertion([&] { wrongX.GetPosition(0.5, 0, false); }, "xSection != 0", ".\\ThreeDObjectTrackSegment.cpp");
    FakeSegment wrongF = Straight(0, 0, 10, 0);
    wrongF.ClearF().AddWrongKind();
    ExpectAssertion([&] { wrongF.GetPosition(0.5, 0, false); }, "fSection != 0", ".\\ThreeDObjectTrackSegment.cpp");
}

namespace
{
// What a position request gives: the position, or the expression of the assertion it fails.
struct Outcome
{
    TrackPosition position;
    std::string failure;
};

template <class F>
Outcome Ask(F f)
{
    Outcome outcome;
    try
    {
        outcome.position = f();
    }
    catch (const Util::XAssertion& e)
    {
        outcome.failure = e.GetExpression();
    }
    return outcome;
}

bool SameDouble(double a, double b)
{
    return std::memcmp(&a, &b, sizeof a) == 0 || (std::isnan(a) && std::isnan(b));
}

bool Same(const Outcome& a, const Outcome& b)
{
    const TrackPosition &p = a.position, &q = b.position;
    return a.failure == b.failure && SameDouble(p.X, q.X) && SameDouble(p.Y, q.Y) && SameDouble(p.Z, q.Z) &&
           SameDouble(p.Heading, q.Heading) && SameDouble(p.Pitch, q.Pitch) && SameDouble(p.Bank, q.Bank) &&
           SameDouble(p.Floor, q.Floor);
}

TrackPosition PointOnly(const Vertex& v)
{
    TrackPosition p;
    p.X = v.GetX();
    p.Y = v.GetY();
    p.Z = v.GetZ();
    return p;
}
} // namespace

TEST(TrackGeometry, TheSegmentLookupAnswersAsTheSegment)
{
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const double inf = std::numeric_limits<double>::infinity();
    auto ordered = [](FakeSegment s) {
        s.ClearX().AddX(-10, -12, 0, 1, 0, 0).AddX(-3, -2, 1, 2, 1, -1).AddX(0, 1, 2, 2, 0, 0.5).AddX(4, 3, 1, 0, 0, 0);
        s.AddX(10, 12, 3, 1, -1, 1);
        s.ClearF().AddF(-8, -9, SurfaceGrass).AddF(0, 0, SurfaceAsphalt).AddF(5, 6, SurfaceSand).AddF(9, 9, SurfaceDirt);
        return s;
    };
    const FakeSegment corner(true, 0, 0, 0, 50, 50, pi / 2);
    struct Case
    {
        const char* name;
        FakeSegment segment;
    } cases[] = {
        {"ordered straight", ordered(Straight(0, 0, 100, 10))},
        {"ordered corner", ordered(corner)},
        {"single sections", FakeSegment(Straight(0, 0, 10, 0)).ClearX().AddX(-1, 2, 0, 1, 0, 0)},
        // One section named many times: latitudes all equal.
        {"equal latitudes",
         FakeSegment(corner).ClearX().AddX(-5, -5, 0, 1, 0, 0).AddX(-5, -5, 1, 2, 0, 0).AddX(-5, -5, 2, 3, 0, 0).AddX(
             5, 5, 3, 4, 0, 0).AddX(5, 5, 4, 5, 0, 0).ClearF().AddF(2, 2, SurfaceGrass).AddF(2, 2, SurfaceSand)},
        // Disorder the look-up cannot bisect: walked as the segment walks it.
        {"crossing sections",
         FakeSegment(Straight(0, 0, 10, 0)).ClearX().AddX(-5, 5, 0, 1, 0, 0).AddX(5, -5, 1, 2, 0, 0).AddX(0, 0, 3, 3, 0, 0).ClearF().AddF(
             6, -6, SurfaceGrass).AddF(-6, 6, SurfaceSand).AddF(0, 0, SurfaceDirt)},
        {"decreasing sections",
         FakeSegment(Straight(0, 0, 10, 0)).ClearX().AddX(10, 10, 0, 1, 0, 0).AddX(0, 0, 1, 2, 0, 0).AddX(-10, -10, 3, 3, 0, 0).ClearF().AddF(
             10, 10, SurfaceGrass).AddF(-10, -10, SurfaceSand)},
        {"latitudes not a number",
         FakeSegment(Straight(0, 0, 10, 0)).ClearX().AddX(-5, -5, 0, 1, 0, 0).AddX(nan, 0, 1, 2, 0, 0).AddX(5, 5, 3, 3, 0, 0).ClearF().AddF(
             nan, nan, SurfaceGrass).AddF(5, 5, SurfaceSand)},
        {"infinite latitudes",
         FakeSegment(Straight(0, 0, 10, 0)).ClearX().AddX(-inf, -5, 0, 1, 0, 0).AddX(0, 0, 1, 2, 0, 0).AddX(inf, 5, 3, 3, 0, 0).ClearF().AddF(
             -inf, 0, SurfaceGrass).AddF(0, inf, SurfaceSand)},
        // Sections the segment refuses: left to the segment.
        {"no cross sections", FakeSegment(Straight(0, 0, 10, 0)).ClearX()},
        {"no floor sections", FakeSegment(Straight(0, 0, 10, 0)).ClearF()},
        {"a section of another kind", ordered(Straight(0, 0, 10, 0)).AddWrongKind()},
    };
    const double fractions[] = {0, 0.25, 1.0 / 3, 0.5, 0.9, 1, -0.5, 1.5, nan};
    for (const Case& c : cases)
    {
        SCOPED_TRACE(c.name);
        const TrackSegmentLookup lookup(c.segment);
        for (double f : fractions)
        {
            std::vector<double> latitudes{-inf, -20, -10, -5, -2.5, 0, 1e-300, 0.5, 3, 4, 5, 10, 12, 20, inf, nan};
            for (int i = 0; i < c.segment.GetXSectionCount(); ++i)
                if (c.segment.GetXSection(i))
                    latitudes.push_back(c.segment.GetXSection(i)->GetLatitude(f));
            for (int i = 0; i < c.segment.GetFSectionCount(); ++i)
                if (auto floor = c.segment.GetFSection(i))
                    latitudes.push_back((1 - f) * floor->GetStartLatitude() + f * floor->GetEndLatitude());
            for (double latitude : latitudes)
                for (bool straight : {false, true})
                {
                    const Outcome old = Ask([&] { return c.segment.GetPosition(f, latitude, straight); });
                    const Outcome now = Ask([&] { return lookup.GetPosition(f, latitude, straight); });
                    EXPECT_TRUE(Same(now, old)) << "position at f " << f << ", latitude " << latitude << " " << now.failure;
                    const Outcome oldPoint = Ask([&] { return PointOnly(c.segment.GetPoint(f, latitude, straight)); });
                    const Outcome point = Ask([&] { return PointOnly(lookup.GetPoint(f, latitude, straight)); });
                    EXPECT_TRUE(Same(point, oldPoint)) << "point at f " << f << ", latitude " << latitude;
                    const Outcome plan = Ask([&] {
                        TrackPosition p;
                        lookup.GetPlanPoint(f, latitude, straight, p.X, p.Y);
                        return p;
                    });
                    Outcome oldPlan = oldPoint;
                    oldPlan.position.Z = 0;
                    EXPECT_TRUE(Same(plan, oldPlan)) << "plan point at f " << f << ", latitude " << latitude;
                }
        }
    }
}

// A point's x, y and z need no floor: a floor section of another kind is not asked for them.
TEST(TrackGeometry, APointAsksNoFloorSection)
{
    FakeSegment segment = Straight(0, 0, 10, 0);
    segment.ClearF().AddF(-5, -5, SurfaceGrass).AddWrongKind();
    segment.ClearX().AddX(-10, -10, 1, 1, 0, 0);
    ExpectAssertion([&] { segment.GetPosition(0.5, 0, false); }, "fSection != 0", ".\\ThreeDObjectTrackSegment.cpp");
    const Vertex p = segment.GetPoint(0.5, 0, false);
    EXPECT_NEAR(p.GetX(), 5, tolerance);
    EXPECT_NEAR(p.GetZ(), 1, tolerance);
}

TEST(TrackGeometry, FindSegmentAlongTheTrack)
{
    // Three straights of lengths 10, 20 and 30 along the x axis: 60 in all.
    FakeTrack track;
    track.Add(new FakeSegment(Straight(0, 0, 10, 0)))
        .Add(new FakeSegment(Straight(10, 0, 30, 0)))
        .Add(new FakeSegment(Straight(30, 0, 60, 0)));
    struct Case
    {
        double distance;
        int segment;
        double remaining;
    } cases[] = {
        {0, 0, 0},
        {9.5, 0, 9.5},
        // A boundary belongs to the later segment.
        {10, 1, 0},
        {29.999, 1, 19.999},
        {30, 2, 0},
        {59.5, 2, 29.5},
        // One whole lap comes back to the start of segment 0; the first segment is found once more.
        {60, 0, 0},
        {69.5, 0, 9.5},
        // A negative distance is before the first boundary.
        {-1, 0, -1},
    };
    for (const Case& c : cases)
    {
        double remaining = -99;
        EXPECT_EQ(track.FindSegment(c.distance, remaining), c.segment) << c.distance;
        EXPECT_NEAR(remaining, c.remaining, 1e-9) << c.distance;
    }
    double remaining;
    for (double beyond : {70.0, 1e9, std::numeric_limits<double>::infinity(), std::numeric_limits<double>::quiet_NaN()})
        ExpectAssertion([&] { track.FindSegment(beyond, remaining); }, "false", ".\\ThreeDObjectTrack.cpp");

    // Position at 25, latitude 1: segment 1 at 15 of 20, f = 0.75 from (10, 0) to (30, 0): (25, 1).
    TrackPosition p = track.GetPosition(25, 1);
    EXPECT_NEAR(p.X, 25, tolerance);
    EXPECT_NEAR(p.Y, 1, tolerance);
    EXPECT_NEAR(p.Heading, 0, tolerance);
    EXPECT_EQ(p.Floor, double(SurfaceAsphalt));
}

TEST(TrackGeometry, TrackAroundCorners)
{
    // A stadium of two straights of 20 and two half turns made of left quarters of radius 10:
    // lengths 20, 5pi, 5pi, 20, 5pi, 5pi.
    FakeTrack track;
    track.Add(new FakeSegment(Straight(0, 0, 20, 0)))
        .Add(new FakeSegment(true, 20, 0, 0, 30, 10, pi / 2))
        .Add(new FakeSegment(true, 30, 10, pi / 2, 20, 20, pi))
        .Add(new FakeSegment(Straight(20, 20, 0, 20)))
        .Add(new FakeSegment(true, 0, 20, pi, -10, 10, 3 * pi / 2))
        .Add(new FakeSegment(true, -10, 10, 3 * pi / 2, 0, 0, 2 * pi));
    // 20 + 5pi + 2.5pi lies halfway round the second quarter: heading 3pi/4, point at 10 from
    // (20, 10) in the direction pi/4.
    double remaining;
    EXPECT_EQ(track.FindSegment(20 + 7.5 * pi, remaining), 2);
    EXPECT_NEAR(remaining, 2.5 * pi, tolerance);
    TrackPosition p = track.GetPosition(20 + 7.5 * pi, 0);
    EXPECT_NEAR(p.X, 20 + 10 * std::sqrt(0.5), tolerance);
    EXPECT_NEAR(p.Y, 10 + 10 * std::sqrt(0.5), tolerance);
    EXPECT_NEAR(p.Heading, 3 * pi / 4, tolerance);
    // The last quarter ends at heading 2pi; halfway round it the heading is 7pi/4.
    EXPECT_EQ(track.FindSegment(40 + 17.5 * pi, remaining), 5);
    EXPECT_NEAR(track.GetPosition(40 + 17.5 * pi, 0).Heading, 7 * pi / 4, tolerance);
}

TEST(TrackGeometry, MissingSegmentsAreRefused)
{
    FakeTrack track;
    double remaining;
    ExpectAssertion([&] { track.FindSegment(0, remaining); }, "GetSegmentCount() > 0", ".\\ThreeDObjectTrack.cpp");
    ExpectAssertion([&] { track.GetPosition(0, 0); }, "GetSegmentCount() > 0", ".\\ThreeDObjectTrack.cpp");
    track.Add(nullptr);
    ExpectAssertion([&] { track.GetPosition(0, 0); }, "segment != 0", ".\\ThreeDObjectTrack.cpp");
}
