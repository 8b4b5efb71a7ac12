#include "Papy/GPL/GPLSplitterRecord.h"

#include "Papy/GPL/GPLTdoFile.h"
#include "Util/Exception.h"
#include "Util/StreamIO.h"

namespace Velmo::Papy
{
namespace
{
// The value a record holds for a reference: the node's current file offset (0xFFFFFFFF for
// the null node).
U32 OffsetOf(GPLTdoFile& file, U32 id)
{
    return U32(file.GetSubObject(int(id))->GetFileOffset());
}
} // namespace

const GPLSplitterKind GPLDistanceSplitterKind = {0, "17.0", "GPL Distance Splitter unknown comparison operator",
                                                 nullptr};
const GPLSplitterKind GPLLongitudeSplitterKind = {1, "17.1", "GPL Longitude Splitter unknown comparison operator",
                                                  "GPL Longitude Splitter reserved not zero"};
const GPLSplitterKind GPLLatitudeSplitterKind = {2, "17.2", "GPL Latitude Splitter unknown comparison operator",
                                                 "GPL Latitude Splitter reserved not zero"};
const GPLSplitterKind GPLAnimationSplitterKind = {3, "17.3", "GPL Animation Splitter unknown comparison operator",
                                                  nullptr};
const GPLSplitterKind GPLStateSplitterKind = {4, "17.4", "GPL State Splitter unknown comparison operator", nullptr};

namespace
{
constexpr U32 EntrySize = 8;
} // namespace

GPLSplitterRecord::GPLSplitterRecord(const GPLSplitterKind& kind, Util::RecordReader& reader) : Kind(kind)
{
    U32 word = reader.ReadU32();
    U32 comparisonOperator = reader.ReadU32();
    U32 count = reader.ReadU32();
    if (comparisonOperator < 1 || comparisonOperator > 5)
        throw Util::XFileFormat(reader.GetName(), kind.OperatorMessage);
    if (kind.ReservedMessage != nullptr)
    {
        if (word != 0)
            throw Util::XFileFormat(reader.GetName(), kind.ReservedMessage);
    }
    else
        Word = word;
    ComparisonOperator = comparisonOperator;
    // The entries must be there before room is made for them.
    reader.CheckCount(count, EntrySize);
    Thresholds.reserve(count);
    ChildIds.reserve(count);
    for (U32 i = 0; i < count; ++i)
    {
        Thresholds.push_back(reader.ReadU32());
        ChildIds.push_back(reader.ReadU32());
    }
}

GPLSplitterRecord::GPLSplitterRecord(const GPLSplitterKind& kind, U32 word, U32 comparisonOperator,
                                     std::vector<U32> thresholds, std::vector<U32> childIds)
    : Kind(kind), Word(word), ComparisonOperator(comparisonOperator), Thresholds(std::move(thresholds)),
      ChildIds(std::move(childIds))
{
    VELMO_ASSERT(Thresholds.size() == ChildIds.size());
}

void GPLSplitterRecord::Write(GPLTdoFile& file, Util::BinaryStream& stream) const
{
    U8 header[20];
    Util::EncodeLE<U32>(17, header);
    Util::EncodeLE<U32>(Kind.SubType, header + 4);
    Util::EncodeLE<U32>(Kind.ReservedMessage != nullptr ? 0 : Word, header + 8);
    Util::EncodeLE<U32>(ComparisonOperator, header + 12);
    Util::EncodeLE<U32>(U32(ChildIds.size()), header + 16);
    stream.Write(sizeof header, header);
    for (std::size_t i = 0; i < ChildIds.size(); ++i)
    {
        U8 entry[EntrySize];
        Util::EncodeLE<U32>(Thresholds[i], entry);
        Util::EncodeLE<U32>(OffsetOf(file, ChildIds[i]), entry + 4);
        stream.Write(EntrySize, entry);
    }
}
} // namespace Velmo::Papy
