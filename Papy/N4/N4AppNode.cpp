#include "Papy/N4/N4AppNode.h"

#include "Util/Exception.h"

namespace Velmo::Papy
{
const N4ArchiverAppNode g_N4ArchiverAppNode;

N4AppNode::N4AppNode(N4TdoFile& file, N4Archiver& archive, int id, U64 position) : N4Node(file, id, position)
{
    archive.Expect(1, "N4 3do AppNode reserved0 not 1");
    archive.Expect(0, "N4 3do AppNode reserved1 not 0");
    archive.Expect(1, "N4 3do AppNode unsupported version");
    for (S32& value : m_integers)
        value = archive.ReadS32();
    m_text = archive.ReadString();
    m_child = archive.ReadObject();
}

int N4AppNode::GetInteger(int i) const
{
    VELMO_ASSERT(i >= 0 && i < 15);
    return m_integers[i];
}

void N4AppNode::Write(Util::BinaryStream& stream, U32)
{
    N4Archiver& archive = Archive();
    if (!archive.BeginObject(*this, g_N4ArchiverAppNode, m_fileOffset))
        return;
    archive.WriteS32(1);
    archive.WriteS32(0);
    archive.WriteS32(1);
    archive.WriteS32s(m_integers, 15);
    archive.WriteString(m_text);
    WriteChild(m_child, stream);
}
} // namespace Velmo::Papy
