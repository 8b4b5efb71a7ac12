#include "Papy/N4/N4TrackDetail.h"

#include "Util/Exception.h"

namespace Velmo::Papy
{
const N4ArchiverTrackDetail g_N4ArchiverTrackDetail;

namespace
{
constexpr U32 ArraySize = N4TrackDetail::VertexCount * sizeof(F64);
} // namespace

N4TrackDetail::N4TrackDetail(N4TdoFile& file, N4Archiver& archive, int id, U64 position)
    : N4Node(file, id, position)
{
    archive.Expect(1, "N4 ptf TrackDetail reserved0 not 1");
    archive.Expect(0, "N4 ptf TrackDetail reserved1 not 0");
    archive.Expect(0, "N4 ptf TrackDetail reserved2 not 0");
    m_appearance = archive.ReadObject();
    m_longitude = archive.ReadF64();
    m_latitude = archive.ReadF64();
    m_width = archive.ReadF64();
    m_height = archive.ReadF64();
    m_orientation = archive.ReadF64();
    F64 u[VertexCount];
    F64 v[VertexCount];
    VELMO_ASSERT_TEXT(archive.ReadU32() == ArraySize, "array_size == vertex_count * sizeof(F64)");
    archive.ReadF64s(VertexCount, u);
    VELMO_ASSERT_TEXT(archive.ReadU32() == ArraySize, "array_size == vertex_count * sizeof(F64)");
    archive.ReadF64s(VertexCount, v);
    for (int i = 0; i < VertexCount; ++i)
        m_textureVertices[i] = TextureVertex(u[i], v[i]);
}

TextureVertex N4TrackDetail::GetTextureVertex(int i) const
{
    VELMO_ASSERT(i >= 0 && i < VertexCount);
    return m_textureVertices[i];
}

void N4TrackDetail::Write(Util::BinaryStream& stream, U32)
{
    N4Archiver& archive = Archive();
    if (!archive.BeginObject(*this, g_N4ArchiverTrackDetail, m_fileOffset))
        return;
    archive.WriteS32(1);
    archive.WriteS32(0);
    archive.WriteS32(0);
    WriteChild(m_appearance, stream);
    archive.WriteF64(m_longitude);
    archive.WriteF64(m_latitude);
    archive.WriteF64(m_width);
    archive.WriteF64(m_height);
    archive.WriteF64(m_orientation);
    archive.WriteU32(ArraySize);
    for (const TextureVertex& t : m_textureVertices)
        archive.WriteF64(t.GetU());
    archive.WriteU32(ArraySize);
    for (const TextureVertex& t : m_textureVertices)
        archive.WriteF64(t.GetV());
}
} // namespace Velmo::Papy
