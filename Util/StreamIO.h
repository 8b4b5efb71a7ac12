#pragma once
// Little-endian reading and writing of numbers through a BinaryStream. Values are assembled
// from bytes explicitly, never by casting pointers into a buffer.
#include <cstring>
#include <string>
#include <type_traits>

#include "Util/BinaryStream.h"

namespace Velmo::Util
{
template <class T>
T DecodeLE(const U8* bytes)
{
    static_assert(std::is_arithmetic_v<T>, "numbers only");
    typedef std::conditional_t<sizeof(T) == 1, U8,
                               std::conditional_t<sizeof(T) == 2, U16, std::conditional_t<sizeof(T) == 4, U32, U64>>>
        Bits;
    Bits bits = 0;
    for (unsigned i = 0; i < sizeof(T); ++i)
        bits |= Bits(bytes[i]) << (8 * i);
    T value;
    std::memcpy(&value, &bits, sizeof(T));
    return value;
}

template <class T>
void EncodeLE(T value, U8* bytes)
{
    static_assert(std::is_arithmetic_v<T>, "numbers only");
    typedef std::conditional_t<sizeof(T) == 1, U8,
                               std::conditional_t<sizeof(T) == 2, U16, std::conditional_t<sizeof(T) == 4, U32, U64>>>
        Bits;
    Bits bits;
    std::memcpy(&bits, &value, sizeof(T));
    for (unsigned i = 0; i < sizeof(T); ++i)
        bytes[i] = U8(bits >> (8 * i));
}

template <class T>
T ReadLE(BinaryStream& stream)
{
    U8 bytes[sizeof(T)];
    stream.Read(sizeof(T), bytes);
    return DecodeLE<T>(bytes);
}

template <class T>
void WriteLE(BinaryStream& stream, T value)
{
    U8 bytes[sizeof(T)];
    EncodeLE<T>(value, bytes);
    stream.Write(sizeof(T), bytes);
}

// The bytes left between the position and the end of the stream.
inline U64 Remaining(const BinaryStream& stream)
{
    U64 size = stream.Size();
    U64 position = stream.Tell();
    return position < size ? size - position : 0;
}
} // namespace Velmo::Util
