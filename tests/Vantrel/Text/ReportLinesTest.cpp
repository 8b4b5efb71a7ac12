// What a message box shows of a report of many lines.
#include <gtest/gtest.h>

#include <string>

#include "Vantrel/Text/ReportLines.h"

namespace
{
// "Node 1 is missing\n" .. "Node n is missing" (with a last "\n" when asked).
std::string Report(int lines, bool lastNewline = false)
{
    std::string text;
    for (int i = 1; i <= lines; ++i)
        text += "Node " + std::to_string(i) + " is missing" + (i < lines || lastNewline ? "\n" : "");
    return text;
}
} // namespace

TEST(ReportLines, AtMostTwentyLinesThenHowManyMore)
{
    const std::string first20 = Report(20, true);
    const struct
    {
        std::string text;
        bool isLong;
        std::string shown;
    } cases[] = {
        {"", false, ""},
        {"One line", false, "One line"},
        {Report(20), false, Report(20)},
        {Report(20, true), false, Report(20, true)},
        {Report(21), true, first20 + "... and 1 more"},
        {Report(21, true), true, first20 + "... and 1 more"},
        {Report(200), true, first20 + "... and 180 more"},
        // Empty lines are lines.
        {std::string(20, '\n'), false, std::string(20, '\n')},
        {std::string(21, '\n'), true, std::string(20, '\n') + "... and 1 more"},
        {std::string(22, '\n'), true, std::string(20, '\n') + "... and 2 more"},
    };
    for (const auto& c : cases)
    {
        EXPECT_EQ(ReportLines::IsLong(c.text), c.isLong) << c.text;
        EXPECT_EQ(ReportLines::Shorten(c.text), c.shown) << c.text;
    }
}

namespace
{
// n errors of the given lines each, as the panes put their problems together: each ends with a
// line feed and the next follows on a line of its own, so that a blank line sets them apart.
std::string Errors(int n, int lines = 2, int from = 1)
{
    std::string text;
    for (int i = from; i < from + n; ++i)
    {
        text += i > from ? "\n" : "";
        text += "Couldn't open tex" + std::to_string(i) + ".mip\n";
        for (int j = 1; j < lines; ++j)
            text += "Reason " + std::to_string(j) + "\n";
    }
    return text;
}

// The first n errors as the box shows them: whole, without the last line feed.
std::string FirstErrors(int n, int lines = 2)
{
    const std::string text = Errors(n, lines);
    return text.substr(0, text.size() - 1);
}
} // namespace

// "... and N more" counts the problems left out, not their lines nor the blank lines between
// them; the box shows whole problems where they fit.
TEST(ReportLines, MoreCountsProblems)
{
    const std::string oneLong = Errors(1, 25);
    const struct
    {
        const char* what;
        std::string text;
        std::string shown;
    } cases[] = {
        // Two lines and a blank one each: the first 20 lines hold 7 whole errors.
        {"25 errors", Errors(25), FirstErrors(7) + "\n... and 18 more"},
        {"500 errors", Errors(500), FirstErrors(7) + "\n... and 493 more"},
        // Three lines each: 5 fit, the 20th line is the blank one after the fifth.
        {"errors of three lines", Errors(6, 3), FirstErrors(5, 3) + "\n... and 1 more"},
        // Four lines: 4 fit (19 lines); the fifth would end past the box.
        {"errors of four lines", Errors(30, 4), FirstErrors(4, 4) + "\n... and 26 more"},
        // A first error longer than the box: its first 20 lines, then the errors after it.
        {"a first error of 25 lines", oneLong + "\n" + Errors(3, 2, 2),
         oneLong.substr(0, oneLong.find("Reason 20\n")) + "... and 3 more"},
        // A long one-line problem before errors of two lines, set apart as they are.
        {"one-line problems among errors", "Node 4 has a coordinate that is not a finite number\n\n" + Errors(12),
         "Node 4 has a coordinate that is not a finite number\n\n" + FirstErrors(6) + "\n... and 6 more"},
        // Blank lines after the last problem only: nothing more to tell of.
        {"blank lines at the end", Errors(3) + std::string(20, '\n'), FirstErrors(3)},
        // Blank lines before the first problem are lines of the box like any other; a problem
        // begun in the box is shown.
        {"blank lines first", std::string(19, '\n') + Errors(2),
         std::string(19, '\n') + "Couldn't open tex1.mip\n... and 1 more"},
        // No blank line between problems: each line is one.
        {"lines", Report(25), Report(20, true) + "... and 5 more"},
        {"lines and blank lines after them", Report(5, true) + std::string(20, '\n'),
         Report(5, true) + std::string(15, '\n') + "... and 5 more"},
    };
    for (const auto& c : cases)
    {
        EXPECT_TRUE(ReportLines::IsLong(c.text)) << c.what;
        EXPECT_EQ(ReportLines::Shorten(c.text), c.shown) << c.what;
    }
}

// A long line of a long report is cut at 150 bytes, never inside a character; a short report
// keeps its long lines (the plain box wraps them).
TEST(ReportLines, LongLinesOfALongReportAreCutAtACharacter)
{
    const std::string tail = Report(20);
    const std::string ascii(200, 'a');
    // "é" is two bytes: 149 bytes of "a" then "é" would be cut in the middle of it.
    const std::string accented = std::string(149, 'a') + "\xC3\xA9" + "bbb";
    const struct
    {
        std::string line;
        std::string cut;
    } cases[] = {
        {std::string(150, 'a'), std::string(150, 'a')},
        {ascii, std::string(150, 'a') + "..."},
        {accented, std::string(149, 'a') + "..."},
        {std::string(148, 'a') + "\xC3\xA9" + "b", std::string(148, 'a') + "\xC3\xA9..."},
    };
    for (const auto& c : cases)
    {
        const std::string shown = ReportLines::Shorten(c.line + "\n" + tail);
        EXPECT_EQ(shown.substr(0, shown.find('\n')), c.cut) << c.line.size();
        EXPECT_EQ(ReportLines::Shorten(c.line + "\n" + Report(3)), c.line + "\n" + Report(3));
    }
}

// A line no plain box is wide enough for makes a report long, however few its lines: its start
// is shown, the whole behind Details.
TEST(ReportLines, ALineTooWideForAPlainBoxMakesTheReportLong)
{
    const std::string path = "Couldn't open /" + std::string(5000, 'x') + ".3do";
    const struct
    {
        std::string text;
        bool isLong;
    } cases[] = {
        {std::string(300, 'a'), false},
        {std::string(301, 'a'), true},
        {std::string(300, 'a') + "\n" + std::string(300, 'b') + "\n", false},
        {"first\n" + std::string(301, 'b'), true},
        {std::string(301, 'a') + "\nlast", true},
        {path + "\nFile name too long\n", true},
    };
    for (const auto& c : cases)
        EXPECT_EQ(ReportLines::IsLong(c.text), c.isLong) << c.text.substr(0, 20) << " (" << c.text.size() << ")";
    EXPECT_EQ(ReportLines::Shorten(path + "\nFile name too long\n"), path.substr(0, 150) + "...\nFile name too long");
}

TEST(ReportLines, SplitsAtEachNewline)
{
    EXPECT_EQ(ReportLines::Split(""), std::vector<std::string>{});
    EXPECT_EQ(ReportLines::Split("a"), std::vector<std::string>{"a"});
    EXPECT_EQ(ReportLines::Split("a\n"), std::vector<std::string>{"a"});
    EXPECT_EQ(ReportLines::Split("a\n\nb"), (std::vector<std::string>{"a", "", "b"}));
    EXPECT_EQ(ReportLines::Split("\n"), std::vector<std::string>{""});
}
