#include <gtest/gtest.h>

#include "Vantrel/Drawing/DrawOptions.h"

TEST(DrawOptions, ClassesBeyondTheSetsReadTheDefaultWithoutGrowing)
{
    DrawOptions options;
    EXPECT_TRUE(options.GetDraw(4000000000u));
    options.SetDraw(3, false);
    EXPECT_FALSE(options.GetDraw(3));
    EXPECT_TRUE(options.GetDraw(2));
    EXPECT_TRUE(options.GetDraw(4));
    options.SetAllDraw(false);
    EXPECT_FALSE(options.GetDraw(2));
    EXPECT_FALSE(options.GetDraw(99));
    options.SetDraw(99, true);
    EXPECT_TRUE(options.GetDraw(99));
    EXPECT_FALSE(options.GetDraw(50));
    // The texture set is apart from the draw set.
    EXPECT_TRUE(options.GetTexture(3));
    options.SetAllTexture(false);
    EXPECT_FALSE(options.GetTexture(3));
    options.SetTexture(3, true);
    EXPECT_TRUE(options.GetTexture(3));
    EXPECT_FALSE(options.GetTexture(4));
}

#include "Vantrel/Drawing/DrawingReport.h"

TEST(DrawingReport, KeepsEachTextOnceInTheOrderFirstMet)
{
    DrawingReport report;
    EXPECT_TRUE(report.HasNoProblems());
    EXPECT_TRUE(report.Add("b"));
    EXPECT_TRUE(report.Add("a"));
    EXPECT_FALSE(report.Add("b"));
    EXPECT_EQ(report.GetMessages(), (std::vector<std::string>{"b", "a"}));
    report.Clear();
    EXPECT_TRUE(report.HasNoProblems());
}

// Notices are not problems: a report of notices only has none, and Clear forgets both.
TEST(DrawingReport, NoticesAreNotProblems)
{
    DrawingReport report;
    EXPECT_TRUE(report.AddNotice("Drawn in part"));
    EXPECT_TRUE(report.HasNoProblems());
    EXPECT_TRUE(report.HasNotices());
    EXPECT_EQ(report.GetText(), "");
    report.Clear();
    EXPECT_FALSE(report.HasNotices());
}

// Problems of one line stay one a line; once one has lines of its own, a blank line sets each
// apart from the next, whatever their order, so that none runs into the paragraph of another.
TEST(DrawingReport, JoinSetsErrorsOfSeveralLinesApart)
{
    const std::string missing = "Couldn't open a.mip\nFile not found\n";
    const std::string unread = "Couldn't read from b.mip\n";
    const struct
    {
        std::vector<std::string> texts;
        std::string joined;
    } cases[] = {
        {{}, ""},
        {{"a"}, "a"},
        {{missing}, missing},
        {{"a", "b", "c"}, "a\nb\nc"},
        {{"a", "b\n"}, "a\nb\n"},
        {{missing, missing}, missing + "\n" + missing},
        {{missing, "a", "b"}, missing + "\na\n\nb"},
        {{"a", "b", missing}, "a\n\nb\n\n" + missing},
        {{"a", "b\nc"}, "a\n\nb\nc"},
        // A text of one line that ends with a line feed is a paragraph of its own too.
        {{unread, "a"}, unread + "\na"},
        {{"", "a", "", "b"}, "a\nb"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(DrawingReport::Join(c.texts), c.joined) << testing::PrintToString(c.texts);
    DrawingReport report;
    report.Add("Node 3 has a vertex index beyond its 4 vertices: it is not drawn");
    report.Add(missing);
    EXPECT_EQ(report.GetText(), "Node 3 has a vertex index beyond its 4 vertices: it is not drawn\n\n" + missing);
}
