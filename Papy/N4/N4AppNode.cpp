#include "Papy/N4/N4AppNode.h"

#include "Util/Exception.h"

namespace Velmo::Papy
{
const N4ArchiverAppNode g_N4ArchiverAppNode;

N4AppNode::N4AppNode(N4TdoFile& file, N4Archiver& archive, int id, U64 position) : N4Node(file, id, position)
{
    archive.ReadHead(*this);
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
    archive.WriteHead(*this);
    WriteChild(m_child, stream);
}
} // namespace Velmo::Papy
