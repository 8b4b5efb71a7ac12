#pragma once
// Texture vertices and up to 22 further per-vertex value channels, referenced by the floor
// and wall sections of a .ptf track.
//
// Record: 1, 0, 1, vertex count V, 3; two arrays u and v (a size word, 0 or V x 8, and that
// many bytes of doubles; both 0 when the node has no texture vertices); then channels 0 to 21,
// each a size word (0 = absent, else V x 8) and V doubles when present.
#include <vector>

#include "Papy/Model/ThreeDObjectTextureCoords.h"
#include "Papy/Model/TextureVertex.h"
#include "Papy/N4/N4ArchivedNode.h"
#include "Papy/N4/N4Node.h"

namespace Velmo::Papy
{
class N4TextureCoords : public N4Node<ThreeDObjectTextureCoords>
{
public:
    static constexpr const char* DescriptorName = "TextureCoordsDescriptor";
    static constexpr int ChannelCount = 22;

    N4TextureCoords(N4TdoFile& file, N4Archiver& archive, int id, U64 position);

    std::string GetType() const override { return "TextureCoords"; }
    // The integer list: the numbers of the present channels, ascending.
    int GetIntegerCount() const override { return int(m_channels.size()); }
    int GetInteger(int i) const override;
    // The float list: V values per present channel, in channel order.
    int GetFloatCount() const override { return int(m_channelValues.size()); }
    double GetFloat(int i) const override;
    void Write(Util::BinaryStream& stream, U32 offset) override;

    int GetVertexCount() const override { return m_vertexCount; }
    bool HasTextureVertices() const override { return !m_textureVertices.empty(); }
    TextureVertex GetTextureVertex(int i) const override;

private:
    int m_vertexCount = 0;
    std::vector<TextureVertex> m_textureVertices;
    std::vector<int> m_channels;
    std::vector<double> m_channelValues;
};

class N4ArchiverTextureCoords final : public N4ArchivedNode<N4TextureCoords>
{
};
extern const N4ArchiverTextureCoords g_N4ArchiverTextureCoords;
} // namespace Velmo::Papy
