#include "Vantrel/View/HexLine.h"

#include <algorithm>
#include <cstdio>

using Velmo::U64;
using Velmo::U8;

namespace
{
constexpr char Digits[] = "0123456789ABCDEF";
constexpr std::size_t BytesPerLine = 16;
}

std::string FormatHexLine(U64 offset, const U8* bytes, std::size_t count)
{
    if (count > BytesPerLine)
        count = BytesPerLine;
    char head[24];
    int headLength = std::snprintf(head, sizeof head, "%08llX", static_cast<unsigned long long>(offset));
    std::string line(head, std::size_t(headLength));
    const std::size_t fields = line.size() + 2;
    const std::size_t characters = fields + 3 * BytesPerLine + 1;
    line.resize(characters + BytesPerLine, ' ');
    for (std::size_t k = 0; k < count; ++k)
    {
        const U8 byte = bytes[k];
        line[fields + 3 * k] = Digits[byte >> 4];
        line[fields + 3 * k + 1] = Digits[byte & 15];
        // Printable ASCII only, tested on the unsigned value.
        line[characters + k] = byte >= 0x20 && byte <= 0x7E ? char(byte) : '.';
    }
    return line;
}

std::vector<std::string> FormatHexLines(U64 offset, const U8* bytes, std::size_t count)
{
    std::vector<std::string> lines;
    lines.reserve((count + BytesPerLine - 1) / BytesPerLine);
    for (std::size_t done = 0; done < count; done += BytesPerLine)
        lines.push_back(FormatHexLine(offset + done, bytes + done, std::min(BytesPerLine, count - done)));
    return lines;
}
