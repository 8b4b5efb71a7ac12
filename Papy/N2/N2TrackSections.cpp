#include "Papy/N2/N2TrackSections.h"

#include "Papy/N2/N2ObjectList.h"

namespace Velmo::Papy
{
N2TrackSections::N2TrackSections(N2TdoFile& file, const N2ObjectList& list)
    : N2Node(file, list.GetId(), U32(list.GetFileOffset()))
{
    const std::vector<int>& ids = list.GetChildIds();
    const std::size_t object_count = ids.size();
    VELMO_ASSERT(object_count >= 2);
    m_indexId = ids[0];
    m_sectionIds.assign(ids.begin() + 1, ids.end());
}

Util::CountedPointer<ThreeDObject> N2TrackSections::GetTracksideObjects() const
{
    return Util::CountedPointer<ThreeDObject>(GetFile().GetNull());
}

void N2TrackSections::AppendChildIds(std::vector<U32>& ids) const
{
    ids.push_back(U32(m_indexId));
    for (int id : m_sectionIds)
        ids.push_back(U32(id));
}

void N2TrackSections::Write(Util::BinaryStream& stream, U32 offset)
{
    SetFileOffset(offset);
    std::vector<int> ids;
    ids.reserve(1 + m_sectionIds.size());
    ids.push_back(m_indexId);
    ids.insert(ids.end(), m_sectionIds.begin(), m_sectionIds.end());
    N2ObjectList::WriteList(GetFile(), ids, stream);
}
} // namespace Velmo::Papy
