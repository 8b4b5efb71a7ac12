#pragma once
// The nine N2 polygon records (type 2), one mechanism over feature flags. After the sub-kind:
// the colour word (a palette index, or bytes blue, green, red, alpha for the RGBA kinds), the
// corner count n, then per corner lists in this order: vertex ids, texture vertices (u16 u,
// u16 v, in texture pixels), shades (colour words), normal ids.
//
// The variants differ only in their row of N2PolygonVariants. A node keeps its lists as the
// words read, so that it writes its record back unchanged; texture vertices become 0..1 by
// the divisors fixed on the first PrepareTextureVertices.
#include <string>
#include <vector>

#include "Papy/Model/ThreeDObjectPolygon.h"
#include "Papy/N2/N2Node.h"
#include "Util/RecordReader.h"

namespace Velmo::Papy
{
struct N2PolygonVariant
{
    S32 SubKind;
    const char* TypeText;
    bool Rgba;
    bool Textured;
    bool Shaded;
    bool Phong;
};

inline constexpr N2PolygonVariant N2PolygonVariants[9] = {
    {0, "2.0", false, false, false, false}, {1, "2.1", false, true, false, false},
    {2, "2.2", false, true, false, false},  {3, "2.3", false, true, true, false},
    {4, "2.4", false, false, false, true},  {5, "2.5", false, true, false, true},
    {9, "2.9", true, true, false, false},   {12, "2.12", true, false, false, true},
    {13, "2.13", true, true, false, true},
};

template <int Index>
class N2PolygonFamily : public N2Node<ThreeDObjectPolygon>
{
public:
    static constexpr const N2PolygonVariant& Variant = N2PolygonVariants[Index];
    static constexpr U8 Type = 2;

    // Reads the record behind the sub-kind word. No field is tested.
    N2PolygonFamily(N2TdoFile& file, Util::RecordReader& reader, int id);

    // ThreeDObject
    std::string GetType() const override { return Variant.TypeText; }
    void Write(Util::BinaryStream& stream, U32 offset) override;

    // ThreeDObjectPolygon
    int GetVertexCount() const override { return int(m_count); }
    Vertex GetVertex(int i) const override;
    int GetVertexId(int i) const override;
    void SetVertexId(int i, int id) override;
    bool HasColour() const override { return true; }
    // RGBA kinds: the record's colour. Palette kinds: the palette entry in force now.
    Colour GetColour() const override;
    bool HasShades() const override { return Variant.Shaded; }
    Colour GetShade(int i) const override;
    void SetShade(int i, const Colour& colour) override;
    bool HasNormals() const override { return Variant.Phong; }
    Normal GetNormal(int i) const override;
    int GetNormalId(int i) const override;
    void SetNormalId(int i, int id) override;
    bool HasTextureVertices() const override { return Variant.Textured; }
    TextureVertex GetTextureVertex(int i) const override;
    // Once: each texture vertex divided by (width - 1, height - 1) of the texture, a divisor
    // of 0 taken as 1; an empty texture (width or height 0) prepares nothing.
    void PrepareTextureVertices(const Util::CountedPointer<MipFile>& texture) override;

    bool IsPrepared() const { return m_prepared; }

private:
    // The word of list block at corner i (blocks: 0 vertex ids, then the variant's lists in
    // record order).
    U32& Word(unsigned block, int i);
    U32 Word(unsigned block, int i) const;

    static constexpr unsigned TextureBlock = 1;
    static constexpr unsigned ShadeBlock = TextureBlock + (Variant.Textured ? 1 : 0);
    static constexpr unsigned NormalBlock = ShadeBlock + (Variant.Shaded ? 1 : 0);
    static constexpr unsigned Blocks = NormalBlock + (Variant.Phong ? 1 : 0);

    U32 m_colourWord = 0;
    U32 m_count = 0;
    bool m_prepared = false;
    double m_uDivisor = 1;
    double m_vDivisor = 1;
    // Blocks lists of m_count words each.
    std::vector<U32> m_words;
};

extern template class N2PolygonFamily<0>;
extern template class N2PolygonFamily<1>;
extern template class N2PolygonFamily<2>;
extern template class N2PolygonFamily<3>;
extern template class N2PolygonFamily<4>;
extern template class N2PolygonFamily<5>;
extern template class N2PolygonFamily<6>;
extern template class N2PolygonFamily<7>;
extern template class N2PolygonFamily<8>;

typedef N2PolygonFamily<0> N2Polygon;
typedef N2PolygonFamily<1> N2TexturedPolygon;
typedef N2PolygonFamily<2> N2TexturedPolygon2;
typedef N2PolygonFamily<3> N2TexturedGouraudPolygon;
typedef N2PolygonFamily<4> N2PhongPolygon;
typedef N2PolygonFamily<5> N2TexturedPhongPolygon;
typedef N2PolygonFamily<6> N2TexturedPolygon3;
typedef N2PolygonFamily<7> N2PhongPolygon2;
typedef N2PolygonFamily<8> N2TexturedPhongPolygon2;
} // namespace Velmo::Papy
