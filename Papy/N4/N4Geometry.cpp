#include "Papy/N4/N4Geometry.h"

namespace Velmo::Papy
{
const N4ArchiverGeometry g_N4ArchiverGeometry;

N4Geometry::N4Geometry(N4TdoFile& file, N4Archiver& archive, int id, U64 position) : N4Node(file, id, position)
{
    archive.ReadHead(*this);
    m_first = archive.ReadObject();
    m_second = archive.ReadObject();
}

N4Geometry::N4Geometry(N4TdoFile& file, int id, int first, int second)
    : N4Node(file, id, 0), m_first(first), m_second(second)
{
}

void N4Geometry::Write(Util::BinaryStream& stream, U32)
{
    N4Archiver& archive = Archive();
    if (!archive.BeginObject(*this, g_N4ArchiverGeometry, m_fileOffset))
        return;
    archive.WriteHead(*this);
    WriteChild(m_first, stream);
    WriteChild(m_second, stream);
}
} // namespace Velmo::Papy
