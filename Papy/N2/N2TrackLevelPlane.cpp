#include "Papy/N2/N2TrackLevelPlane.h"

#include "Papy/N2/N2PlaneCullFront.h"
#include "Papy/N2/N2Record.h"

namespace Velmo::Papy
{
N2TrackLevelPlane::N2TrackLevelPlane(N2TdoFile& file, const N2PlaneCullFront& node)
    : N2Node(file, node.GetId(), U32(node.GetFileOffset())), m_childId(node.GetChildId()), m_plane(node.GetPlane())
{
    for (int i = 0; i < 5; ++i)
        m_planeWords[i] = node.GetPlaneWords()[i];
}

void N2TrackLevelPlane::Write(Util::BinaryStream& stream, U32 offset)
{
    SetFileOffset(offset);
    N2Record::Writer record(N2PlaneCullFrontKind.Type, 32);
    for (S32 word : m_planeWords)
        record.Word(word);
    record.Word(OffsetOf(m_childId));
    record.WriteTo(stream);
}
} // namespace Velmo::Papy
