#include "Papy/GPL/GPLCarRoot.h"

#include "Papy/GPL/GPLListContents.h"
#include "Papy/GPL/GPLRecord.h"
#include "Util/Exception.h"

namespace Velmo::Papy
{
GPLCarRoot::GPLCarRoot(GPLTdoFile& file, const ThreeDObjectObjectList& ol)
    : GPLNode(file, ol.GetId(), U32(ol.GetFileOffset()))
{
    VELMO_ASSERT(ol.GetChildCount() == 3);
    std::vector<U32> ids = GPLListContents::ChildIds(ol);
    for (int i = 0; i < 3; ++i)
        m_childIds[i] = ids[i];
}

void GPLCarRoot::Write(Util::BinaryStream& stream, U32 offset)
{
    SetFileOffset(offset);
    GPLRecord::Writer record;
    record.U32(4).U32(3);
    for (U32 id : m_childIds)
        record.U32(OffsetOf(id));
    record.WriteTo(stream);
}
} // namespace Velmo::Papy
