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
    int GetIntegerCount() const override { return int(m_channels.size()); }
    int GetInteger(int i) const override;
    // The values of the present channels, n per channel, in channel order.
    int GetFloatCount() const override { return int(m_channelValues.size()); }
    double GetFloat(int i) const override;

    int GetVertexCount() const override { return int(m_vertices.size()); }
    Vertex GetVertex(int i) const override;
    void SetVertex(int i, const Vertex& vertex) override;
    Normal GetNormal(int i) const override;
    void SetNormal(int i, const Normal& normal) override;
    bool HasTextureVertices() const override { return !m_textureVertices.empty(); }
    TextureVertex GetTextureVertex(int i) const override;
    void SetTextureVertex(int i, const TextureVertex& vertex) override;
    bool HasSpecularTextureVertices() const override { return !m_specularTextureVertices.empty(); }
    TextureVertex GetSpecularTextureVertex(int i) const override;
    void SetSpecularTextureVertex(int i, const TextureVertex& vertex) override;

private:
    std::vector<Vertex> m_vertices;
    std::vector<Normal> m_normals;
    std::vector<TextureVertex> m_textureVertices;
    std::vector<TextureVertex> m_specularTextureVertices;
    std::vector<int> m_channels;
    std::vector<double> m_channelValues;
};

class N4ArchiverPlainVertexList final : public N4ArchivedNode<N4PlainVertexList>
{
};
extern const N4ArchiverPlainVertexList g_N4ArchiverPlainVertexList;
} // namespace Velmo::Papy
