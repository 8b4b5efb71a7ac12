#pragma once
// The record shared by the two N2 splitters (type 17): the sub-kind, a word A, a comparison
// operator (1 to 5), a count n and n entries {int32 threshold, int32 child reference}.
//
//   sub-kind  class                A                        thresholds
//   0         N2DistanceSplitter   PREP vertex index        N2 lengths
//   4         N2StateSplitter      state variable           u32 values
#include <string>
#include <vector>

#include "Util/BinaryStream.h"
#include "Util/RecordReader.h"
#include "Util/Types.h"

namespace Velmo::Papy
{
class N2TdoFile;

struct N2SplitterKind
{
    S32 SubKind;
    const char* TypeText;
    const char* OperatorMessage;
};

extern const N2SplitterKind N2DistanceSplitterKind;
extern const N2SplitterKind N2StateSplitterKind;

class N2SplitterRecord
{
public:
    // Reads the body behind the sub-kind word; checks the operator and the count.
    N2SplitterRecord(const N2SplitterKind& kind, Util::RecordReader& reader);

    // Writes the whole record, each child as its current file offset.
    void Write(const N2TdoFile& file, Util::BinaryStream& stream) const;

    const N2SplitterKind& Kind;
    S32 WordA = 0;
    U32 ComparisonOperator = 0;
    std::vector<S32> Thresholds;
    std::vector<int> ChildIds;
};
} // namespace Velmo::Papy
