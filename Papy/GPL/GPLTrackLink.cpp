#include "Papy/GPL/GPLTrackLink.h"

#include "Papy/GPL/GPLRecord.h"
#include "Util/Exception.h"

namespace Velmo::Papy
{
GPLTrackLink::GPLTrackLink(GPLTdoFile& file, const ThreeDObjectNumberList& nl)
    : GPLNode(file, nl.GetId(), U32(nl.GetFileOffset()))
{
    const int number_count = nl.GetNumberCount();
    VELMO_ASSERT(number_count == 4);
    for (int i = 0; i < LinkCount; ++i)
        m_links[i] = int(nl.GetNumber(i));
}

GPLTrackLink::GPLTrackLink(GPLTdoFile& file, int id, const int (&links)[LinkCount]) : GPLNode(file, id, 0)
{
    for (int i = 0; i < LinkCount; ++i)
        m_links[i] = links[i];
}

int GPLTrackLink::GetLink(int i) const
{
    VELMO_ASSERT(i >= 0 && i < LinkCount);
    return m_links[i];
}

void GPLTrackLink::Write(Util::BinaryStream& stream, U32 offset)
{
    SetFileOffset(offset);
    GPLRecord::Writer record(24);
    record.U32(16).U32(LinkCount);
    for (int link : m_links)
        record.U32(U32(link));
    record.WriteTo(stream);
}
} // namespace Velmo::Papy
