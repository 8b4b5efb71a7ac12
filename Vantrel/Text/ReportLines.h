#pragma once
// A report of many lines as a message box shows it: the box holds at most MaxLines of its lines,
// each cut to MaxLineLength bytes, then "... and N more" for the lines left out; the whole text
// stays behind the box's Details for the user to read or copy. A report of no more than MaxLines
// lines is shown as it is, in a plain message box.
#include <cstddef>
#include <string>
#include <vector>

namespace ReportLines
{
constexpr std::size_t MaxLines = 20;
constexpr std::size_t MaxLineLength = 150;

// The lines of a text, split at each "\n"; a last "\n" ends the last line. An empty text has no
// lines.
std::vector<std::string> Split(const std::string& text);
// Whether the text has more lines than a box shows.
bool IsLong(const std::string& text);
// What the box shows of a UTF-8 text: the first MaxLines lines, each longer one cut (at a
// character) and ended with "...", then "... and N more"; a text that is not long, as it is.
std::string Shorten(const std::string& text);
} // namespace ReportLines
