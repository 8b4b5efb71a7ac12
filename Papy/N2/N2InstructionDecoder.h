#pragma once
// Turns one record of the PRIM section of an N2 .3do file into its node.
//
// The record types are one table (N2InstructionDecoder.cpp, `Rows`): a row names the type
// byte, the selector value where the type has one, and the reader that builds the node from
// the rest of the body. Types 2 and 17 are followed by a sub-kind word, type 5 by the child
// reference and the sub-kind, type 21 by a value, a palette index and a point count (two
// points make a line, any other number a multi-line); the decoder reads these before it
// looks the row up. A type or selector without a row is "N2 TDO File unknown instruction
// type".
#include "Papy/Model/ThreeDObject.h"
#include "Util/RecordReader.h"
#include "Util/CountedPointer.h"
#include "Util/Types.h"

namespace Velmo::Papy
{
class N2TdoFile;

class N2InstructionDecoder
{
public:
    // The reader stands behind the five-byte record header; it is left behind the record.
    static Util::CountedPointer<ThreeDObject> Decode(N2TdoFile& file, int id, U8 type, Util::RecordReader& reader);
};
} // namespace Velmo::Papy
