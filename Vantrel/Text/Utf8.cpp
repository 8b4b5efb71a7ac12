#include "Vantrel/Text/Utf8.h"

void Utf8::Append(std::string& text, char32_t c)
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

bool Utf8::Decode(std::string_view text, std::size_t& i, char32_t& c)
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

bool Utf8::IsValid(std::string_view text)
{
    std::size_t i = 0;
    char32_t c;
    while (i < text.size())
        if (!Decode(text, i, c))
            return false;
    return true;
}

std::string Utf8::FromUtf16(const std::u16string& text)
{
    std::string utf8;
    utf8.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i)
    {
        const char16_t unit = text[i];
        if (unit >= 0xD800 && unit < 0xDC00 && i + 1 < text.size() && text[i + 1] >= 0xDC00 && text[i + 1] < 0xE000)
        {
            Append(utf8, 0x10000 + ((char32_t(unit) - 0xD800) << 10) + (char32_t(text[i + 1]) - 0xDC00));
            ++i;
        }
        else if (unit >= 0xD800 && unit < 0xE000)
            Append(utf8, 0xFFFD);
        else
            Append(utf8, unit);
    }
    return utf8;
}
