#pragma once
// Fixed-width number types used throughout the library.
#include <cstdint>

namespace Velmo
{
typedef std::uint8_t U8;
typedef std::uint16_t U16;
typedef std::uint32_t U32;
typedef std::uint64_t U64;
typedef std::int8_t S8;
typedef std::int16_t S16;
typedef std::int32_t S32;
typedef std::int64_t S64;
typedef float F32;
typedef double F64;

static_assert(sizeof(F32) == 4 && sizeof(F64) == 8, "IEEE single and double expected");
} // namespace Velmo
