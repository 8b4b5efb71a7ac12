#include "Papy/N4/N4Billboard.h"

namespace Velmo::Papy
{
const N4ArchiverBillboard g_N4ArchiverBillboard;

N4Billboard::N4Billboard(N4TdoFile& file, N4Archiver& archive, int id, U64 position) : N4Node(file, id, position)
{
    archive.ReadHead(*this);
    m_child = archive.ReadObject();
}

void N4Billboard::Write(Util::BinaryStream& stream, U32)
{
    N4Archiver& archive = Archive();
    if (!archive.BeginObject(*this, g_N4ArchiverBillboard, m_fileOffset))
        return;
    archive.WriteHead(*this);
    WriteChild(m_child, stream);
}
} // namespace Velmo::Papy
