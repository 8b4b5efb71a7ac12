// The track tree and list rows over tracks made by the independent generator (GPL and ICR2 TRK
// files from trk.py, a PTF track from n4archive.py): texts and codes come from the generators'
// values and the panes' formats; and the limits of the hint codes over tracks in memory.
#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

#include "GeneratedTreeRows.h"
#include "TrkFakes.h"
#include "TrkViewsSamples.h"
#include "Util/Exception.h"
#include "Vantrel/Rows/TrkHint.h"
#include "Vantrel/Rows/TrkListRows.h"
#include "Vantrel/Text/CodePage1252.h"
#include "Vantrel/Rows/TrkTreeRows.h"

using namespace VelmoTest;
using Velmo::Papy::Track;

namespace
{
std::vector<TrkRow> Rows(const Track& track, int hint)
{
    std::vector<TrkRow> rows;
    TrkListRows::Add(track, hint, rows);
    // The pane shows code page 1252 texts as UTF-8.
    for (TrkRow& row : rows)
        row.Value = CodePage1252::ToUtf8(row.Value);
    return rows;
}

std::vector<std::string> Fields(const std::vector<TrkRow>& rows)
{
    std::vector<std::string> fields;
    for (const TrkRow& row : rows)
        fields.push_back(row.Field);
    return fields;
}
} // namespace

class TrkRowsSamples : public testing::TestWithParam<std::string>
{
};

// Every item of the tree and every row of every item, as the generator works them out.
TEST_P(TrkRowsSamples, TreeAndRowsAsTheGeneratorHasThem)
{
    const std::string path = TrkViewsPath(GetParam());
    auto track = LoadTrack(path);

    TrkTreeItem root;
    TrkTreeRows::Build(track.Get(), root);
    CheckTreeAndRows(
        root, path, [&](int hint) { return TrkListRows::Changes(track.Get(), hint); },
        [&](int hint) { return Rows(*track, hint); });
}

INSTANTIATE_TEST_SUITE_P(Generated, TrkRowsSamples,
                         testing::Values("gpl-corners.trk", "icr2-corners.trk", "gpl-minimal.trk", "icr2-minimal.trk",
                                         "plan.trk", "ring-300.trk"),
                         SampleTestName);

TEST(TrkRows, RootStraightAndCornerRowCounts)
{
    auto track = LoadTrack(TrkViewsPath("gpl-corners.trk"));
    // The generated stadium: a straight, then a corner.
    const auto root = Rows(*track, -1);
    EXPECT_EQ(Fields(root), (std::vector<std::string>{"Length (3d)", "Length (2d)", "Segments"}));
    EXPECT_EQ(root[2].Value, "12");
    const auto straight = Rows(*track, TrkHint::Segment(0));
    ASSERT_EQ(straight.size(), 11u);
    EXPECT_EQ(straight[0], (TrkRow{"Type", "Straight"}));
    const auto corner = Rows(*track, TrkHint::Segment(1));
    ASSERT_EQ(corner.size(), 15u);
    EXPECT_EQ(corner[0], (TrkRow{"Type", "Corner"}));
    EXPECT_EQ(Fields(corner).back(), "CentreY");
    // A left quarter turn of the generator: half turn -2^29 angle units.
    EXPECT_EQ(corner[12], (TrkRow{"Curvature", "-90.000000\xC2\xB0"}));
}

TEST(TrkRows, CodeOfSegmentFiveListsSegmentFive)
{
    auto track = LoadTrack(TrkViewsPath("gpl-corners.trk"));
    EXPECT_EQ(TrkHint::Segment(5), 0x00060000);
    EXPECT_EQ(TrkHint::SegmentOf(0x00060000), 5);
    TrkTreeItem root;
    TrkTreeRows::Build(track.Get(), root);
    EXPECT_EQ(root.Children[5].Text, "Segment 5");
    EXPECT_EQ(root.Children[5].Hint, 0x00060000);
    std::map<int, std::vector<TrkRow>> expected;
    for (const ExpectedLine& line : ReadExpected(TrkViewsPath("gpl-corners.trk.rows"), false))
        expected[line.Hint].push_back({line.First, line.Second});
    EXPECT_EQ(Rows(*track, 0x00060000), expected[0x00060000]);
    // Bits 16-30 name the segment: segment 2000 of a long track.
    EXPECT_EQ(TrkHint::SegmentOf(TrkHint::Segment(2000)), 2000);
}

// Segments numbered 256 and up (their codes pass the low byte of bits 16-30): the items, their
// parts and their rows are their own, as the generator has them for its ring of 300 corners.
TEST(TrkRows, SegmentsFrom256OnListTheirOwnRows)
{
    const std::string path = TrkViewsPath("ring-300.trk");
    auto track = LoadTrack(path);
    TrkTreeItem root;
    TrkTreeRows::Build(track.Get(), root);
    ASSERT_EQ(root.Children.size(), 300u);
    std::map<int, std::vector<TrkRow>> expected;
    for (const ExpectedLine& line : ReadExpected(path + ".rows", false))
        expected[line.Hint].push_back({line.First, line.Second});
    for (int s : {255, 256, 257, 299})
    {
        SCOPED_TRACE(s);
        const TrkTreeItem& item = root.Children[std::size_t(s)];
        EXPECT_EQ(item.Text, "Segment " + std::to_string(s));
        EXPECT_EQ(item.Hint, (s + 1) << 16);
        const auto rows = Rows(*track, item.Hint);
        EXPECT_EQ(rows, expected[(s + 1) << 16]);
        ASSERT_EQ(rows.size(), 15u);
        ASSERT_FALSE(item.Children.empty());
        const TrkTreeItem& trace = item.Children.front();
        EXPECT_EQ(trace.Text, "Trace 0");
        EXPECT_EQ(trace.Hint, ((s + 1) << 16) | 0x101);
        EXPECT_EQ(Rows(*track, trace.Hint), expected[trace.Hint]);
    }
}

TEST(TrkRows, PtfTrackOfTheN4Generator)
{
    // Two segments of type 1 from (0, 0) heading 0 to (10, 10) heading pi/2: a quarter circle of
    // radius 10 about (0, 10); one floor node (no strip), two walls and one cross section each.
    auto track = LoadPtfTrack(N4SamplePath("variants.ptf"));
    TrkTreeItem root;
    TrkTreeRows::Build(track.Get(), root);
    ASSERT_EQ(root.Children.size(), 2u);
    std::vector<std::string> texts;
    for (const TrkTreeItem& item : root.Children[1].Children)
        texts.push_back(item.Text + " " + std::to_string(item.Hint));
    EXPECT_EQ(texts, (std::vector<std::string>{"Trace 0 131329", "Wall 0 131841", "Wall 1 131842"}));

    const auto rows = Rows(*track, TrkHint::Segment(0));
    const std::vector<TrkRow> expected = {
        {"Type", "Corner"},
        {"Length (3d)", "15.707963"},
        {"Length (2d)", "15.707963"},
        {"Start (3d)", "0.000000"},
        {"Start (2d)", "0.000000"},
        {"Start Orientation", "0.000000\xC2\xB0"},
        {"End Orientation", "90.000000\xC2\xB0"},
        {"Centreline Start X", "0.000000"},
        {"Centreline Start Y", "0.000000"},
        {"Centreline End X", "10.000000"},
        {"Centreline End Y", "10.000000"},
        {"Radius", "10.000000"},
        {"Curvature", "90.000000\xC2\xB0"},
        {"CentreX", "0.000000"},
        {"CentreY", "10.000000"},
    };
    EXPECT_EQ(rows, expected);
    EXPECT_EQ(Rows(*track, TrkHint::Segment(1))[3], (TrkRow{"Start (3d)", "15.707963"}));
}

TEST(TrkRows, HintsThatLeaveTheListOrNameNothing)
{
    auto track = LoadTrack(TrkViewsPath("gpl-minimal.trk"));
    // 0 from another pane, or no track: the list stays as it is.
    EXPECT_FALSE(TrkListRows::Changes(track.Get(), 0));
    EXPECT_FALSE(TrkListRows::Changes(nullptr, -1));
    // Codes no tree of this track makes: emptied list, no failure.
    const int names_nothing[] = {
        TrkHint::Segment(2),                       // two segments only
        TrkHint::Segment(32766),
        TrkHint::Part(0, TrkPart::Trace, 1),       // one lateral
        TrkHint::Segment(0) | 0x100,               // trace index 0 means none
        TrkHint::Part(0, TrkPart::Wall, 0),        // no walls
        TrkHint::Segment(0) | 0x400 | 1,           // no such kind
        0x00000100,                                // no segment
        int(0x80000000u),
    };
    for (int hint : names_nothing)
    {
        EXPECT_TRUE(TrkListRows::Changes(track.Get(), hint));
        EXPECT_TRUE(Rows(*track, hint).empty()) << std::hex << hint;
    }
    TrkTreeItem root;
    TrkTreeRows::Build(nullptr, root);
    EXPECT_EQ(root.Text, "root");
    EXPECT_EQ(root.Hint, -1);
    EXPECT_TRUE(root.Children.empty());
}

TEST(TrkRows, CornerAsksForItsArcOnce)
{
    FakeTrack track;
    FakeSegment& corner = track.Add(10);
    corner.Corner = true;
    const auto rows = Rows(track, TrkHint::Segment(0));
    EXPECT_EQ(rows.size(), 15u);
    EXPECT_EQ(corner.ArcCalls, 1);
    FakeSegment& straight = track.Add(10);
    EXPECT_EQ(Rows(track, TrkHint::Segment(1)).size(), 11u);
    EXPECT_EQ(straight.ArcCalls, 0);
}

TEST(TrkRows, CodesStopAtTheirLimits)
{
    // Past 32767 segments or 255 parts of a kind a code would name another item: the tree stops
    // there, and the last code it makes still decodes to its own item.
    const struct
    {
        int segments, parts;
        std::size_t items, children;
    } cases[] = {
        {32767, 1, 32767, 3},
        {40000, 1, 32767, 3},
        {2, 255, 2, 3 * 255},
        {2, 300, 2, 3 * 255},
        {2, 254, 2, 3 * 254},
        {0, 0, 0, 0},
    };
    for (const auto& c : cases)
    {
        FakeTrack track;
        FakeSegment& segment = track.Add(1);
        segment.Traces = segment.Surfaces = segment.Walls = c.parts;
        track.Count = c.segments;
        TrkTreeItem root;
        TrkTreeRows::Build(&track, root);
        // A tree cut short ends with a row that says so (TreeCutShortSaysSo).
        ASSERT_EQ(root.Children.size(), c.items + (c.segments > 32767 ? 1 : 0));
        if (c.items == 0)
            continue;
        const TrkTreeItem& last = root.Children[c.items - 1];
        EXPECT_EQ(TrkHint::SegmentOf(last.Hint), int(c.items) - 1);
        ASSERT_EQ(last.Children.size(), c.children);
        const TrkTreeItem& wall = last.Children.back();
        EXPECT_EQ(wall.Text, "Wall " + std::to_string(c.children / 3 - 1));
        EXPECT_EQ(TrkHint::SegmentOf(wall.Hint), int(c.items) - 1);
        EXPECT_EQ(TrkHint::KindOf(wall.Hint), int(TrkPart::Wall));
        EXPECT_EQ(TrkHint::PartOf(wall.Hint), int(c.children / 3) - 1);
        // Every code is unique.
        std::map<int, int> seen;
        for (const TrkTreeItem& item : last.Children)
            EXPECT_EQ(seen[item.Hint]++, 0) << item.Text;
    }
    EXPECT_EQ(TrkHint::Segment(32766), 0x7FFF0000);
}

namespace
{
// Fails from segment 1 on.
class FailingTrack : public FakeTrack
{
public:
    Velmo::Util::CountedPointer<Velmo::Papy::TrackSegment> GetSegment(int i) const override
    {
        VELMO_ASSERT(i < 1);
        return FakeTrack::GetSegment(i);
    }
};
} // namespace

// A track of more segments than codes can name: the tree lists the first 32,767 (Segment 0 to
// Segment 32766) and says so in a last row that names nothing; a track that fits has no such
// row.
TEST(TrkRows, TreeCutShortSaysSo)
{
    const struct
    {
        int segments;
        std::string last;
        std::size_t rows;
    } cases[] = {
        {1, "Segment 0", 1},
        {32766, "Segment 32765", 32766},
        {32767, "Segment 32766", 32767},
        {32768, "The first 32,767 segments are listed.", 32768},
        {1000000, "The first 32,767 segments are listed.", 32768},
    };
    for (const auto& c : cases)
    {
        FakeTrack track;
        track.Add(1).Traces = 2;
        track.Count = c.segments;
        TrkTreeItem root;
        TrkTreeRows::Build(&track, root);
        ASSERT_EQ(root.Children.size(), c.rows) << c.segments;
        const TrkTreeItem& last = root.Children.back();
        EXPECT_EQ(last.Text, c.last) << c.segments;
        if (c.rows == std::size_t(c.segments))
            continue;
        // The row names nothing: selecting it leaves the list and the plan as they are.
        EXPECT_EQ(last.Hint, 0);
        EXPECT_TRUE(last.Children.empty());
        EXPECT_FALSE(TrkListRows::Changes(&track, last.Hint));
        // The segments before it are all there, the last one with its parts.
        const TrkTreeItem& segment = root.Children[c.rows - 2];
        EXPECT_EQ(segment.Text, "Segment 32766");
        EXPECT_EQ(TrkHint::SegmentOf(segment.Hint), 32766);
        EXPECT_EQ(segment.Children.size(), 2u);
        // The root still tells how many segments the track has.
        EXPECT_EQ(Rows(track, TrkHint::Whole).back(), (TrkRow{"Segments", std::to_string(c.segments)}));
    }
}

TEST(TrkRows, WhatTheTrackThrowsKeepsTheItemsBefore)
{
    FailingTrack track;
    track.Add(1).Traces = 1;
    track.Count = 3;
    TrkTreeItem root;
    EXPECT_THROW(TrkTreeRows::Build(&track, root), Velmo::Util::XAssertion);
    ASSERT_EQ(root.Children.size(), 1u);
    EXPECT_EQ(root.Children[0].Children.size(), 1u);
}
