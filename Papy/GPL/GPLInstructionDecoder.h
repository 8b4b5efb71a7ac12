#pragma once
// Turns one record of the PRIM section of a GPL .3do file into its node.
//
// The record types are one table (GPLInstructionDecoder.cpp, `Rows`): a row names the type
// word, the sub-type where the type has one, and the reader that builds the node from the
// rest of the record. To add a record type:
//   1. write the node class with a reading constructor
//        (GPLTdoFile& file, int id, Util::RecordReader& reader), or, where the row passes the
//        decoder's extra word (the variant flag, or the child word of type 5),
//        (GPLTdoFile& file, int id, U32 extra, Util::RecordReader& reader);
//   2. add one row to `Rows`: {type word, sub-type or NoSubType, Read<Class>} or
//      {type word, sub-type or NoSubType, ReadWithExtra<Class, extra>} (the extra is a fixed
//      value such as a flag; for type 5 the decoder hands over the child word instead).
// Types 5 and 17 are followed by sub-type words that the decoder reads before it looks the
// row up: type 5 by the child word and the sub-type (8 bytes), type 17 by the sub-type alone.
// A type word or sub-type without a row is "GPL TDO File unknown instruction type".
#include "Papy/Model/ThreeDObject.h"
#include "Util/RecordReader.h"
#include "Util/CountedPointer.h"
#include "Util/Types.h"

namespace Velmo::Papy
{
class GPLTdoFile;

class GPLInstructionDecoder
{
public:
    typedef Util::CountedPointer<ThreeDObject> (*Reader)(GPLTdoFile& file, int id, U32 extra,
                                                         Util::RecordReader& reader);
    static constexpr S64 NoSubType = -1;

    struct Row
    {
        U32 typeWord;
        S64 subType;
        Reader read;
    };

    // The reader stands behind the type word; it is left behind the record.
    static Util::CountedPointer<ThreeDObject> Decode(GPLTdoFile& file, int id, U32 typeWord,
                                                     Util::RecordReader& reader);

    // Whether the decoder has a row for the type word and sub-type (NoSubType for none).
    static bool Knows(U32 typeWord, S64 subType);
};
} // namespace Velmo::Papy
