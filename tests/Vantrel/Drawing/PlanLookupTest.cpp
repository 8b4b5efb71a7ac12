// The points of the plan and of the 3D pane's track sections, asked through a segment's look-up:
// the same doubles as the segment's own position, and section reads that grow with the points,
// not with the points times the sections.
#include <gtest/gtest.h>

#include <GL/gl.h>

#include <cmath>
#include <cstring>
#include <string>
#include <vector>

#include "BrokenSamples.h"
#include "DrawingSamples.h"
#include "GLContext.h"
#include "Papy/Model/ThreeDObjectFSection.h"
#include "Papy/Model/ThreeDObjectTrack.h"
#include "Papy/Model/ThreeDObjectTrackSegment.h"
#include "Papy/Model/ThreeDObjectWSection.h"
#include "Papy/Model/TrackSegmentLookup.h"
#include "Vantrel/Drawing/ThreeDObject3DPtfVisitor.h"
#include "Vantrel/Drawing/ThreeDObject3DVisitor.h"
#include "Vantrel/Drawing/ThreeDObjectGetBoundsVisitor.h"

using namespace Velmo;
using namespace Velmo::Papy;
using Util::CountedPointer;

namespace
{
// The segments of every track below a node, in order.
class Segments : public ThreeDObjectVisitor
{
public:
    bool EnterTrack(ThreeDObjectTrack& node) override
    {
        for (int i = 0; i < node.GetSegmentCount(); ++i)
            List.push_back(node.GetSegment(i));
        return false;
    }
    std::vector<CountedPointer<ThreeDObjectTrackSegment>> List;
};

std::vector<CountedPointer<ThreeDObjectTrackSegment>> SegmentsOf(const CountedPointer<TdoFile>& file)
{
    Segments segments;
    DrawingTest::Samples::Root(file)->Accept(segments);
    return segments.List;
}

// A segment that answers as the real one does and counts the cross and floor sections asked of it.
class CountingSegment : public ThreeDObjectTrackSegment
{
public:
    explicit CountingSegment(CountedPointer<ThreeDObjectTrackSegment> real) : m_real(std::move(real)) {}
    int GetId() const override { return m_real->GetId(); }
    U64 GetFileOffset() const override { return m_real->GetFileOffset(); }
    std::string GetType() const override { return m_real->GetType(); }
    void Write(Util::BinaryStream& stream, U32 offset) override { m_real->Write(stream, offset); }
    bool IsCorner() const override { return m_real->IsCorner(); }
    double GetStartX() const override { return m_real->GetStartX(); }
    double GetStartY() const override { return m_real->GetStartY(); }
    double GetEndX() const override { return m_real->GetEndX(); }
    double GetEndY() const override { return m_real->GetEndY(); }
    double GetStartHeading() const override { return m_real->GetStartHeading(); }
    double GetEndHeading() const override { return m_real->GetEndHeading(); }
    int GetXSectionCount() const override { return m_real->GetXSectionCount(); }
    CountedPointer<ThreeDObjectXSection> GetXSection(int i) const override
    {
        ++Reads;
        return m_real->GetXSection(i);
    }
    int GetFSectionCount() const override { return m_real->GetFSectionCount(); }
    CountedPointer<ThreeDObjectFSection> GetFSection(int i) const override
    {
        ++Reads;
        return m_real->GetFSection(i);
    }
    int GetWSectionCount() const override { return m_real->GetWSectionCount(); }
    CountedPointer<ThreeDObjectWSection> GetWSection(int i) const override { return m_real->GetWSection(i); }
    int GetBumpMapEntryCount() const override { return m_real->GetBumpMapEntryCount(); }
    double GetBumpMapStartLatitude(int i) const override { return m_real->GetBumpMapStartLatitude(i); }
    double GetBumpMapEndLatitude(int i) const override { return m_real->GetBumpMapEndLatitude(i); }
    int GetBumpMapIndex(int i) const override { return m_real->GetBumpMapIndex(i); }
    double GetBumpMapStartScale(int i) const override { return m_real->GetBumpMapStartScale(i); }
    double GetBumpMapEndScale(int i) const override { return m_real->GetBumpMapEndScale(i); }

    mutable long long Reads = 0;

private:
    CountedPointer<ThreeDObjectTrackSegment> m_real;
};

// The one segment of drawing_samples.py repeat-ptf, behind a counter; the file holds its nodes.
CountedPointer<CountingSegment> RepeatedSegment(int sections, int cross, VelmoTest::Bytes& bytes,
                                                CountedPointer<TdoFile>& file)
{
    file = DrawingTest::GeneratedPtf("repeat-ptf", "1 " + std::to_string(sections) + " " + std::to_string(cross), bytes);
    const auto segments = SegmentsOf(file);
    EXPECT_EQ(segments.size(), 1u);
    return CountedPointer<CountingSegment>(new CountingSegment(segments.at(0)));
}

bool Same(double a, double b)
{
    return std::memcmp(&a, &b, sizeof a) == 0 || (std::isnan(a) && std::isnan(b));
}

// Every point the plan and the 3D pane ask of the segment (the centre line, each floor and wall
// edge and each cross section's latitude, at the plan's fractions and at the wall's ends), and a
// little to either side, answered by the look-up as by the segment itself.
void ExpectSameAsTheSegment(const ThreeDObjectTrackSegment& segment, const std::string& name)
{
    const TrackSegmentLookup lookup(segment);
    struct Edge
    {
        double start, end;
        bool straight;
    };
    std::vector<Edge> edges{{0, 0, false}};
    for (int i = 0; i < segment.GetFSectionCount(); ++i)
    {
        const auto floor = segment.GetFSection(i);
        edges.push_back({floor->GetStartLatitude(), floor->GetEndLatitude(), floor->IsForcedStraight()});
    }
    for (int i = 0; i < segment.GetWSectionCount(); ++i)
    {
        const auto wall = segment.GetWSection(i);
        edges.push_back({wall->GetStartLatitude(), wall->GetEndLatitude(), wall->IsForcedStraight()});
        edges.push_back({wall->GetStartLatitude() - wall->GetStartHalfWidth(),
                         wall->GetEndLatitude() - wall->GetEndHalfWidth(), false});
        edges.push_back({wall->GetStartLatitude() + wall->GetStartHalfWidth(),
                         wall->GetEndLatitude() + wall->GetEndHalfWidth(), false});
    }
    for (int i = 0; i < segment.GetXSectionCount(); ++i)
    {
        const auto cross = segment.GetXSection(i);
        edges.push_back({cross->GetStartLatitude(), cross->GetEndLatitude(), false});
    }
    const int n = std::min(ThreeDObject3DPtfVisitor::GetPieceCount(segment.GetLength()), 50);
    int compared = 0;
    for (int k = 0; k <= n; ++k)
    {
        const double u = k == n ? 1.0 : double(k) / double(n);
        for (const Edge& edge : edges)
            for (double side : {0.0, -0.25, 0.25})
                for (bool straight : {edge.straight, !edge.straight})
                {
                    const double latitude = (1 - u) * edge.start + u * edge.end + side;
                    const TrackPosition old = segment.GetPosition(u, latitude, straight);
                    const TrackPosition now = lookup.GetPosition(u, latitude, straight);
                    const Vertex point = lookup.GetPoint(u, latitude, straight);
                    double x = 0, y = 0;
                    lookup.GetPlanPoint(u, latitude, straight, x, y);
                    const bool same = Same(now.X, old.X) && Same(now.Y, old.Y) && Same(now.Z, old.Z) &&
                                      Same(now.Heading, old.Heading) && Same(now.Pitch, old.Pitch) &&
                                      Same(now.Bank, old.Bank) && Same(now.Floor, old.Floor) &&
                                      Same(point.GetX(), old.X) && Same(point.GetY(), old.Y) &&
                                      Same(point.GetZ(), old.Z) && Same(x, old.X) && Same(y, old.Y);
                    ++compared;
                    if (!same)
                    {
                        ADD_FAILURE() << name << ": f " << u << ", latitude " << latitude << ", straight " << straight;
                        return;
                    }
                }
    }
    EXPECT_GT(compared, 0) << name;
}
} // namespace

TEST(PlanLookup, EveryPointOfTheGeneratedTracksIsTheSegmentsOwn)
{
    using DrawingTest::Samples;
    VelmoTest::Bytes large, repeated;
    const struct
    {
        std::string name;
        CountedPointer<TdoFile> file;
    } tracks[] = {
        {"plan", Samples::Get().Ptf("plan")},
        {"length299", Samples::Get().Ptf("length299")},
        {"probe-wall0", Samples::Get().Ptf("probe-wall0")},
        {"probe-wall1", Samples::Get().Ptf("probe-wall1")},
        // Straights and corners round a circle, 10 floors and 4 walls each.
        {"large", DrawingTest::GeneratedPtf("large-ptf", "40 30", large)},
        // One floor and one cross section named several times: equal latitudes throughout.
        {"repeated", DrawingTest::GeneratedPtf("repeat-ptf", "2 5 4", repeated)},
    };
    for (const auto& track : tracks)
    {
        const auto segments = SegmentsOf(track.file);
        ASSERT_FALSE(segments.empty()) << track.name;
        for (std::size_t s = 0; s < segments.size(); ++s)
            ExpectSameAsTheSegment(*segments[s], track.name + " segment " + std::to_string(s));
    }
}

// Each plan point used to walk every cross and floor section of its segment: a segment naming one
// floor section 300 times read about 300 sections a point, 1.8 million for a segment of 12 units.
TEST(PlanLookup, SectionReadsGrowWithThePointsNotWithPointsTimesSections)
{
    const int sections = 300;
    VelmoTest::Bytes bytes;
    CountedPointer<TdoFile> file;
    const auto segment = RepeatedSegment(sections, 1, bytes, file);
    const long long pieces = ThreeDObject3DPtfVisitor::GetPieceCount(segment->GetLength());
    ASSERT_EQ(pieces, 5);

    // Track 3D: the plan's bounds walk, then its drawing.
    {
        ThreeDObject3DPtfVisitor plan;
        plan.Measure(CountedPointer<ThreeDObject>(segment));
        ASSERT_EQ(plan.GetStep(), ThreeDObject3DPtfVisitor::Step);
        // Two vertices a piece for the centre line, four for each band.
        const long long points = pieces * (2 + 4 * (sections - 1));
        EXPECT_LT(segment->Reads, points) << "reads per plan point: " << double(segment->Reads) / double(points);
    }
    // 3D: the bounds walk asks two points of every floor section.
    {
        segment->Reads = 0;
        ThreeDObjectGetBoundsVisitor bounds{DrawingTest::Samples::Get().Factory("n4"), DrawOptions()};
        segment->Accept(bounds);
        const long long points = 2 * sections;
        EXPECT_LE(segment->Reads, 2 * points) << "reads per point: " << double(segment->Reads) / double(points);
    }
    // 3D: the drawing asks four corners of every band.
    {
        GLContext context(32, 32);
        VELMO_REQUIRE_GL(context);
        segment->Reads = 0;
        ThreeDObject3DVisitor drawing{DrawingTest::Samples::Get().Factory("n4")};
        Draw(DrawOptions(), drawing, CountedPointer<ThreeDObject>(segment), nullptr);
        const long long points = 4 * (sections - 1);
        EXPECT_LE(segment->Reads, 2 * points) << "reads per point: " << double(segment->Reads) / double(points);
        EXPECT_EQ(glGetError(), GLenum(GL_NO_ERROR));
    }
}

// The points between cross sections: the same segment with its one cross section named 300 times
// as well (the sections' latitudes all equal) reads each section once for the whole plan.
TEST(PlanLookup, ManyCrossSectionsAreReadOncePerSegment)
{
    const int sections = 300;
    VelmoTest::Bytes bytes;
    CountedPointer<TdoFile> file;
    const auto segment = RepeatedSegment(sections, sections, bytes, file);
    ThreeDObjectGetBoundsVisitor bounds{DrawingTest::Samples::Get().Factory("n4"), DrawOptions()};
    segment->Accept(bounds);
    // The sections walked, and each read once by the segment's look-up.
    EXPECT_LE(segment->Reads, 5 * sections);
    ExpectSameAsTheSegment(*segment, "300 cross sections");
}
