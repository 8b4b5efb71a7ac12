#pragma once
// One line of the hexadecimal dump: the offset, sixteen byte fields and the bytes as
// characters. A full line of an offset below 4 GB is 75 characters:
//   00000010  41 42 43 00 00 00 00 00 00 00 00 00 00 00 00 00  ABC.............
// A line with fewer than sixteen bytes keeps its width, the missing fields blank. Offsets of
// 4 GB and more take as many digits as they need, so those lines are longer.
#include <cstddef>
#include <string>
#include <vector>

#include "Util/Types.h"

// The line for the count (1 to 16) bytes at offset; more than 16 bytes are ignored.
std::string FormatHexLine(Velmo::U64 offset, const Velmo::U8* bytes, std::size_t count);

// The lines for the bytes of a buffer read at offset (a multiple of 16): one line per 16 bytes,
// the last one partial; no line at all for an empty buffer.
std::vector<std::string> FormatHexLines(Velmo::U64 offset, const Velmo::U8* bytes,
                                        std::size_t count);
