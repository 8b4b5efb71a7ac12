#include "Papy/N2/N2TrackIndex.h"

#include "Papy/N2/N2NumberList.h"

namespace Velmo::Papy
{
N2TrackIndex::N2TrackIndex(N2TdoFile& file, const N2NumberList& list)
    : N2Node(file, list.GetId(), U32(list.GetFileOffset())), m_numbers(list.GetNumbers())
{
}

void N2TrackIndex::Write(Util::BinaryStream& stream, U32 offset)
{
    SetFileOffset(offset);
    N2NumberList::WriteList(m_numbers, stream);
}
} // namespace Velmo::Papy
