#include "Papy/N2/N2TrackLink.h"

#include "Papy/N2/N2NumberList.h"

namespace Velmo::Papy
{
N2TrackLink::N2TrackLink(N2TdoFile& file, const N2NumberList& nl)
    : N2Node(file, nl.GetId(), U32(nl.GetFileOffset()))
{
    VELMO_ASSERT(nl.GetNumberCount() == 4);
    m_links = nl.GetNumbers();
}

void N2TrackLink::Write(Util::BinaryStream& stream, U32 offset)
{
    SetFileOffset(offset);
    N2NumberList::WriteList(m_links, stream);
}
} // namespace Velmo::Papy
