#include "Papy/GPL/GPLTrackDetailSplit.h"

#include "Papy/GPL/GPLListContents.h"
#include "Papy/GPL/GPLRecord.h"
#include "Util/Exception.h"

namespace Velmo::Papy
{
namespace
{
constexpr int LevelCount = 3;
constexpr int LevelSize[LevelCount] = {4, 2, 1};
constexpr int LevelBase[LevelCount] = {0, 4, 6};
} // namespace

GPLTrackDetailSplit::GPLTrackDetailSplit(GPLTdoFile& file, const ThreeDObjectObjectList& ol)
    : GPLNode(file, ol.GetId(), U32(ol.GetFileOffset()))
{
    const int object_count = ol.GetChildCount();
    VELMO_ASSERT(object_count == 8);
    std::vector<U32> ids = GPLListContents::ChildIds(ol);
    for (int i = 0; i < 7; ++i)
        m_levelChildIds[i] = ids[i];
    m_links = ids[7];
}

GPLTrackDetailSplit::GPLTrackDetailSplit(GPLTdoFile& file, int id, const U32 (&levelChildIds)[7], U32 links)
    : GPLNode(file, id, 0), m_links(links)
{
    for (int i = 0; i < 7; ++i)
        m_levelChildIds[i] = levelChildIds[i];
}

int GPLTrackDetailSplit::GetLevelChildCount(int level) const
{
    return level >= 0 && level < LevelCount ? LevelSize[level] : 0;
}

Util::CountedPointer<ThreeDObject> GPLTrackDetailSplit::GetLevelChild(int level, int i) const
{
    VELMO_ASSERT_TEXT(level >= 0 && level < LevelCount, "false");
    VELMO_ASSERT(i >= 0 && i < LevelSize[level]);
    return Child(m_levelChildIds[LevelBase[level] + i]);
}

void GPLTrackDetailSplit::Write(Util::BinaryStream& stream, U32 offset)
{
    SetFileOffset(offset);
    GPLRecord::Writer record(40);
    record.U32(4).U32(8);
    for (U32 id : m_levelChildIds)
        record.U32(OffsetOf(id));
    record.U32(OffsetOf(m_links)).WriteTo(stream);
}
} // namespace Velmo::Papy
