#pragma once
// The texts of the value editors and what they accept, apart from any widget: floats are shown
// with 6 significant digits, doubles with 15, and a text is read as the whole of one number
// (blanks around it allowed) in the classic notation, whatever the process locale.
//
// Each Parse returns an empty text and the value when it accepts the text, else the message
// for the user and leaves the value alone.
#include <climits>
#include <string>
#include <string_view>

class ValueParse
{
public:
    static constexpr const char* NumberText = "Please enter a number.";
    static constexpr const char* IntegerText = "Please enter an integer.";
    // "Please enter a number between %1 and %2." with the bounds as floats are shown.
    static std::string NumberRangeText(float minimum, float maximum);
    // "Please enter an integer between %1 and %2."
    static std::string IntegerRangeText(int minimum, int maximum);

    // 6 significant digits: 0.1f reads 0.1, 1.0f reads 1.
    static std::string FormatFloat(float value);
    // 15 significant digits: 0.1 + 0.2 reads 0.3.
    static std::string FormatDouble(double value);
    static std::string FormatInt(int value);

    // A finite double; anything else gives NumberText.
    static std::string ParseDouble(std::string_view text, double& value);
    // A finite float from minimum to maximum: not a number gives NumberText, a number outside
    // the range NumberRangeText.
    static std::string ParseFloat(std::string_view text, float& value, float minimum, float maximum);
    // An integer from minimum to maximum: not an integer (or one beyond int) gives IntegerText,
    // an integer outside a range narrower than int IntegerRangeText.
    static std::string ParseInt(std::string_view text, int& value, int minimum = INT_MIN, int maximum = INT_MAX);

    // The first maxLength bytes of a code-page text (a negative maxLength counts as 0); a
    // shorter text stays as it is.
    static std::string CutToLength(std::string text, int maxLength);
};
