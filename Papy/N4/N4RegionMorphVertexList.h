#pragma once
// A vertex list whose vertices can be morphed: base positions, normals, texture and specular
// highlight texture coordinates and extra channels as in the plain vertex list, then named
// morphs, each replacing the position and normal of some base vertices.
//
// Record: 1, 0, 1, 1, vertex count N, positions, 0, normals, 0, 3, texture set, channels 0-17,
// specular set, channels 20-21, morph count M, M morphs. A morph: name, 8, value, count K, K
// positions, 0, K normals, 0, byte size K x 4 and K base-vertex numbers (entry k says which
// base vertex the k-th morphed position and normal replace).
#include <string>
#include <vector>

#include "Papy/Model/Normal.h"
#include "Papy/Model/TextureVertex.h"
#include "Papy/Model/ThreeDObjectMorphVertices.h"
#include "Papy/Model/Vertex.h"
#include "Papy/N4/N4ArchivedNode.h"
#include "Papy/N4/N4Node.h"
#include "Papy/N4/N4VertexData.h"

namespace Velmo::Papy
{
class N4RegionMorphVertexList : public N4Node<ThreeDObjectMorphVertices>
{
public:
    static constexpr const char* DescriptorName = "RegionMorphVertexListDescriptor";

    N4RegionMorphVertexList(N4TdoFile& file, N4Archiver& archive, int id, U64 position);

    std::string GetType() const override { return "RegionMorphVertexList"; }
    void Write(Util::BinaryStream& stream, U32 offset) override;

    int GetIntegerCount() const override { return m_data.GetIntegerCount(); }
    int GetInteger(int i) const override { return m_data.GetInteger(i); }
    int GetFloatCount() const override { return m_data.GetFloatCount(); }
    double GetFloat(int i) const override { return m_data.GetFloat(i); }

    int GetVertexCount() const override { return m_data.GetVertexCount(); }
    Vertex GetVertex(int i) const override { return m_data.GetVertex(i); }
    Normal GetNormal(int i) const override { return m_data.GetNormal(i); }
    bool HasTextureVertices() const override { return m_data.HasTextureVertices(); }
    TextureVertex GetTextureVertex(int i) const override { return m_data.GetTextureVertex(i); }
    bool HasSpecularTextureVertices() const override { return m_data.HasSpecularTextureVertices(); }
    TextureVertex GetSpecularTextureVertex(int i) const override { return m_data.GetSpecularTextureVertex(i); }
    int GetMorphCount() const override { return int(m_morphNames.size()); }
    std::string GetMorphName(int m) const override;
    int GetMorphValue(int m) const override;
    // Whether morph m replaces base vertex v (the first entry for v counts).
    bool IsMorphed(int m, int v) const override;
    Vertex GetMorphedVertex(int m, int v) const override;
    Normal GetMorphedNormal(int m, int v) const override;

    // The fixed fields that open the record (N4Archiver::ReadHead and WriteHead).
    template <class IO>
    void Head(IO& io)
    {
        io.Expect(1, "N4 3do RegionMorphVertexList reserved0 not 1");
        io.Expect(0, "N4 3do RegionMorphVertexList reserved1 not 0");
        io.Expect(1, "N4 3do RegionMorphVertexList reserved2 not 1");
        io.Expect(1, "N4 3do RegionMorphVertexList reserved3 not 1");
    }

private:
    // The position of base vertex v in the morph's list (its size when v is not in it).
    size_t FindMorphed(int m, int v) const;

    N4VertexData m_data;
    std::vector<std::string> m_morphNames;
    std::vector<int> m_morphValues;
    std::vector<std::vector<Vertex>> m_morphedVertices;
    std::vector<std::vector<Normal>> m_morphedNormals;
    std::vector<std::vector<int>> MorphedIndices;
};

class N4ArchiverRegionMorphVertexList final : public N4ArchivedNode<N4RegionMorphVertexList>
{
};
extern const N4ArchiverRegionMorphVertexList g_N4ArchiverRegionMorphVertexList;
} // namespace Velmo::Papy
