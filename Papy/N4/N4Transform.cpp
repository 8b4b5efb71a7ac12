#include "Papy/N4/N4Transform.h"

namespace Velmo::Papy
{
const N4ArchiverTransform g_N4ArchiverTransform;

N4Transform::N4Transform(N4TdoFile& file, N4Archiver& archive, int id, U64 position) : N4Node(file, id, position)
{
    archive.ReadHead(*this);
    m_child = archive.ReadObject();
}

void N4Transform::Write(Util::BinaryStream& stream, U32)
{
    N4Archiver& archive = Archive();
    if (!archive.BeginObject(*this, g_N4ArchiverTransform, m_fileOffset))
        return;
    archive.WriteHead(*this);
    WriteChild(m_child, stream);
}
} // namespace Velmo::Papy
