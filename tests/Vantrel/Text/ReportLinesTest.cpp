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

TEST(ReportLines, SplitsAtEachNewline)
{
    EXPECT_EQ(ReportLines::Split(""), std::vector<std::string>{});
    EXPECT_EQ(ReportLines::Split("a"), std::vector<std::string>{"a"});
    EXPECT_EQ(ReportLines::Split("a\n"), std::vector<std::string>{"a"});
    EXPECT_EQ(ReportLines::Split("a\n\nb"), (std::vector<std::string>{"a", "", "b"}));
    EXPECT_EQ(ReportLines::Split("\n"), std::vector<std::string>{""});
}
