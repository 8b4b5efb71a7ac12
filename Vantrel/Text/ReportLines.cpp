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
    std::size_t lines = 0;
    for (std::size_t at = text.find('\n'); at != std::string::npos && at + 1 < text.size();
         at = text.find('\n', at + 1))
        if (++lines >= MaxLines)
            return true;
    return false;
}

std::string Shorten(const std::string& text)
{
    if (!IsLong(text))
        return text;
    const std::vector<std::string> lines = Split(text);
    std::string shown;
    for (std::size_t i = 0; i < MaxLines; ++i)
        shown += Cut(lines[i]) + "\n";
    return shown + "... and " + std::to_string(lines.size() - MaxLines) + " more";
}
} // namespace ReportLines
