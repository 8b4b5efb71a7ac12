// UTF-8 from UTF-16 (the replay's description) and the well-formed sequences.
#include <gtest/gtest.h>

#include <string>

#include "Vantrel/Text/Utf8.h"

TEST(Utf8, FromUtf16WithReplacementCharacters)
{
    const std::string replacement = "\xEF\xBF\xBD";
    const struct
    {
        std::u16string in;
        std::string out;
    } cases[] = {
        {u"A long, long race\u00e9!", "A long, long race\xC3\xA9!"},
        {u"\u20AC\uFFFF", "\xE2\x82\xAC\xEF\xBF\xBF"},
        {u"\U0001F3C1", "\xF0\x9F\x8F\x81"}, // a surrogate pair
        {std::u16string{0xD83C}, replacement},                 // high surrogate at the end
        {std::u16string{0xD83C, u'x'}, replacement + "x"},     // high surrogate without its low
        {std::u16string{0xDF01, 0xD83C}, replacement + replacement}, // low before high
        {std::u16string{0xD83C, 0xD83C, 0xDFC1}, replacement + "\xF0\x9F\x8F\x81"},
        {u"", ""},
    };
    for (const auto& c : cases)
        EXPECT_EQ(Utf8::FromUtf16(c.in), c.out);
}
