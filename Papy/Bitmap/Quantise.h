#pragma once
// The conversion between a float channel and an integer field of n bits (max = 2^n - 1) that
// every pixel store of the library uses: the integer part of value * max + 0.5 on the way in,
// integer / max on the way out.
#include <cmath>

#include "Papy/Model/Colour.h"
#include "Util/Types.h"

namespace Velmo::Papy
{
// Values outside 0..1 (and NaN) are held to the field, so that a stray channel can neither
// spill into its neighbours in a packed word nor make the conversion undefined.
inline U32 QuantiseChannel(float value, U32 max)
{
    double scaled = double(value) * double(max) + 0.5;
    if (!(scaled > 0))
        return 0;
    if (scaled >= double(max))
        return max;
    return U32(scaled);
}

inline float ChannelValue(U32 field, U32 max)
{
    return float(double(field) / double(max));
}

// A colour stored as four bytes blue, green, red, alpha (palette entries, header colours).
inline Colour DecodeBGRA(const U8* bytes)
{
    return Colour(ChannelValue(bytes[2], 255), ChannelValue(bytes[1], 255), ChannelValue(bytes[0], 255),
                  ChannelValue(bytes[3], 255));
}

inline void EncodeBGRA(const Colour& colour, U8* bytes)
{
    bytes[0] = U8(QuantiseChannel(colour.GetBlue(), 255));
    bytes[1] = U8(QuantiseChannel(colour.GetGreen(), 255));
    bytes[2] = U8(QuantiseChannel(colour.GetRed(), 255));
    bytes[3] = U8(QuantiseChannel(colour.GetAlpha(), 255));
}
} // namespace Velmo::Papy
