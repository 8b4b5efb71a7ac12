#include "Papy/N4/N4Portal.h"

#include "Util/Exception.h"
#include "Util/WalkMeter.h"

namespace Velmo::Papy
{
const N4ArchiverPortal g_N4ArchiverPortal;

N4Portal::N4Portal(N4TdoFile& file, N4Archiver& archive, int id, U64 position) : N4Node(file, id, position)
{
    archive.ReadHead(*this);
    m_vertices = archive.ReadObject();
    U32 count = archive.ReadU32();
    if (count % 3 != 0)
        archive.Fail("N4 tdo Portal vertex count % 3 not zero");
    U32 bytes = archive.ReadU32();
    VELMO_ASSERT_TEXT(U64(bytes) == U64(count) * sizeof(U32), "array_size == vertex_count * sizeof(U32)");
    m_indices = archive.ReadS32Vector(count);
}

int N4Portal::GetIndex(int i) const
{
    Util::WalkMeter::Tick();
    VELMO_ASSERT(i >= 0 && i < int(m_indices.size()));
    return m_indices[i];
}

void N4Portal::Write(Util::BinaryStream& stream, U32)
{
    N4Archiver& archive = Archive();
    if (!archive.BeginObject(*this, g_N4ArchiverPortal, m_fileOffset))
        return;
    archive.WriteHead(*this);
    WriteChild(m_vertices, stream);
    archive.WriteU32(U32(m_indices.size()));
    archive.WriteU32(U32(m_indices.size() * sizeof(U32)));
    archive.WriteS32s(m_indices.data(), m_indices.size());
}
} // namespace Velmo::Papy
