#include "Vantrel/Text/ReportLines.h"

namespace ReportLines
{
namespace
{
// The line cut to MaxLineLength bytes, never inside a UTF-8 sequence.
std::string Cut(const std::string& line)
{
    if (line.size() <= MaxLineLength)
        return line;
    std::size_t end = MaxLineLength;
    while (end > 0 && (static_cast<unsigned char>(line[end]) & 0xC0) == 0x80)
        --end;
    return line.substr(0, end) + "...";
}

bool IsBlank(const std::string& line)
{
    return line.find_first_not_of(" \t\r") == std::string::npos;
}

// The first and last line of a problem.
struct Problem
{
    std::size_t First, Last;
};

// The paragraphs when a blank line stands between two lines that are not blank; else the lines.
std::vector<Problem> Problems(const std::vector<std::string>& lines)
{
    bool setApart = false;
    bool text = false, blankAfterText = false;
    for (const std::string& line : lines)
    {
        if (IsBlank(line))
            blankAfterText = text;
        else if (blankAfterText)
        {
            setApart = true;
            break;
        }
        else
            text = true;
    }
    std::vector<Problem> problems;
    for (std::size_t i = 0; i < lines.size(); ++i)
    {
        if (!setApart)
            problems.push_back(Problem{i, i});
        else if (!IsBlank(lines[i]))
        {
            if (i > 0 && !IsBlank(lines[i - 1]))
                problems.back().Last = i;
            else
                problems.push_back(Problem{i, i});
        }
    }
    return problems;
}
} // namespace

std::vector<std::string> Split(const std::string& text)
{
    std::vector<std::string> lines;
    std::size_t start = 0;
    while (start < text.size())
    {
        std::size_t end = text.find('\n', start);
        if (end == std::string::npos)
            end = text.size();
        lines.push_back(text.substr(start, end - start));
        start = end + 1;
    }
    return lines;
}

bool IsLong(const std::string& text)
{
    std::size_t lines = 0, start = 0;
    for (std::size_t at = text.find('\n'); at != std::string::npos; at = text.find('\n', start))
    {
        if (at - start > MaxPlainLineLength || (at + 1 < text.size() && ++lines >= MaxLines))
            return true;
        start = at + 1;
    }
    return text.size() - start > MaxPlainLineLength;
}

std::string Shorten(const std::string& text)
{
    if (!IsLong(text))
        return text;
    const std::vector<std::string> lines = Split(text);
    const std::vector<Problem> problems = Problems(lines);
    std::size_t shownProblems = 0, shownLines = 0;
    while (shownProblems < problems.size() && problems[shownProblems].Last < MaxLines)
        shownLines = problems[shownProblems++].Last + 1;
    if (shownProblems == 0)
    {
        // The first problem alone is longer than the box: its first lines are what it shows.
        shownLines = MaxLines;
        shownProblems = !problems.empty() && problems.front().First < MaxLines ? 1 : 0;
    }
    std::string shown;
    for (std::size_t i = 0; i < shownLines; ++i)
        shown += Cut(lines[i]) + "\n";
    if (shownProblems == problems.size())
        return shown.substr(0, shown.size() - 1);
    return shown + "... and " + std::to_string(problems.size() - shownProblems) + " more";
}
} // namespace ReportLines
