#include "Vantrel/Visitors/CodePage1252.h"

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

void AppendUtf8(std::string& out, char32_t c)
{
    if (c < 0x80)
        out += char(c);
    else if (c < 0x800)
    {
        out += char(0xC0 | (c >> 6));
        out += char(0x80 | (c & 0x3F));
    }
    else
    {
        // Every character of the code page lies below 0x10000.
        out += char(0xE0 | (c >> 12));
        out += char(0x80 | ((c >> 6) & 0x3F));
        out += char(0x80 | (c & 0x3F));
    }
}

// Decodes one UTF-8 sequence at text[i]; advances i past it. A byte that does not start a
// well-formed sequence (overlong forms and surrogates included) yields no character and
// advances by one.
bool DecodeUtf8(std::string_view text, std::size_t& i, char32_t& c)
{
    const unsigned char lead = static_cast<unsigned char>(text[i]);
    int length;
    char32_t minimum;
    if (lead < 0x80)
    {
        c = lead;
        ++i;
        return true;
    }
    if (lead >= 0xC2 && lead <= 0xDF)
        length = 2, c = lead & 0x1F, minimum = 0x80;
    else if (lead >= 0xE0 && lead <= 0xEF)
        length = 3, c = lead & 0x0F, minimum = 0x800;
    else if (lead >= 0xF0 && lead <= 0xF4)
        length = 4, c = lead & 0x07, minimum = 0x10000;
    else
    {
        ++i;
        return false;
    }
    if (text.size() - i < std::size_t(length))
    {
        ++i;
        return false;
    }
    for (int k = 1; k < length; ++k)
    {
        const unsigned char next = static_cast<unsigned char>(text[i + std::size_t(k)]);
        if ((next & 0xC0) != 0x80)
        {
            ++i;
            return false;
        }
        c = (c << 6) | (next & 0x3F);
    }
    if (c < minimum || c > 0x10FFFF || (c >= 0xD800 && c <= 0xDFFF))
    {
        ++i;
        return false;
    }
    i += std::size_t(length);
    return true;
}
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
        AppendUtf8(out, ToCodePoint(byte));
    return out;
}

bool CodePage1252::IsUtf8(std::string_view text)
{
    std::size_t i = 0;
    char32_t c;
    while (i < text.size())
        if (!DecodeUtf8(text, i, c))
            return false;
    return true;
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
        if (DecodeUtf8(utf8, i, c) && FromCodePoint(c, byte))
            text += byte;
        else
            all = false;
    }
    return all;
}
