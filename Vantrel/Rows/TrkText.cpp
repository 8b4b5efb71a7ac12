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

void AppendUtf8(std::string& text, char32_t c)
{
    if (c < 0x80)
        text += char(c);
    else if (c < 0x800)
    {
        text += char(0xC0 | (c >> 6));
        text += char(0x80 | (c & 0x3F));
    }
    else if (c < 0x10000)
    {
        text += char(0xE0 | (c >> 12));
        text += char(0x80 | ((c >> 6) & 0x3F));
        text += char(0x80 | (c & 0x3F));
    }
    else
    {
        text += char(0xF0 | (c >> 18));
        text += char(0x80 | ((c >> 12) & 0x3F));
        text += char(0x80 | ((c >> 6) & 0x3F));
        text += char(0x80 | (c & 0x3F));
    }
}

// Bytes 0x80 to 0x9F of code page 1252; the undefined ones keep their own number.
const char16_t Cp1252High[32] = {0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
                                 0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,
                                 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
                                 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};
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

std::string TrkText::Utf8FromCp1252(const std::string& text)
{
    std::string utf8;
    utf8.reserve(text.size() + text.size() / 8);
    for (char byte : text)
    {
        const auto c = static_cast<unsigned char>(byte);
        if (c < 0x80)
            utf8 += byte;
        else if (c < 0xA0)
            AppendUtf8(utf8, Cp1252High[c - 0x80]);
        else
            AppendUtf8(utf8, c);
    }
    return utf8;
}

std::string TrkText::Utf8FromUtf16(const std::u16string& text)
{
    std::string utf8;
    utf8.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i)
    {
        const char16_t unit = text[i];
        if (unit >= 0xD800 && unit < 0xDC00 && i + 1 < text.size() && text[i + 1] >= 0xDC00 && text[i + 1] < 0xE000)
        {
            AppendUtf8(utf8, 0x10000 + ((char32_t(unit) - 0xD800) << 10) + (char32_t(text[i + 1]) - 0xDC00));
            ++i;
        }
        else if (unit >= 0xD800 && unit < 0xE000)
            AppendUtf8(utf8, 0xFFFD);
        else
            AppendUtf8(utf8, unit);
    }
    return utf8;
}
