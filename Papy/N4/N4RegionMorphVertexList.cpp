#include "Papy/N4/N4RegionMorphVertexList.h"

#include <algorithm>

#include "Papy/N4/N4VertexArrays.h"
#include "Util/Exception.h"

namespace Velmo::Papy
{
const N4ArchiverRegionMorphVertexList g_N4ArchiverRegionMorphVertexList;

namespace
{
const N4VertexData::Layout g_layout = {"N4 3do RegionMorphVertexList reserved4 not 0",
                                       "N4 3do RegionMorphVertexList reserved5 not 0",
                                       "N4 3do RegionMorphVertexList reserved6 not 3",
                                       "array_size == vertex_count* sizeof(F64)"};
}

N4RegionMorphVertexList::N4RegionMorphVertexList(N4TdoFile& file, N4Archiver& archive, int id, U64 position)
    : N4Node(file, id, position)
{
    archive.ReadHead(*this);
    U32 n = archive.ReadU32();

    m_data.Read(archive, n, g_layout);

    // The morphs are appended as they are read: a bad count runs into the end of the stream
    // instead of allocating for it.
    U32 morphCount = archive.ReadU32();
    for (U32 m = 0; m < morphCount; ++m)
    {
        m_morphNames.push_back(archive.ReadString());
        archive.Expect(8, "N4 3do RegionMorphVertexList reserved7 not 8");
        m_morphValues.push_back(archive.ReadS32());
        U32 k = archive.ReadU32();
        N4VertexArrays morphArrays(archive, k);
        auto checkMorphSize = [&](U32 size) {
            VELMO_ASSERT_TEXT(size == morphArrays.GetArraySize(), "array_size == vertex_count * sizeof(F64)");
        };
        morphArrays.ReadXyz(checkMorphSize, m_morphedVertices.emplace_back());
        archive.Expect(0, "N4 3do RegionMorphVertexList reserved8 not 0");
        morphArrays.ReadXyz(checkMorphSize, m_morphedNormals.emplace_back());
        archive.Expect(0, "N4 3do RegionMorphVertexList reserved9 not 0");
        U32 size = archive.ReadU32();
        VELMO_ASSERT_TEXT(size == U64(k) * sizeof(U32), "array_size == vertex_count * sizeof(U32)");
        std::vector<S32> indices = archive.ReadS32Vector(k);
        MorphedIndices.emplace_back(indices.begin(), indices.end());
    }
}

std::string N4RegionMorphVertexList::GetMorphName(int m) const
{
    VELMO_ASSERT(m >= 0 && size_t(m) < m_morphNames.size());
    return m_morphNames[m];
}

int N4RegionMorphVertexList::GetMorphValue(int m) const
{
    VELMO_ASSERT(m >= 0 && size_t(m) < m_morphValues.size());
    return m_morphValues[m];
}

size_t N4RegionMorphVertexList::FindMorphed(int m, int v) const
{
    VELMO_ASSERT(m >= 0 && size_t(m) < MorphedIndices.size());
    const std::vector<int>& indices = MorphedIndices[m];
    return size_t(std::find(indices.begin(), indices.end(), v) - indices.begin());
}

bool N4RegionMorphVertexList::IsMorphed(int m, int v) const
{
    return FindMorphed(m, v) < MorphedIndices[m].size();
}

Vertex N4RegionMorphVertexList::GetMorphedVertex(int m, int v) const
{
    size_t index = FindMorphed(m, v);
    VELMO_ASSERT_TEXT(index < MorphedIndices[m].size(), "index < MorphedIndices[i].size()");
    return m_morphedVertices[m][index];
}

Normal N4RegionMorphVertexList::GetMorphedNormal(int m, int v) const
{
    size_t index = FindMorphed(m, v);
    VELMO_ASSERT_TEXT(index < MorphedIndices[m].size(), "index < MorphedIndices[i].size()");
    return m_morphedNormals[m][index];
}

void N4RegionMorphVertexList::Write(Util::BinaryStream&, U32)
{
    N4Archiver& archive = Archive();
    if (!archive.BeginObject(*this, g_N4ArchiverRegionMorphVertexList, m_fileOffset))
        return;
    archive.WriteHead(*this);
    archive.WriteU32(U32(m_data.GetVertexCount()));
    m_data.Write(archive, g_layout);
    archive.WriteU32(U32(m_morphNames.size()));
    for (size_t m = 0; m < m_morphNames.size(); ++m)
    {
        archive.WriteString(m_morphNames[m]);
        archive.WriteS32(8);
        archive.WriteS32(m_morphValues[m]);
        archive.WriteU32(U32(m_morphedVertices[m].size()));
        N4VertexArrays::WriteXyz(archive, m_morphedVertices[m]);
        archive.WriteS32(0);
        N4VertexArrays::WriteXyz(archive, m_morphedNormals[m]);
        archive.WriteS32(0);
        const std::vector<int>& indices = MorphedIndices[m];
        archive.WriteU32(U32(indices.size() * sizeof(U32)));
        for (int index : indices)
            archive.WriteS32(index);
    }
}
} // namespace Velmo::Papy
