#pragma once
// An RGBA colour, each component from 0 to 1. A colour whose alpha is 0 is stored as all
// zeros, so every fully transparent colour equals every other.
#include "Util/Types.h"

namespace Velmo::Papy
{
class Colour
{
public:
    // All zero: fully transparent black.
    Colour() = default;
    Colour(float red, float green, float blue, float alpha);

    float GetRed() const { return m_red; }
    float GetGreen() const { return m_green; }
    float GetBlue() const { return m_blue; }
    float GetAlpha() const { return m_alpha; }

    bool operator==(const Colour& other) const = default;

    // Alpha of the product is p.a * q.a; when that is 0 the result is all zero, otherwise each
    // of red, green and blue is the product of the two components.
    friend Colour operator*(const Colour& p, const Colour& q);

    // The four-byte colour word of the game records: bytes blue, green, red, alpha, that is
    // 0xAARRGGBB read as a little-endian u32. Each byte / 255 on the way in; on the way out
    // each component becomes the integer part of c * 255 + 0.5, clamped to 0..255 (NaN: 0).
    static Colour FromWord(U32 word);
    U32 GetWord() const;

    static float ByteToComponent(U8 byte);
    // Inline: textures convert every pixel of a level through it.
    static U8 ComponentToByte(float component)
    {
        // Clamped before the conversion: a value out of range (or NaN) would otherwise make
        // the float-to-integer conversion undefined.
        const double scaled = double(component) * 255.0 + 0.5;
        if (!(scaled > 0))
            return 0;
        if (scaled >= 255)
            return 255;
        return U8(scaled);
    }

private:
    float m_red = 0;
    float m_green = 0;
    float m_blue = 0;
    float m_alpha = 0;
};
} // namespace Velmo::Papy
