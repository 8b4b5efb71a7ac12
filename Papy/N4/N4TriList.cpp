#include "Papy/N4/N4TriList.h"

#include "Util/Exception.h"
#include "Util/WalkMeter.h"

namespace Velmo::Papy
{
const N4ArchiverTriList g_N4ArchiverTriList;

N4TriList::N4TriList(N4TdoFile& file, N4Archiver& archive, int id, U64 position) : N4Node(file, id, position)
{
    archive.Expect(1, "N4 3do TriList reserved0 not 1");
    archive.Expect(0, "N4 3do TriList reserved1 not 0");
    archive.Expect(1, "N4 3do TriList reserved2 not 1");
    archive.Expect(0, "N4 3do TriList reserved3 not 0");
    archive.Expect(1, "N4 3do TriList reserved4 not 1");
    U32 vertexCount = archive.ReadU32();
    if (vertexCount % 3 != 0)
        archive.Fail("N4 tdo TriList vertex count % 3 not zero");
    U32 byteCount = archive.ReadU32();
    VELMO_ASSERT_TEXT(byteCount == U64(vertexCount) * sizeof(U32), "byte_count == vertex_count * sizeof(U32)");
    m_indices = archive.ReadS32Vector(vertexCount);
}

N4TriList::N4TriList(N4TdoFile& file, int id, const std::vector<U32>& indices)
    : N4Node(file, id, 0), m_indices(indices.begin(), indices.end())
{
}

U32 N4TriList::GetIndex(int i) const
{
    Util::WalkMeter::Tick();
    VELMO_ASSERT(i >= 0 && size_t(i) < m_indices.size());
    return U32(m_indices[i]);
}

void N4TriList::SetIndex(int i, U32 index)
{
    VELMO_ASSERT(i >= 0 && size_t(i) < m_indices.size());
    m_indices[i] = S32(index);
}

void N4TriList::Write(Util::BinaryStream&, U32)
{
    N4Archiver& archive = Archive();
    if (!archive.BeginObject(*this, g_N4ArchiverTriList, m_fileOffset))
        return;
    for (S32 word : {1, 0, 1, 0, 1})
        archive.WriteS32(word);
    archive.WriteU32(U32(m_indices.size()));
    archive.WriteU32(U32(m_indices.size() * sizeof(U32)));
    archive.WriteS32s(m_indices.data(), m_indices.size());
}
} // namespace Velmo::Papy
