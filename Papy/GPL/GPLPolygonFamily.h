#pragma once
// The eight GPL polygon records, one mechanism. A polygon has vertex ids and one colour (RGBA,
// or a colour-map index in the top byte of the colour word); three independent features add
// per-corner lists: Gouraud shades, Phong normal ids and texture vertices. The type word is
// 27 + 1 (Gouraud) + 2 (Phong) + 4 (textured), with bit 0x800 set when the colour is RGBA.
//
//   untextured: type, colour word, count n, n vertex ids, [n shades], [n normal ids]
//   textured:   type, first word (0), colour word, count n, n texture vertices (f32 u, v),
//               n vertex ids, [n shades], [n normal ids]
//
// The variants differ only in the row of GPLPolygonVariants below.
#include <string>
#include <vector>

#include "Papy/GPL/GPLNode.h"
#include "Papy/Model/Colour.h"
#include "Papy/Model/Normal.h"
#include "Papy/Model/TextureVertex.h"
#include "Papy/Model/ThreeDObjectPolygon.h"
#include "Papy/Model/Vertex.h"
#include "Util/BinaryStream.h"
#include "Util/RecordReader.h"
#include "Util/Types.h"

namespace Velmo::Papy
{
struct GPLPolygonVariant
{
    U32 TypeWord;
    bool Gouraud;
    bool Phong;
    bool Textured;
    // The source unit named by the colour assertions.
    const char* Unit;
    // The message of a textured record whose first word is not 0 (textured variants only).
    const char* FirstWordMessage;
};

// The lines the colour assertions name in their unit, the same for every variant.
inline constexpr int HasColourLine = 266;
inline constexpr int HasColourMapIndexLine = 277;

inline constexpr GPLPolygonVariant GPLPolygonVariants[8] = {
    {27, false, false, false, ".\\GPLPolygon.cpp", nullptr},
    {28, true, false, false, ".\\GPLGouraudPolygon.cpp", nullptr},
    {29, false, true, false, ".\\GPLPhongPolygon.cpp", nullptr},
    {30, true, true, false, ".\\GPLGouraudPhongPolygon.cpp", nullptr},
    {31, false, false, true, ".\\GPLTexturedPolygon.cpp", "GPL 3DO Textured Polygon first word not 0"},
    {32, true, false, true, ".\\GPLTexturedGouraudPolygon.cpp", "GPL 3DO Textured Gouraud Polygon first word not 0"},
    {33, false, true, true, ".\\GPLTexturedPhongPolygon.cpp", "GPL Textured Phong Polygon first word not 0"},
    {34, true, true, true, ".\\GPLTexturedGouraudPhongPolygon.cpp",
     "GPL Textured Gouraud Phong Polygon first word not 0"},
};

template <int Index>
class GPLPolygonFamily : public GPLNode<ThreeDObjectPolygon>
{
public:
    static constexpr const GPLPolygonVariant& Variant = GPLPolygonVariants[Index];
    static constexpr U32 ColouredBit = 0x800;

    // Reads the record behind the type word; coloured for the type words with bit 0x800.
    GPLPolygonFamily(GPLTdoFile& file, int id, bool coloured, Util::RecordReader& reader);
    // A new, coloured polygon. The lists of features the variant lacks are ignored; the shades
    // are made from the vertex colours relative to the polygon colour.
    GPLPolygonFamily(GPLTdoFile& file, int id, const std::vector<U32>& vertexIds, const Colour& colour,
                     const std::vector<Colour>& vertexColours = {},
                     const std::vector<TextureVertex>& textureVertices = {},
                     const std::vector<U32>& normalIds = {});

    // ThreeDObject
    std::string GetType() const override;
    void Write(Util::BinaryStream& stream, U32 offset) override;

    // ThreeDObjectPolygon
    int GetVertexCount() const override;
    Vertex GetVertex(int i) const override;
    int GetVertexId(int i) const override;
    void SetVertexId(int i, int id) override;
    bool HasColour() const override;
    Colour GetColour() const override;
    bool HasColourMapIndex() const override;
    int GetColourMapIndex() const override;
    bool HasShades() const override;
    Colour GetShade(int i) const override;
    void SetShade(int i, const Colour& colour) override;
    bool HasNormals() const override;
    Normal GetNormal(int i) const override;
    int GetNormalId(int i) const override;
    void SetNormalId(int i, int id) override;
    bool HasTextureVertices() const override;
    TextureVertex GetTextureVertex(int i) const override;

private:
    bool m_coloured = false;
    Colour m_colour;
    U8 m_colourMapIndex = 0;
    std::vector<U32> m_vertexIds;
    std::vector<Colour> m_shades;
    std::vector<U32> m_normalIds;
    std::vector<TextureVertex> m_textureVertices;
};

extern template class GPLPolygonFamily<0>;
extern template class GPLPolygonFamily<1>;
extern template class GPLPolygonFamily<2>;
extern template class GPLPolygonFamily<3>;
extern template class GPLPolygonFamily<4>;
extern template class GPLPolygonFamily<5>;
extern template class GPLPolygonFamily<6>;
extern template class GPLPolygonFamily<7>;

typedef GPLPolygonFamily<0> GPLPolygon;
typedef GPLPolygonFamily<1> GPLGouraudPolygon;
typedef GPLPolygonFamily<2> GPLPhongPolygon;
typedef GPLPolygonFamily<3> GPLGouraudPhongPolygon;
typedef GPLPolygonFamily<4> GPLTexturedPolygon;
typedef GPLPolygonFamily<5> GPLTexturedGouraudPolygon;
typedef GPLPolygonFamily<6> GPLTexturedPhongPolygon;
typedef GPLPolygonFamily<7> GPLTexturedGouraudPhongPolygon;
} // namespace Velmo::Papy
