#include "Papy/N4/N4VertexData.h"

#include "Papy/N4/N4VertexArrays.h"
#include "Util/Exception.h"
#include "Util/WalkMeter.h"

namespace Velmo::Papy
{
N4VertexData::N4VertexData(const std::vector<Vertex>& vertices, const std::vector<Normal>& normals,
                           const std::vector<TextureVertex>& textureVertices,
                           const std::vector<TextureVertex>& specularTextureVertices)
    : m_vertices(vertices), m_normals(normals), m_textureVertices(textureVertices),
      m_specularTextureVertices(specularTextureVertices)
{
    VELMO_ASSERT(m_normals.size() == m_vertices.size());
    VELMO_ASSERT(m_textureVertices.empty() || m_textureVertices.size() == m_vertices.size());
    VELMO_ASSERT(m_specularTextureVertices.empty() || m_specularTextureVertices.size() == m_vertices.size());
}

void N4VertexData::Read(N4Archiver& archive, U32 n, const Layout& layout)
{
    N4VertexArrays arrays(archive, n);
    auto checkSize = [&](U32 size) {
        VELMO_ASSERT_TEXT(size == arrays.GetArraySize(), "array_size == vertex_count * sizeof(F64)");
    };
    auto checkChannel = [&](U32 size) { VELMO_ASSERT_TEXT(size == arrays.GetArraySize(), layout.channelSize); };
    auto checkSecondEmpty = [](U32 size) { VELMO_ASSERT_TEXT(size == 0, "array_size ==0"); };
    arrays.ReadXyz(checkSize, m_vertices);
    archive.Expect(0, layout.afterPoints);
    arrays.ReadXyz(checkSize, m_normals);
    if (layout.extraZero != nullptr)
        archive.Expect(0, layout.extraZero);
    archive.Expect(3, layout.three);
    arrays.ReadUv(checkSize, checkSecondEmpty, m_textureVertices);
    arrays.ReadChannels(checkChannel, 0, 18, m_channels, m_channelValues);
    arrays.ReadUv(checkSize, checkSecondEmpty, m_specularTextureVertices);
    arrays.ReadChannels(checkChannel, 20, 22, m_channels, m_channelValues);
}

void N4VertexData::Write(N4Archiver& archive, const Layout& layout) const
{
    U32 n = U32(m_vertices.size());
    N4VertexArrays::WriteXyz(archive, m_vertices);
    archive.WriteS32(0);
    N4VertexArrays::WriteXyz(archive, m_normals);
    if (layout.extraZero != nullptr)
        archive.WriteS32(0);
    archive.WriteS32(3);
    N4VertexArrays::WriteUv(archive, m_textureVertices);
    size_t next = 0;
    N4VertexArrays::WriteChannels(archive, n, 0, 18, m_channels, m_channelValues, next);
    N4VertexArrays::WriteUv(archive, m_specularTextureVertices);
    N4VertexArrays::WriteChannels(archive, n, 20, 22, m_channels, m_channelValues, next);
}

int N4VertexData::GetInteger(int i) const
{
    VELMO_ASSERT(i >= 0 && size_t(i) < m_channels.size());
    return m_channels[i];
}

double N4VertexData::GetFloat(int i) const
{
    VELMO_ASSERT(i >= 0 && size_t(i) < m_channelValues.size());
    return m_channelValues[i];
}

Vertex N4VertexData::GetVertex(int i) const
{
    Util::WalkMeter::Tick();
    VELMO_ASSERT(i >= 0 && size_t(i) < m_vertices.size());
    return m_vertices[i];
}

void N4VertexData::SetVertex(int i, const Vertex& vertex)
{
    VELMO_ASSERT(i >= 0 && size_t(i) < m_vertices.size());
    m_vertices[i] = vertex;
}

Normal N4VertexData::GetNormal(int i) const
{
    Util::WalkMeter::Tick();
    VELMO_ASSERT(i >= 0 && size_t(i) < m_normals.size());
    return m_normals[i];
}

void N4VertexData::SetNormal(int i, const Normal& normal)
{
    VELMO_ASSERT(i >= 0 && size_t(i) < m_normals.size());
    m_normals[i] = normal;
}

TextureVertex N4VertexData::GetTextureVertex(int i) const
{
    Util::WalkMeter::Tick();
    VELMO_ASSERT(i >= 0 && size_t(i) < m_textureVertices.size());
    return m_textureVertices[i];
}

void N4VertexData::SetTextureVertex(int i, const TextureVertex& vertex)
{
    VELMO_ASSERT(i >= 0 && size_t(i) < m_textureVertices.size());
    m_textureVertices[i] = vertex;
}

TextureVertex N4VertexData::GetSpecularTextureVertex(int i) const
{
    Util::WalkMeter::Tick();
    VELMO_ASSERT(i >= 0 && size_t(i) < m_specularTextureVertices.size());
    return m_specularTextureVertices[i];
}

void N4VertexData::SetSpecularTextureVertex(int i, const TextureVertex& vertex)
{
    VELMO_ASSERT(i >= 0 && size_t(i) < m_specularTextureVertices.size());
    m_specularTextureVertices[i] = vertex;
}
} // namespace Velmo::Papy
