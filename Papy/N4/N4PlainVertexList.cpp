#include "Papy/N4/N4PlainVertexList.h"

#include "Papy/N4/N4VertexArrays.h"
#include "Util/Exception.h"

namespace Velmo::Papy
{
const N4ArchiverPlainVertexList g_N4ArchiverPlainVertexList;

namespace
{
const char* const ArraySize = "array_size == vertex_count * sizeof(F64)";
}

N4PlainVertexList::N4PlainVertexList(N4TdoFile& file, N4Archiver& archive, int id, U64 position)
    : N4Node(file, id, position)
{
    archive.Expect(1, "N4 3do PlainVertexList reserved0 not 1");
    archive.Expect(0, "N4 3do PlainVertexList reserved1 not 0");
    archive.Expect(1, "N4 3do PlainVertexList version not supported");
    archive.Expect(1, "N4 3do PlainVertexList reserved3 not 1");
    U32 n = archive.ReadU32();

    N4VertexArrays arrays(archive, n);
    auto checkSize = [&](U32 size) { VELMO_ASSERT_TEXT(size == arrays.GetArraySize(), ArraySize); };
    arrays.ReadXyz(checkSize, m_vertices);
    archive.Expect(0, "N4 3do PlainVertexList reserved4 not 0");
    arrays.ReadXyz(checkSize, m_normals);
    archive.Expect(3, "N4 3do PlainVertexList reserved5 not 3");
    auto checkSecondEmpty = [](U32 size) { VELMO_ASSERT_TEXT(size == 0, "array_size ==0"); };
    arrays.ReadUv(checkSize, checkSecondEmpty, m_textureVertices);
    arrays.ReadChannels(checkSize, 0, 18, m_channels, m_channelValues);
    arrays.ReadUv(checkSize, checkSecondEmpty, m_specularTextureVertices);
    arrays.ReadChannels(checkSize, 20, 22, m_channels, m_channelValues);
}

N4PlainVertexList::N4PlainVertexList(N4TdoFile& file, int id, const std::vector<Vertex>& vertices,
                                     const std::vector<Normal>& normals,
                                     const std::vector<TextureVertex>& textureVertices,
                                     const std::vector<TextureVertex>& specularTextureVertices)
    : N4Node(file, id, 0), m_vertices(vertices), m_normals(normals), m_textureVertices(textureVertices),
      m_specularTextureVertices(specularTextureVertices)
{
    VELMO_ASSERT(m_normals.size() == m_vertices.size());
    VELMO_ASSERT(m_textureVertices.empty() || m_textureVertices.size() == m_vertices.size());
    VELMO_ASSERT(m_specularTextureVertices.empty() || m_specularTextureVertices.size() == m_vertices.size());
}

int N4PlainVertexList::GetInteger(int i) const
{
    VELMO_ASSERT(i >= 0 && size_t(i) < m_channels.size());
    return m_channels[i];
}

double N4PlainVertexList::GetFloat(int i) const
{
    VELMO_ASSERT(i >= 0 && size_t(i) < m_channelValues.size());
    return m_channelValues[i];
}

Vertex N4PlainVertexList::GetVertex(int i) const
{
    VELMO_ASSERT(i >= 0 && size_t(i) < m_vertices.size());
    return m_vertices[i];
}

void N4PlainVertexList::SetVertex(int i, const Vertex& vertex)
{
    VELMO_ASSERT(i >= 0 && size_t(i) < m_vertices.size());
    m_vertices[i] = vertex;
}

Normal N4PlainVertexList::GetNormal(int i) const
{
    VELMO_ASSERT(i >= 0 && size_t(i) < m_normals.size());
    return m_normals[i];
}

void N4PlainVertexList::SetNormal(int i, const Normal& normal)
{
    VELMO_ASSERT(i >= 0 && size_t(i) < m_normals.size());
    m_normals[i] = normal;
}

TextureVertex N4PlainVertexList::GetTextureVertex(int i) const
{
    VELMO_ASSERT(i >= 0 && size_t(i) < m_textureVertices.size());
    return m_textureVertices[i];
}

void N4PlainVertexList::SetTextureVertex(int i, const TextureVertex& vertex)
{
    VELMO_ASSERT(i >= 0 && size_t(i) < m_textureVertices.size());
    m_textureVertices[i] = vertex;
}

TextureVertex N4PlainVertexList::GetSpecularTextureVertex(int i) const
{
    VELMO_ASSERT(i >= 0 && size_t(i) < m_specularTextureVertices.size());
    return m_specularTextureVertices[i];
}

void N4PlainVertexList::SetSpecularTextureVertex(int i, const TextureVertex& vertex)
{
    VELMO_ASSERT(i >= 0 && size_t(i) < m_specularTextureVertices.size());
    m_specularTextureVertices[i] = vertex;
}

void N4PlainVertexList::Write(Util::BinaryStream&, U32)
{
    N4Archiver& archive = Archive();
    if (!archive.BeginObject(*this, g_N4ArchiverPlainVertexList, m_fileOffset))
        return;
    U32 n = U32(m_vertices.size());
    for (S32 word : {1, 0, 1, 1})
        archive.WriteS32(word);
    archive.WriteU32(n);
    N4VertexArrays::WriteXyz(archive, m_vertices);
    archive.WriteS32(0);
    N4VertexArrays::WriteXyz(archive, m_normals);
    archive.WriteS32(3);
    N4VertexArrays::WriteUv(archive, m_textureVertices);
    size_t next = 0;
    N4VertexArrays::WriteChannels(archive, n, 0, 18, m_channels, m_channelValues, next);
    N4VertexArrays::WriteUv(archive, m_specularTextureVertices);
    N4VertexArrays::WriteChannels(archive, n, 20, 22, m_channels, m_channelValues, next);
}
} // namespace Velmo::Papy
