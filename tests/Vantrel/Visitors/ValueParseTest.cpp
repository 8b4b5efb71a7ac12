// What the value editors show and accept, apart from the widgets.
#include <gtest/gtest.h>

#include <cfloat>

#include "Vantrel/Visitors/ValueParse.h"

TEST(ValueParse, Formats)
{
    EXPECT_EQ(ValueParse::FormatFloat(1.0f), "1");
    EXPECT_EQ(ValueParse::FormatFloat(0.1f), "0.1");
    EXPECT_EQ(ValueParse::FormatFloat(0.123456789f), "0.123457");
    EXPECT_EQ(ValueParse::FormatFloat(1234567.0f), "1.23457e+06");
    EXPECT_EQ(ValueParse::FormatDouble(0.1 + 0.2), "0.3");
    EXPECT_EQ(ValueParse::FormatDouble(3.14159265358979), "3.14159265358979");
    EXPECT_EQ(ValueParse::FormatDouble(1.0 / 3), "0.333333333333333");
    EXPECT_EQ(ValueParse::FormatDouble(-2.5e-7), "-2.5e-07");
    EXPECT_EQ(ValueParse::FormatDouble(90), "90");
    EXPECT_EQ(ValueParse::FormatInt(-17), "-17");
}

TEST(ValueParse, Doubles)
{
    const struct
    {
        const char* text;
        bool accepted;
        double value;
    } cases[] = {
        {"1.5", true, 1.5},     {" -2 ", true, -2},    {"\t+.5", true, 0.5}, {"1e3", true, 1000},
        {"5.", true, 5},        {"0", true, 0},        {"", false, 0},       {"   ", false, 0},
        {"abc", false, 0},      {"1.5x", false, 0},    {"1 2", false, 0},    {"1,5", false, 0},
        {"nan", false, 0},      {"inf", false, 0},     {"-infinity", false, 0}, {"1e999", false, 0},
        {"0x10", false, 0},     {"+-1", false, 0},     {"--1", false, 0},
    };
    for (const auto& c : cases)
    {
        SCOPED_TRACE(c.text);
        double value = 42;
        const std::string message = ValueParse::ParseDouble(c.text, value);
        EXPECT_EQ(message, c.accepted ? "" : "Please enter a number.");
        EXPECT_EQ(value, c.accepted ? c.value : 42);
    }
}

TEST(ValueParse, FloatsInARange)
{
    const std::string range = "Please enter a number between 0 and 1.";
    const struct
    {
        const char* text;
        std::string message;
        float value;
    } cases[] = {
        {"0", "", 0.0f},        {"1", "", 1.0f},        {"0.25", "", 0.25f},
        {"1.5", range, 0},      {"-0.1", range, 0},     {"1e39", range, 0},
        {"x", "Please enter a number.", 0}, {"", "Please enter a number.", 0},
        {"nan", "Please enter a number.", 0},
    };
    for (const auto& c : cases)
    {
        SCOPED_TRACE(c.text);
        float value = 7;
        EXPECT_EQ(ValueParse::ParseFloat(c.text, value, 0.0f, 1.0f), c.message);
        EXPECT_EQ(value, c.message.empty() ? c.value : 7.0f);
    }
    // Without a range: any float.
    float value = 0;
    EXPECT_EQ(ValueParse::ParseFloat("-3e10", value, -FLT_MAX, FLT_MAX), "");
    EXPECT_EQ(value, -3e10f);
    EXPECT_EQ(ValueParse::ParseFloat("1e39", value, -FLT_MAX, FLT_MAX), "Please enter a number.");
    EXPECT_EQ(ValueParse::NumberRangeText(-0.5f, 2.0f), "Please enter a number between -0.5 and 2.");
}

TEST(ValueParse, Integers)
{
    const std::string integer = "Please enter an integer.";
    const std::string counts = "Please enter an integer between 0 and 65535.";
    const struct
    {
        const char* text;
        int minimum, maximum;
        std::string message;
        int value;
    } cases[] = {
        {"12", INT_MIN, INT_MAX, "", 12},
        {" -7 ", INT_MIN, INT_MAX, "", -7},
        {"+3", INT_MIN, INT_MAX, "", 3},
        {"2147483647", INT_MIN, INT_MAX, "", INT_MAX},
        {"-2147483648", INT_MIN, INT_MAX, "", INT_MIN},
        {"2147483648", INT_MIN, INT_MAX, integer, 0},
        {"1.5", INT_MIN, INT_MAX, integer, 0},
        {"", INT_MIN, INT_MAX, integer, 0},
        {"x1", INT_MIN, INT_MAX, integer, 0},
        {"1e3", INT_MIN, INT_MAX, integer, 0},
        {"0x1F", INT_MIN, INT_MAX, integer, 0},
        {"0", 0, 65535, "", 0},
        {"65535", 0, 65535, "", 65535},
        {"65536", 0, 65535, counts, 0},
        {"-1", 0, 65535, counts, 0},
        {"4000000000", 0, 65535, counts, 0},
        {"99999999999999999999999", 0, 65535, counts, 0},
        {"-1", 0, INT_MAX, "Please enter an integer between 0 and 2147483647.", 0},
        {"abc", 0, 65535, integer, 0},
    };
    for (const auto& c : cases)
    {
        SCOPED_TRACE(c.text);
        int value = 99;
        EXPECT_EQ(ValueParse::ParseInt(c.text, value, c.minimum, c.maximum), c.message);
        EXPECT_EQ(value, c.message.empty() ? c.value : 99);
    }
}

TEST(ValueParse, CutToLength)
{
    EXPECT_EQ(ValueParse::CutToLength("ABCDEFGHIJ", 8), "ABCDEFGH");
    EXPECT_EQ(ValueParse::CutToLength("ABC", 8), "ABC");
    EXPECT_EQ(ValueParse::CutToLength("ABC", 0), "");
    EXPECT_EQ(ValueParse::CutToLength("ABC", -4), "");
    // One byte per character of the code page.
    EXPECT_EQ(ValueParse::CutToLength("\x80\xB0xyz", 2), "\x80\xB0");
}
