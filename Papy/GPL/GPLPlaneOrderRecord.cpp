#include "Papy/GPL/GPLPlaneOrderRecord.h"

#include "Papy/GPL/GPLTdoFile.h"
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

const GPLPlaneOrderKind GPLPlaneOrder2Kind = {11, "11", 2, {1, 0}};
const GPLPlaneOrderKind GPLPlaneOrder3Kind = {10, "10", 3, {2, 1, 0}};
const GPLPlaneOrderKind GPLPlaneOrder3CullFrontKind = {9, "9", 3, {0, 1, 2}};
const GPLPlaneOrderKind GPLPlaneOrder4CullFrontBackKind = {8, "8", 4, {3, 2, 1, 0}};
const GPLPlaneOrderKind GPLPlaneOrder2CullFrontBackKind = {7, "7", 2, {1, 0}};
const GPLPlaneOrderKind GPLPlaneCullFrontKind = {6, "6", 1, {0}};

GPLPlaneOrderRecord::GPLPlaneOrderRecord(const GPLPlaneOrderKind& kind, Util::RecordReader& reader) : Kind(kind)
{
    PlaneId = reader.ReadU32();
    for (U32 word = 0; word < kind.ChildCount; ++word)
        ChildIds[kind.SlotOfRecordWord[word]] = reader.ReadU32();
}

GPLPlaneOrderRecord::GPLPlaneOrderRecord(const GPLPlaneOrderKind& kind, U32 planeId, U32 child0, U32 child1,
                                         U32 child2, U32 child3)
    : Kind(kind), PlaneId(planeId), ChildIds{child0, child1, child2, child3}
{
}

void GPLPlaneOrderRecord::Write(GPLTdoFile& file, Util::BinaryStream& stream) const
{
    U8 record[24];
    Util::EncodeLE<U32>(Kind.TypeWord, record);
    Util::EncodeLE<U32>(PlaneId, record + 4);
    for (U32 word = 0; word < Kind.ChildCount; ++word)
        Util::EncodeLE<U32>(OffsetOf(file, ChildIds[Kind.SlotOfRecordWord[word]]), record + 8 + 4 * word);
    stream.Write(8 + 4 * Kind.ChildCount, record);
}
} // namespace Velmo::Papy
