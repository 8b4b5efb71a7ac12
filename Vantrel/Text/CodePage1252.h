#pragma once
// Names and texts in the game files are 8-bit strings in code page 1252; the toolkit's widgets
// take Unicode. These convert between the two for every pane and dialog that shows or edits
// such a text, and for the rows of the track and replay panes.
//
// Every byte has a character: the five bytes that the code page leaves undefined (0x81, 0x8D,
// 0x8F, 0x90, 0x9D) stand for the control characters of the same value, so any name read from
// a file goes to the widget and back unchanged.
#include <string>
#include <string_view>

class CodePage1252
{
public:
    // The character of a byte.
    static char32_t ToCodePoint(char byte);
    // The byte of a character; false when the code page has none for it.
    static bool FromCodePoint(char32_t c, char& byte);
    static bool IsRepresentable(char32_t c)
    {
        char byte;
        return FromCodePoint(c, byte);
    }

    // A code-page text as UTF-8.
    static std::string ToUtf8(std::string_view text);
    // A text for the user, as UTF-8, the one conversion of every text on its way to a widget:
    // the program's texts and the system's paths are UTF-8, names from game files code-page
    // bytes, alone or inside a message. A text that is valid UTF-8 is kept as it is; any other
    // is read as the code page, so that no text reaches the toolkit as bytes it refuses (it
    // shows such a text empty).
    static std::string Shown(std::string_view text);
    // Whether the text is well-formed UTF-8 (no overlong forms, surrogates or code points past
    // U+10FFFF).
    static bool IsUtf8(std::string_view text);
    // A UTF-8 text in the code page. Characters that the code page lacks and bytes that are not
    // UTF-8 are left out; the result tells whether everything was kept.
    static bool FromUtf8(std::string_view utf8, std::string& text);
};
