#pragma once
// Per-vertex data of a mesh: positions, normals, up to two sets of texture coordinates and
// extra value channels (numbers 0 to 17, 20 and 21), each stored as separate arrays of
// doubles (all x, then all y, then all z; all u, then all v). An array is an int32 byte size
// and that many bytes. Record: 1, 0, version 1, 1, vertex count n, positions, 0, normals, 3,
// first texture set, channels 0-17, second texture set, channels 20-21. An absent texture set
// or channel is a size word 0.
#include <vector>

#include "Papy/Model/Normal.h"
#include "Papy/Model/TextureVertex.h"
#include "Papy/Model/ThreeDObjectVertices.h"
#include "Papy/Model/Vertex.h"
#include "Papy/N4/N4ArchivedNode.h"
#include "Papy/N4/N4Node.h"
#include "Papy/N4/N4VertexData.h"

namespace Velmo::Papy
{
class N4PlainVertexList : public N4Node<ThreeDObjectVertices>
{
public:
    static constexpr const char* DescriptorName = "PlainVertexListDescriptor";

    N4PlainVertexList(N4TdoFile& file, N4Archiver& archive, int id, U64 position);
    // The normals and each non-empty texture set must have one entry per vertex.
    N4PlainVertexList(N4TdoFile& file, int id, const std::vector<Vertex>& vertices, const std::vector<Normal>& normals,
                      const std::vector<TextureVertex>& textureVertices,
                      const std::vector<TextureVertex>& specularTextureVertices);

    std::string GetType() const override { return "PlainVertexList"; }
    void Write(Util::BinaryStream& stream, U32 offset) override;

    // The numbers of the present channels, ascending.
    int GetIntegerCount() const override { return m_data.GetIntegerCount(); }
    int GetInteger(int i) const override { return m_data.GetInteger(i); }
    int GetFloatCount() const override { return m_data.GetFloatCount(); }
    double GetFloat(int i) const override { return m_data.GetFloat(i); }

    int GetVertexCount() const override { return m_data.GetVertexCount(); }
    Vertex GetVertex(int i) const override { return m_data.GetVertex(i); }
    void SetVertex(int i, const Vertex& vertex) override { m_data.SetVertex(i, vertex); }
    Normal GetNormal(int i) const override { return m_data.GetNormal(i); }
    void SetNormal(int i, const Normal& normal) override { m_data.SetNormal(i, normal); }
    bool HasTextureVertices() const override { return m_data.HasTextureVertices(); }
    TextureVertex GetTextureVertex(int i) const override { return m_data.GetTextureVertex(i); }
    void SetTextureVertex(int i, const TextureVertex& vertex) override { m_data.SetTextureVertex(i, vertex); }
    bool HasSpecularTextureVertices() const override { return m_data.HasSpecularTextureVertices(); }
    TextureVertex GetSpecularTextureVertex(int i) const override { return m_data.GetSpecularTextureVertex(i); }
    void SetSpecularTextureVertex(int i, const TextureVertex& vertex) override
    {
        m_data.SetSpecularTextureVertex(i, vertex);
    }

    // The fixed fields that open the record (N4Archiver::ReadHead and WriteHead).
    template <class IO>
    void Head(IO& io)
    {
        io.Expect(1, "N4 3do PlainVertexList reserved0 not 1");
        io.Expect(0, "N4 3do PlainVertexList reserved1 not 0");
        io.Expect(1, "N4 3do PlainVertexList version not supported");
        io.Expect(1, "N4 3do PlainVertexList reserved3 not 1");
    }

private:
    N4VertexData m_data;
};

class N4ArchiverPlainVertexList final : public N4ArchivedNode<N4PlainVertexList>
{
};
extern const N4ArchiverPlainVertexList g_N4ArchiverPlainVertexList;
} // namespace Velmo::Papy
