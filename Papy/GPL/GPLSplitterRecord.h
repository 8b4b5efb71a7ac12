#pragma once
// The record shared by the five splitters (type word 17): a sub-type, one word whose meaning
// depends on the splitter, a comparison operator and a list of (threshold, child) entries.
//
//   0 type word 17   4 sub-type   8 word   12 operator (1 to 5)   16 count n
//   20 n entries of 8 bytes: threshold (u32 or f32 bits), child reference
#include <vector>

#include "Util/BinaryStream.h"
#include "Util/RecordReader.h"
#include "Util/Types.h"

namespace Velmo::Papy
{
class GPLTdoFile;

// What tells one splitter from another.
struct GPLSplitterKind
{
    U32 SubType;
    const char* TypeText;
    const char* OperatorMessage;
    // The word at offset 8 is reserved (must be 0, not kept) when this is set.
    const char* ReservedMessage;
};

extern const GPLSplitterKind GPLDistanceSplitterKind;
extern const GPLSplitterKind GPLLongitudeSplitterKind;
extern const GPLSplitterKind GPLLatitudeSplitterKind;
extern const GPLSplitterKind GPLAnimationSplitterKind;
extern const GPLSplitterKind GPLStateSplitterKind;

class GPLSplitterRecord
{
public:
    // Reads the body behind the sub-type word; checks the operator, then the reserved word.
    GPLSplitterRecord(const GPLSplitterKind& kind, Util::RecordReader& reader);
    GPLSplitterRecord(const GPLSplitterKind& kind, U32 word, U32 comparisonOperator,
                      std::vector<U32> thresholds, std::vector<U32> childIds);

    // Writes the whole record, each child as its current file offset.
    void Write(GPLTdoFile& file, Util::BinaryStream& stream) const;

    const GPLSplitterKind& Kind;
    U32 Word = 0;
    U32 ComparisonOperator = 0;
    // The thresholds as stored: u32 values, or the bits of f32 distances.
    std::vector<U32> Thresholds;
    std::vector<U32> ChildIds;
};
} // namespace Velmo::Papy
