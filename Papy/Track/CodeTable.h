#pragma once
// A table of the codes a file stores for the values of an enumeration, read in both
// directions: from a code to its value when a file is read, from a value to its code when one
// is written. Where a format's codes are not one to one, a row serves one direction only: a
// code read as a value that writes another code, or a value written with another's code.
//
//     constexpr CodeRow<WallType> Walls[] = {{1, WallConcrete}, {5, WallWireFence},
//                                            {5, WallConcreteWithFence, CodeUse::Write}};
//     ValueOfCode<WallType>(Walls, 5);                  // WallWireFence
//     CodeOfValue<WallType>(Walls, WallConcreteWithFence); // 5
#include <optional>
#include <span>

#include "Util/Types.h"

namespace Velmo::Papy
{
enum class CodeUse
{
    Both,
    // Only from the code to the value.
    Read,
    // Only from the value to the code.
    Write,
};

template <class Value>
struct CodeRow
{
    S32 Code;
    Value Type;
    CodeUse Use = CodeUse::Both;
};

// The value a code reads as; none for a code no row reads.
template <class Value>
std::optional<Value> ValueOfCode(std::span<const CodeRow<Value>> table, S32 code)
{
    for (const CodeRow<Value>& row : table)
        if (row.Code == code && row.Use != CodeUse::Write)
            return row.Type;
    return std::nullopt;
}

// The code a value writes as; none for a value no row writes.
template <class Value>
std::optional<S32> CodeOfValue(std::span<const CodeRow<Value>> table, Value value)
{
    for (const CodeRow<Value>& row : table)
        if (row.Type == value && row.Use != CodeUse::Read)
            return row.Code;
    return std::nullopt;
}
} // namespace Velmo::Papy
