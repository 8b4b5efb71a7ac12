#include "Vantrel/Text/CodePage1252.h"

#include "Vantrel/Text/Utf8.h"

namespace
{
// The characters of the bytes 0x80 to 0x9F; the rest of the code page is Latin-1. An undefined
// byte stands for the control character of its own value.
constexpr char32_t High[32] = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, //
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F, //
    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014, //
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178, //
};
} // namespace

char32_t CodePage1252::ToCodePoint(char byte)
{
    const unsigned char b = static_cast<unsigned char>(byte);
    if (b >= 0x80 && b < 0xA0)
        return High[b - 0x80];
    return b;
}

bool CodePage1252::FromCodePoint(char32_t c, char& byte)
{
    if (c < 0x80 || (c >= 0xA0 && c <= 0xFF))
    {
        byte = static_cast<char>(c);
        return true;
    }
    for (int k = 0; k < 32; ++k)
        if (High[k] == c)
        {
            byte = static_cast<char>(0x80 + k);
            return true;
        }
    return false;
}

std::string CodePage1252::ToUtf8(std::string_view text)
{
    std::string out;
    out.reserve(text.size());
    for (char byte : text)
        Utf8::Append(out, ToCodePoint(byte));
    return out;
}

bool CodePage1252::IsUtf8(std::string_view text)
{
    return Utf8::IsValid(text);
}

std::string CodePage1252::Shown(std::string_view text)
{
    return IsUtf8(text) ? std::string(text) : ToUtf8(text);
}

bool CodePage1252::FromUtf8(std::string_view utf8, std::string& text)
{
    text.clear();
    bool all = true;
    std::size_t i = 0;
    while (i < utf8.size())
    {
        char32_t c;
        char byte;
        if (Utf8::Decode(utf8, i, c) && FromCodePoint(c, byte))
            text += byte;
        else
            all = false;
    }
    return all;
}
