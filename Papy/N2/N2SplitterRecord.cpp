#include "Papy/N2/N2SplitterRecord.h"

#include "Papy/N2/N2Record.h"
#include "Papy/N2/N2TdoFile.h"
#include "Util/Exception.h"

namespace Velmo::Papy
{
const N2SplitterKind N2DistanceSplitterKind = {0, "17.0", "N2 Distance Splitter unknown comparison operator"};
const N2SplitterKind N2StateSplitterKind = {4, "17.4", "N2 State Splitter unknown comparison operator"};

N2SplitterRecord::N2SplitterRecord(const N2SplitterKind& kind, Util::RecordReader& reader) : Kind(kind)
{
    S32 words[3];
    reader.ReadArray(words, 3);
    WordA = words[0];
    ComparisonOperator = U32(words[1]);
    if (ComparisonOperator < 1 || ComparisonOperator > 5)
        throw Util::XFileFormat(reader.GetName(), kind.OperatorMessage);
    const S32 count = words[2];
    N2Record::CheckCount(reader, count, 8);
    Thresholds.reserve(std::size_t(count));
    ChildIds.reserve(std::size_t(count));
    for (S32 i = 0; i < count; ++i)
    {
        S32 entry[2];
        reader.ReadArray(entry, 2);
        Thresholds.push_back(entry[0]);
        ChildIds.push_back(entry[1]);
    }
}

void N2SplitterRecord::Write(const N2TdoFile& file, Util::BinaryStream& stream) const
{
    N2Record::Writer record(17, 24 + 8 * ChildIds.size());
    record.Word(Kind.SubKind).Word(WordA).Word(ComparisonOperator).Word(S32(ChildIds.size()));
    for (std::size_t i = 0; i < ChildIds.size(); ++i)
        record.Word(Thresholds[i]).Word(U32(file.GetSubObject(ChildIds[i])->GetFileOffset()));
    record.WriteTo(stream);
}
} // namespace Velmo::Papy
