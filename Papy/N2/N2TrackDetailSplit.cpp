#include "Papy/N2/N2TrackDetailSplit.h"

#include "Papy/N2/N2ObjectList.h"

namespace Velmo::Papy
{
namespace
{
constexpr int GroupStart[3] = {0, 4, 6};
constexpr int GroupSize[3] = {4, 2, 1};
} // namespace

N2TrackDetailSplit::N2TrackDetailSplit(N2TdoFile& file, const N2ObjectList& list)
    : N2Node(file, list.GetId(), U32(list.GetFileOffset()))
{
    const std::size_t object_count = list.GetChildIds().size();
    VELMO_ASSERT(object_count == 8);
    m_childIds = list.GetChildIds();
}

int N2TrackDetailSplit::GetLevelChildCount(int level) const
{
    return level >= 0 && level < 3 ? GroupSize[level] : 0;
}

Util::CountedPointer<ThreeDObject> N2TrackDetailSplit::GetLevelChild(int level, int i) const
{
    if (level < 0 || level >= 3)
        Util::ThrowAssertion("false", VELMO_SOURCE_UNIT, __LINE__);
    VELMO_ASSERT(i >= 0 && i < GroupSize[level]);
    return Child(m_childIds[std::size_t(GroupStart[level] + i)]);
}

void N2TrackDetailSplit::AppendChildIds(std::vector<U32>& ids) const
{
    for (int id : m_childIds)
        ids.push_back(U32(id));
}

void N2TrackDetailSplit::Write(Util::BinaryStream& stream, U32 offset)
{
    SetFileOffset(offset);
    N2ObjectList::WriteList(GetFile(), m_childIds, stream);
}
} // namespace Velmo::Papy
