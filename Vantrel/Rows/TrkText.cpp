#include "Vantrel/Rows/TrkText.h"

#include <charconv>
#include <cmath>

#include "Util/Angles.h"

namespace
{
template <class... Args>
void AppendChars(std::string& text, Args... args)
{
    // Room for any fixed double: 309 integer digits, the sign, the point and the decimals.
    char buffer[340];
    auto result = std::to_chars(buffer, buffer + sizeof buffer, args...);
    text.append(buffer, result.ptr);
}
} // namespace

std::string TrkText::Fixed(double value)
{
    std::string text;
    AppendChars(text, value, std::chars_format::fixed, 6);
    return text;
}

std::string TrkText::Angle(double radians)
{
    return Fixed(Velmo::Util::RadiansToDegrees(radians)) + DegreeSign;
}

std::string TrkText::Integer(long long value)
{
    std::string text;
    AppendChars(text, value);
    return text;
}

std::string TrkText::LapTime(double seconds)
{
    if (!std::isfinite(seconds) || seconds < 0)
        return std::string();
    seconds += 0.0; // -0 reads as 0
    const double minutes = std::floor(seconds / 60);
    std::string text;
    AppendChars(text, minutes, std::chars_format::fixed, 0);
    text += "m ";
    AppendChars(text, seconds - 60 * minutes, std::chars_format::fixed, 3);
    text += 's';
    return text;
}

std::string TrkText::CutLine(const std::string& text)
{
    if (text.size() <= MaxLine)
        return text;
    std::size_t keep = MaxLine - 3;
    // Back to the start of a UTF-8 sequence (continuation bytes are 10xxxxxx).
    while (keep > 0 && (static_cast<unsigned char>(text[keep]) & 0xC0) == 0x80)
        --keep;
    return text.substr(0, keep) + "...";
}
