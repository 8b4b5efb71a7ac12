#include "Vantrel/Visitors/ValueParse.h"

#include <charconv>
#include <cmath>
#include <limits>

#include "Util/Exception.h"

namespace
{
// std::to_chars and std::from_chars never look at the process locale (the toolkit sets it
// from the user's environment).
template <class... Args>
std::string Chars(Args... args)
{
    char buffer[64];
    auto result = std::to_chars(buffer, buffer + sizeof buffer, args...);
    VELMO_ASSERT(result.ec == std::errc());
    return std::string(buffer, result.ptr);
}

// The text without the blanks (spaces and tabs) around it.
std::string_view Trim(std::string_view text)
{
    const std::size_t first = text.find_first_not_of(" \t");
    if (first == std::string_view::npos)
        return std::string_view();
    const std::size_t last = text.find_last_not_of(" \t");
    return text.substr(first, last - first + 1);
}

// One leading plus sign is allowed before a number; from_chars takes only the minus.
std::string_view SkipPlus(std::string_view text)
{
    if (text.size() > 1 && text[0] == '+' && text[1] != '-' && text[1] != '+')
        return text.substr(1);
    return text;
}

std::string Replace(std::string text, std::string_view name, const std::string& value)
{
    const std::size_t at = text.find(name);
    if (at != std::string::npos)
        text.replace(at, name.size(), value);
    return text;
}

std::string RangeText(const char* pattern, const std::string& minimum, const std::string& maximum)
{
    return Replace(Replace(pattern, "%1", minimum), "%2", maximum);
}

// A finite double made of the whole text, or false.
bool ReadDouble(std::string_view text, double& value)
{
    text = SkipPlus(Trim(text));
    if (text.empty())
        return false;
    double read = 0;
    const auto result = std::from_chars(text.data(), text.data() + text.size(), read, std::chars_format::general);
    if (result.ec != std::errc() || result.ptr != text.data() + text.size() || !std::isfinite(read))
        return false;
    value = read;
    return true;
}
} // namespace

std::string ValueParse::NumberRangeText(float minimum, float maximum)
{
    return RangeText("Please enter a number between %1 and %2.", FormatFloat(minimum), FormatFloat(maximum));
}

std::string ValueParse::IntegerRangeText(int minimum, int maximum)
{
    return RangeText("Please enter an integer between %1 and %2.", FormatInt(minimum), FormatInt(maximum));
}

std::string ValueParse::FormatFloat(float value)
{
    return Chars(double(value), std::chars_format::general, 6);
}

std::string ValueParse::FormatDouble(double value)
{
    return Chars(value, std::chars_format::general, 15);
}

std::string ValueParse::FormatInt(int value)
{
    return Chars(value);
}

std::string ValueParse::ParseDouble(std::string_view text, double& value)
{
    return ReadDouble(text, value) ? std::string() : std::string(NumberText);
}

std::string ValueParse::ParseFloat(std::string_view text, float& value, float minimum, float maximum)
{
    double read;
    if (!ReadDouble(text, read))
        return NumberText;
    const bool ranged = minimum > std::numeric_limits<float>::lowest() || maximum < std::numeric_limits<float>::max();
    // Beyond the floats, the value reads as an infinity and falls outside every range.
    const float narrowed = std::fabs(read) > double(std::numeric_limits<float>::max())
                               ? std::copysign(std::numeric_limits<float>::infinity(), float(read))
                               : float(read);
    if (!(narrowed >= minimum && narrowed <= maximum) || std::isinf(narrowed))
        return ranged ? NumberRangeText(minimum, maximum) : std::string(NumberText);
    value = narrowed;
    return std::string();
}

std::string ValueParse::ParseInt(std::string_view text, int& value, int minimum, int maximum)
{
    text = SkipPlus(Trim(text));
    long long read = 0;
    const auto result = std::from_chars(text.data(), text.data() + text.size(), read);
    if (text.empty() || result.ptr != text.data() + text.size())
        return IntegerText;
    // All digits, but beyond every integer type: outside any range.
    if (result.ec == std::errc::result_out_of_range)
        read = text[0] == '-' ? LLONG_MIN : LLONG_MAX;
    else if (result.ec != std::errc())
        return IntegerText;
    if (read < minimum || read > maximum)
        return minimum == INT_MIN && maximum == INT_MAX ? std::string(IntegerText)
                                                        : IntegerRangeText(minimum, maximum);
    value = int(read);
    return std::string();
}

std::string ValueParse::CutToLength(std::string text, int maxLength)
{
    const std::size_t limit = maxLength < 0 ? 0 : std::size_t(maxLength);
    if (text.size() > limit)
        text.resize(limit);
    return text;
}
