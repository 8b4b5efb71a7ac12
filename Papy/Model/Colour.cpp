#include "Papy/Model/Colour.h"

#include <cmath>

namespace Velmo::Papy
{
Colour::Colour(float red, float green, float blue, float alpha)
{
    if (alpha != 0)
    {
        m_red = red;
        m_green = green;
        m_blue = blue;
        m_alpha = alpha;
    }
}

Colour operator*(const Colour& p, const Colour& q)
{
    return Colour(p.m_red * q.m_red, p.m_green * q.m_green, p.m_blue * q.m_blue, p.m_alpha * q.m_alpha);
}

float Colour::ByteToComponent(U8 byte)
{
    return float(double(byte) / 255.0);
}

Colour Colour::FromWord(U32 word)
{
    return Colour(ByteToComponent(U8(word >> 16)), ByteToComponent(U8(word >> 8)), ByteToComponent(U8(word)),
                  ByteToComponent(U8(word >> 24)));
}

U32 Colour::GetWord() const
{
    return U32(ComponentToByte(m_alpha)) << 24 | U32(ComponentToByte(m_red)) << 16 |
           U32(ComponentToByte(m_green)) << 8 | U32(ComponentToByte(m_blue));
}
} // namespace Velmo::Papy
