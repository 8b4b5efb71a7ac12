#pragma once
// A report of many lines as a message box shows it: the box holds what of the report fits in
// MaxLines lines, each cut to MaxLineLength bytes, then "... and N more" for the problems left
// out; the whole text stays behind the box's Details for the user to read or copy. A report of
// no more than MaxLines lines, none longer than MaxPlainLineLength bytes, is shown as it is, in
// a plain message box; a longer line (a path of thousands of characters, which no box could be
// wide enough for) makes it a long report.
//
// The problems of a report are its lines, one a line; but where blank lines set apart lines that
// are not blank (a report of errors of several lines each, one after another), its problems are
// the paragraphs between them, and the box shows whole paragraphs where it can.
#include <cstddef>
#include <string>
#include <vector>

namespace ReportLines
{
constexpr std::size_t MaxLines = 20;
constexpr std::size_t MaxLineLength = 150;
constexpr std::size_t MaxPlainLineLength = 300;

// The lines of a text, split at each "\n"; a last "\n" ends the last line. An empty text has no
// lines.
std::vector<std::string> Split(const std::string& text);
// Whether the text has more lines than a box shows, or a line wider than a plain box shows.
bool IsLong(const std::string& text);
// What the box shows of a UTF-8 text that is long: the problems whose lines are all among the
// first MaxLines (the first MaxLines lines when the first problem alone is longer), each line
// longer than MaxLineLength cut (at a character) and ended with "...", then "... and N more"
// for the problems not shown (no such line when none is left out); a text that is not long, as
// it is.
std::string Shorten(const std::string& text);
} // namespace ReportLines
