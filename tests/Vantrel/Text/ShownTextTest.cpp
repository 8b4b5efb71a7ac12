// The one conversion of the texts shown to the user: UTF-8 kept as it is, anything else read as
// code page 1252, so that a message that carries a name from a game file is never empty.
#include <gtest/gtest.h>

#include <random>
#include <string>

#include "Util/Exception.h"
#include "Vantrel/Text/CodePage1252.h"

TEST(ShownText, Utf8IsKeptAndAnythingElseIsReadAsTheCodePage)
{
    const struct
    {
        std::string text;
        std::string shown;
    } cases[] = {
        {"", ""},
        {"File not found", "File not found"},
        {"t\xC3\xA9x0", "t\xC3\xA9x0"},                     // UTF-8 (a path of the system)
        {"\xE2\x82\xAC \xF0\x9F\x98\x80", "\xE2\x82\xAC \xF0\x9F\x98\x80"},
        {"t\xE9x0", "t\xC3\xA9x0"},                         // a texture name in the code page
        {"\x80", "\xE2\x82\xAC"},
        {"\x81\x9D", "\xC2\x81\xC2\x9D"},                   // undefined bytes: their control characters
        {"\xC0\xAF", "\xC3\x80\xC2\xAF"},                   // an overlong form is not UTF-8
        {"\xED\xA0\x80", "\xC3\xAD\xC2\xA0\xE2\x82\xAC"},   // nor is a surrogate
        {"\xF4\x90\x80\x80", "\xC3\xB4\xC2\x90\xE2\x82\xAC\xE2\x82\xAC"}, // nor past U+10FFFF
        {"\xC3", "\xC3\x83"},                               // a cut sequence
        {"\xC3\xA9\xE9", "\xC3\x83\xC2\xA9\xC3\xA9"},       // UTF-8 and a code-page byte: all code page
    };
    for (const auto& c : cases)
    {
        EXPECT_EQ(CodePage1252::Shown(c.text), c.shown) << c.text;
        EXPECT_TRUE(CodePage1252::IsUtf8(CodePage1252::Shown(c.text))) << c.text;
    }
}

// The messages of a missing texture named with 0xE9 and of an N4 class name with a stray byte,
// as the library makes them: their names shown.
TEST(ShownText, MessagesThatCarryNamesFromFilesShowThem)
{
    const struct
    {
        std::string message;
        std::string shown;
    } cases[] = {
        {Velmo::Util::XFileOpen("/games/n4/t\xE9x0.mip", "File not found").GetText(),
         "Couldn't open /games/n4/t\xC3\xA9x0.mip\nFile not found\n"},
        {Velmo::Util::XFileFormat("/games/n4/car.3do", "N4 archive unknown descriptor CCar\x97"
                                                       "Body")
             .GetText(),
         "A possible error was found in file /games/n4/car.3do\nN4 archive unknown descriptor CCar\xE2\x80\x94"
         "Body\n"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(CodePage1252::Shown(c.message), c.shown);
}

// Whatever the bytes, the result is UTF-8 that holds a character for each byte that was not
// UTF-8: nothing is dropped.
TEST(ShownText, AnyBytesGiveUtf8)
{
    std::mt19937 random(1252);
    for (int n = 0; n < 2000; ++n)
    {
        std::string text(std::size_t(random() % 12), '\0');
        for (char& byte : text)
            byte = char(random() % 4 == 0 ? 0x80 + random() % 0x80 : random() % 0x100);
        const std::string shown = CodePage1252::Shown(text);
        EXPECT_TRUE(CodePage1252::IsUtf8(shown));
        EXPECT_GE(shown.size(), text.size());
        std::string back;
        if (!CodePage1252::IsUtf8(text))
        {
            EXPECT_TRUE(CodePage1252::FromUtf8(shown, back));
            EXPECT_EQ(back, text);
        }
    }
}
