#include "Papy/GPL/GPLTrackSections.h"

#include "Papy/GPL/GPLListContents.h"
#include "Papy/GPL/GPLRecord.h"
#include "Util/Exception.h"

namespace Velmo::Papy
{
GPLTrackSections::GPLTrackSections(GPLTdoFile& file, const ThreeDObjectObjectList& ol)
    : GPLNode(file, ol.GetId(), U32(ol.GetFileOffset()))
{
    const int object_count = ol.GetChildCount();
    VELMO_ASSERT(object_count >= 3);
    std::vector<U32> ids = GPLListContents::ChildIds(ol);
    m_first = ids.front();
    m_last = ids.back();
    m_middle.assign(ids.begin() + 1, ids.end() - 1);
}

GPLTrackSections::GPLTrackSections(GPLTdoFile& file, int id, U32 first, std::vector<U32> middle, U32 last)
    : GPLNode(file, id, 0), m_first(first), m_middle(std::move(middle)), m_last(last)
{
}

Util::CountedPointer<ThreeDObject> GPLTrackSections::GetSection(int i) const
{
    VELMO_ASSERT(i >= 0 && i < GetSectionCount());
    return Child(m_middle[i]);
}

void GPLTrackSections::Write(Util::BinaryStream& stream, U32 offset)
{
    SetFileOffset(offset);
    GPLRecord::Writer record(4 * (m_middle.size() + 4));
    record.U32(4).U32(U32(m_middle.size() + 2)).U32(OffsetOf(m_first));
    for (U32 id : m_middle)
        record.U32(OffsetOf(id));
    record.U32(OffsetOf(m_last)).WriteTo(stream);
}
} // namespace Velmo::Papy
