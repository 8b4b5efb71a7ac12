#include "Papy/N2/N2TrackSubSection1.h"

#include "Papy/N2/N2ObjectList.h"

namespace Velmo::Papy
{
N2TrackSubSection1::N2TrackSubSection1(N2TdoFile& file, const N2ObjectList& list, bool groove)
    : N2Node(file, list.GetId(), U32(list.GetFileOffset())), m_groove(groove)
{
    const std::vector<int>& ids = list.GetChildIds();
    const std::size_t object_count = ids.size();
    VELMO_ASSERT(object_count >= 3);
    m_firstId = ids.front();
    m_lastId = ids.back();
    const std::size_t middleEnd = groove ? object_count - 2 : object_count - 1;
    m_grooveId = groove ? ids[object_count - 2] : N2TdoFile::NullId;
    m_middleIds.assign(ids.begin() + 1, ids.begin() + std::ptrdiff_t(middleEnd));
}

Util::CountedPointer<ThreeDObject> N2TrackSubSection1::GetGrooveChild() const
{
    return Child(m_groove ? m_grooveId : N2TdoFile::NullId);
}

void N2TrackSubSection1::AppendChildIds(std::vector<U32>& ids) const
{
    ids.push_back(U32(m_firstId));
    for (int id : m_middleIds)
        ids.push_back(U32(id));
    if (m_groove)
        ids.push_back(U32(m_grooveId));
    ids.push_back(U32(m_lastId));
}

void N2TrackSubSection1::Write(Util::BinaryStream& stream, U32 offset)
{
    SetFileOffset(offset);
    std::vector<int> ids;
    ids.reserve(m_middleIds.size() + 3);
    ids.push_back(m_firstId);
    ids.insert(ids.end(), m_middleIds.begin(), m_middleIds.end());
    if (m_groove)
        ids.push_back(m_grooveId);
    ids.push_back(m_lastId);
    N2ObjectList::WriteList(GetFile(), ids, stream);
}
} // namespace Velmo::Papy
