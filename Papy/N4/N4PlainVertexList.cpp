#include "Papy/N4/N4PlainVertexList.h"

#include "Util/Exception.h"

namespace Velmo::Papy
{
const N4ArchiverPlainVertexList g_N4ArchiverPlainVertexList;

namespace
{
const N4VertexData::Layout g_layout = {"N4 3do PlainVertexList reserved4 not 0", nullptr,
                                       "N4 3do PlainVertexList reserved5 not 3",
                                       "array_size == vertex_count * sizeof(F64)"};
}

N4PlainVertexList::N4PlainVertexList(N4TdoFile& file, N4Archiver& archive, int id, U64 position)
    : N4Node(file, id, position)
{
    archive.ReadHead(*this);
    U32 n = archive.ReadU32();
    m_data.Read(archive, n, g_layout);
}

N4PlainVertexList::N4PlainVertexList(N4TdoFile& file, int id, const std::vector<Vertex>& vertices,
                                     const std::vector<Normal>& normals,
                                     const std::vector<TextureVertex>& textureVertices,
                                     const std::vector<TextureVertex>& specularTextureVertices)
    : N4Node(file, id, 0), m_data(vertices, normals, textureVertices, specularTextureVertices)
{
}

void N4PlainVertexList::Write(Util::BinaryStream&, U32)
{
    N4Archiver& archive = Archive();
    if (!archive.BeginObject(*this, g_N4ArchiverPlainVertexList, m_fileOffset))
        return;
    archive.WriteHead(*this);
    archive.WriteU32(U32(m_data.GetVertexCount()));
    m_data.Write(archive, g_layout);
}
} // namespace Velmo::Papy
