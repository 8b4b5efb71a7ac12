// Names between the files' code page and the widgets' Unicode.
#include <gtest/gtest.h>

#include "Vantrel/Text/CodePage1252.h"

TEST(CodePage1252, CharactersOfTheBytes)
{
    const struct
    {
        unsigned char byte;
        char32_t c;
        const char* utf8;
    } cases[] = {
        {0x41, U'A', "A"},
        {0x80, 0x20AC, "\xE2\x82\xAC"}, // euro sign
        {0x81, 0x0081, "\xC2\x81"},     // undefined: its own control character
        {0x8A, 0x0160, "\xC5\xA0"},     // S caron
        {0x9D, 0x009D, "\xC2\x9D"},
        {0x9F, 0x0178, "\xC5\xB8"}, // Y diaeresis
        {0xA0, 0x00A0, "\xC2\xA0"},
        {0xB0, 0x00B0, "\xC2\xB0"}, // degree sign of the value texts
        {0xFF, 0x00FF, "\xC3\xBF"},
    };
    for (const auto& c : cases)
    {
        SCOPED_TRACE(int(c.byte));
        EXPECT_EQ(CodePage1252::ToCodePoint(char(c.byte)), c.c);
        char byte = 0;
        EXPECT_TRUE(CodePage1252::FromCodePoint(c.c, byte));
        EXPECT_EQ((unsigned char)byte, c.byte);
        EXPECT_EQ(CodePage1252::ToUtf8(std::string(1, char(c.byte))), c.utf8);
    }
}

TEST(CodePage1252, EveryByteComesBackUnchanged)
{
    std::string all;
    for (int b = 0; b < 256; ++b)
        all += char(b);
    std::string back;
    EXPECT_TRUE(CodePage1252::FromUtf8(CodePage1252::ToUtf8(all), back));
    EXPECT_EQ(back, all);
}

TEST(CodePage1252, CharactersOutsideAndBrokenUtf8AreLeftOut)
{
    const struct
    {
        const char* utf8;
        const char* kept;
        bool all;
    } cases[] = {
        {"abc", "abc", true},
        {"a\xCE\xA9z", "az", false},         // Greek omega: not in the code page
        {"\xE2\x82\xAC 5", "\x80 5", true},  // euro
        {"x\xF0\x9F\x98\x80y", "xy", false}, // beyond the basic plane
        {"a\xC3", "a", false},               // cut sequence
        {"\xC0\xAF", "", false},             // overlong slash
        {"\xED\xA0\x80!", "!", false},       // surrogate
        {"\xFF", "", false},
    };
    for (const auto& c : cases)
    {
        SCOPED_TRACE(c.utf8);
        std::string text = "old";
        EXPECT_EQ(CodePage1252::FromUtf8(c.utf8, text), c.all);
        EXPECT_EQ(text, c.kept);
    }
    EXPECT_FALSE(CodePage1252::IsRepresentable(0x03A9));
    EXPECT_TRUE(CodePage1252::IsRepresentable(0x2122));
}

// Texts of the track and replay panes: the degree sign of the angles, names with accents and
// undefined bytes, a NUL inside.
TEST(CodePage1252, TextsAsUtf8)
{
    const struct
    {
        std::string in;
        std::string out;
    } cases[] = {
        {"90.000000\xB0", "90.000000\xC2\xB0"},
        {"plain", "plain"},
        {"\x80", "\xE2\x82\xAC"},         // euro sign
        {"\x81", "\xC2\x81"},             // undefined in the code page
        {"\x9F", "\xC5\xB8"},             // Y with diaeresis
        {"\xE9t\xE9", "\xC3\xA9t\xC3\xA9"},
        {"\xFF", "\xC3\xBF"},
        {std::string("a\0b", 3), std::string("a\0b", 3)},
    };
    for (const auto& c : cases)
        EXPECT_EQ(CodePage1252::ToUtf8(c.in), c.out);
}
