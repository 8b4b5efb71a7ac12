#pragma once
// UTF-8, the encoding of every text that reaches a widget: characters appended, sequences read
// (well-formed ones only) and UTF-16 texts converted.
#include <string>
#include <string_view>

class Utf8
{
public:
    // Appends the sequence of a character (below U+110000).
    static void Append(std::string& text, char32_t c);
    // Reads the sequence at text[i] into c and advances i past it. A byte that does not start a
    // well-formed sequence (overlong forms, surrogates and code points past U+10FFFF included)
    // yields no character: false, and i advances by one.
    static bool Decode(std::string_view text, std::size_t& i, char32_t& c);
    // Whether the text is well-formed UTF-8.
    static bool IsValid(std::string_view text);
    // UTF-16 text as UTF-8; an unpaired surrogate becomes U+FFFD.
    static std::string FromUtf16(const std::u16string& text);
};
