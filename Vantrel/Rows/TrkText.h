#pragma once
// The value texts of the track and replay panes, in code page 1252 as the game files' names are
// (the panes show them through CodePage1252::ToUtf8). Numbers are written as the classic locale
// writes them (a point before the decimals, no digit grouping), whatever the process locale.
#include <string>

class TrkText
{
public:
    // The degree sign of code page 1252.
    static constexpr char DegreeSign = '\xB0';
    // The longest line a pane shows whole; longer ones end in "..." at this length.
    static constexpr std::size_t MaxLine = 79;

    // Fixed notation with 6 decimals: 1.5 reads "1.500000".
    static std::string Fixed(double value);
    // Radians in degrees, fixed with 6 decimals, then the degree sign (byte 0xB0).
    static std::string Angle(double radians);
    // Decimal.
    static std::string Integer(long long value);
    // A lap time: whole minutes, "m ", the remaining seconds with 3 decimals, "s" (83.4567
    // reads "1m 23.457s", 59.9996 reads "0m 60.000s"). Empty for a negative or non-finite time,
    // which is what an open lap gives.
    static std::string LapTime(double seconds);
    // The text itself when it has at most MaxLine characters, else its first characters and
    // "..." in MaxLine characters (a character of UTF-8 text is never split).
    static std::string CutLine(const std::string& text);
};
