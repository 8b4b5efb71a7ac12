#pragma once
// The per-vertex data that both N4 vertex lists hold and store alike: points, normals, two
// optional texture sets and the optional value channels, in the record order
//   points, reserved 0, normals, [reserved 0,] reserved 3,
//   texture set, channels 0-17, specular texture set, channels 20-21.
// The morph list has the one extra reserved word; each list names its own reserved words.
#include <vector>

#include "Papy/Model/Normal.h"
#include "Papy/Model/TextureVertex.h"
#include "Papy/Model/Vertex.h"
#include "Papy/N4/N4Archiver.h"

namespace Velmo::Papy
{
class N4VertexData
{
public:
    // The messages of a list's reserved words after the points and normals, and the
    // assertion text of its channel size words. extraZero is null when the list has no
    // reserved 0 word before the 3.
    struct Layout
    {
        const char* afterPoints;
        const char* extraZero;
        const char* three;
        const char* channelSize;
    };

    N4VertexData() = default;
    N4VertexData(const std::vector<Vertex>& vertices, const std::vector<Normal>& normals,
                 const std::vector<TextureVertex>& textureVertices,
                 const std::vector<TextureVertex>& specularTextureVertices);

    // Reads the data of n vertices.
    void Read(N4Archiver& archive, U32 n, const Layout& layout);
    void Write(N4Archiver& archive, const Layout& layout) const;

    int GetIntegerCount() const { return int(m_channels.size()); }
    int GetInteger(int i) const;
    int GetFloatCount() const { return int(m_channelValues.size()); }
    double GetFloat(int i) const;

    int GetVertexCount() const { return int(m_vertices.size()); }
    Vertex GetVertex(int i) const;
    void SetVertex(int i, const Vertex& vertex);
    Normal GetNormal(int i) const;
    void SetNormal(int i, const Normal& normal);
    bool HasTextureVertices() const { return !m_textureVertices.empty(); }
    TextureVertex GetTextureVertex(int i) const;
    void SetTextureVertex(int i, const TextureVertex& vertex);
    bool HasSpecularTextureVertices() const { return !m_specularTextureVertices.empty(); }
    TextureVertex GetSpecularTextureVertex(int i) const;
    void SetSpecularTextureVertex(int i, const TextureVertex& vertex);

private:
    std::vector<Vertex> m_vertices;
    std::vector<Normal> m_normals;
    std::vector<TextureVertex> m_textureVertices;
    std::vector<TextureVertex> m_specularTextureVertices;
    std::vector<int> m_channels;
    std::vector<double> m_channelValues;
};
} // namespace Velmo::Papy
