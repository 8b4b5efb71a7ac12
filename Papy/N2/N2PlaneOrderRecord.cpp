#include "Papy/N2/N2PlaneOrderRecord.h"

#include "Papy/N2/N2Record.h"
#include "Papy/N2/N2TdoFile.h"

namespace Velmo::Papy
{
const N2PlaneOrderKind N2PlaneCullFrontKind = {6, "6", 1};
const N2PlaneOrderKind N2PlaneOrder2CullFrontBackKind = {7, "7", 2};
const N2PlaneOrderKind N2PlaneOrder4CullFrontBackKind = {8, "8", 4};
const N2PlaneOrderKind N2PlaneOrder3CullFrontKind = {9, "9", 3};
const N2PlaneOrderKind N2PlaneOrder3Kind = {10, "10", 3};
const N2PlaneOrderKind N2PlaneOrder2Kind = {11, "11", 2};

N2PlaneOrderRecord::N2PlaneOrderRecord(const N2PlaneOrderKind& kind, Util::RecordReader& reader) : Kind(kind)
{
    S32 words[9];
    reader.ReadArray(words, 5 + kind.ChildCount);
    for (int i = 0; i < 5; ++i)
        PlaneWords[i] = words[i];
    for (U32 j = 0; j < kind.ChildCount; ++j)
        ChildIds[j] = words[5 + kind.ChildCount - 1 - j];
    ThePlane = N2PlaneFromInts(words[0], words[1], words[2], words[3], words[4]);
}

void N2PlaneOrderRecord::Write(const N2TdoFile& file, Util::BinaryStream& stream) const
{
    N2Record::Writer record(Kind.Type, 48);
    for (S32 word : PlaneWords)
        record.Word(word);
    for (U32 j = Kind.ChildCount; j-- > 0;)
        record.Word(U32(file.GetSubObject(ChildIds[j])->GetFileOffset()));
    record.WriteTo(stream);
}
} // namespace Velmo::Papy
