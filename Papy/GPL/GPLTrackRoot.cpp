#include "Papy/GPL/GPLTrackRoot.h"

#include "Papy/GPL/GPLListContents.h"
#include "Papy/GPL/GPLRecord.h"
#include "Util/Exception.h"

namespace Velmo::Papy
{
GPLTrackRoot::GPLTrackRoot(GPLTdoFile& file, const ThreeDObjectObjectList& ol)
    : GPLNode(file, ol.GetId(), U32(ol.GetFileOffset()))
{
    VELMO_ASSERT(ol.GetChildCount() == 2);
    std::vector<U32> ids = GPLListContents::ChildIds(ol);
    m_childIds[0] = ids[0];
    m_childIds[1] = ids[1];
}

GPLTrackRoot::GPLTrackRoot(GPLTdoFile& file, int id, U32 child, U32 drawingDistances)
    : GPLNode(file, id, 0), m_childIds{child, drawingDistances}
{
}

void GPLTrackRoot::Write(Util::BinaryStream& stream, U32 offset)
{
    SetFileOffset(offset);
    GPLRecord::Writer().U32(4).U32(2).U32(OffsetOf(m_childIds[0])).U32(OffsetOf(m_childIds[1])).WriteTo(stream);
}
} // namespace Velmo::Papy
