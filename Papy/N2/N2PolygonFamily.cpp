#include "Papy/N2/N2PolygonFamily.h"

#include "Papy/N2/N2Record.h"
#include "Util/Exception.h"
#include "Util/WalkMeter.h"

namespace Velmo::Papy
{
template <int Index>
N2PolygonFamily<Index>::N2PolygonFamily(N2TdoFile& file, Util::RecordReader& reader, int id)
    : N2Node(file, id, U32(id))
{
    S32 header[2];
    reader.ReadArray(header, 2);
    m_colourWord = U32(header[0]);
    // The count is checked against the bytes that remain before anything is reserved.
    N2Record::CheckCount(reader, S64(U32(header[1])), 4 * Blocks);
    m_count = U32(header[1]);
    m_words.resize(std::size_t(m_count) * Blocks);
    reader.ReadArray(m_words.data(), m_words.size());
}

template <int Index>
U32& N2PolygonFamily<Index>::Word(unsigned block, int i)
{
    VELMO_ASSERT(i >= 0 && U32(i) < m_count);
    return m_words[std::size_t(block) * m_count + std::size_t(i)];
}

template <int Index>
U32 N2PolygonFamily<Index>::Word(unsigned block, int i) const
{
    VELMO_ASSERT(i >= 0 && U32(i) < m_count);
    return m_words[std::size_t(block) * m_count + std::size_t(i)];
}

template <int Index>
void N2PolygonFamily<Index>::Write(Util::BinaryStream& stream, U32 offset)
{
    SetFileOffset(offset);
    N2Record::Writer record(Type, 20 + 4 * m_words.size());
    record.Word(Variant.SubKind).Word(m_colourWord).Word(m_count);
    for (U32 word : m_words)
        record.Word(word);
    record.WriteTo(stream);
}

template <int Index>
Vertex N2PolygonFamily<Index>::GetVertex(int i) const
{
    Util::WalkMeter::Tick();
    return GetFile().GetVertex(Word(0, i));
}

template <int Index>
int N2PolygonFamily<Index>::GetVertexId(int i) const
{
    return int(Word(0, i));
}

template <int Index>
void N2PolygonFamily<Index>::SetVertexId(int i, int id)
{
    Word(0, i) = U32(id);
}

template <int Index>
Colour N2PolygonFamily<Index>::GetColour() const
{
    if (Variant.Rgba)
        return Colour::FromWord(m_colourWord);
    return GetFile().GetColour(m_colourWord);
}

template <int Index>
Colour N2PolygonFamily<Index>::GetShade(int i) const
{
    Util::WalkMeter::Tick();
    if (!Variant.Shaded)
        return ThreeDObjectPolygon::GetShade(i);
    return Colour::FromWord(Word(ShadeBlock, i));
}

template <int Index>
void N2PolygonFamily<Index>::SetShade(int i, const Colour& colour)
{
    if (!Variant.Shaded)
        return ThreeDObjectPolygon::SetShade(i, colour);
    Word(ShadeBlock, i) = colour.GetWord();
}

template <int Index>
Normal N2PolygonFamily<Index>::GetNormal(int i) const
{
    Util::WalkMeter::Tick();
    if (!Variant.Phong)
        return ThreeDObjectPolygon::GetNormal(i);
    return GetFile().GetNormal(Word(NormalBlock, i));
}

template <int Index>
int N2PolygonFamily<Index>::GetNormalId(int i) const
{
    if (!Variant.Phong)
        return ThreeDObjectPolygon::GetNormalId(i);
    return int(Word(NormalBlock, i));
}

template <int Index>
void N2PolygonFamily<Index>::SetNormalId(int i, int id)
{
    if (!Variant.Phong)
        return ThreeDObjectPolygon::SetNormalId(i, id);
    Word(NormalBlock, i) = U32(id);
}

template <int Index>
TextureVertex N2PolygonFamily<Index>::GetTextureVertex(int i) const
{
    Util::WalkMeter::Tick();
    if (!Variant.Textured)
        return ThreeDObjectPolygon::GetTextureVertex(i);
    const U32 word = Word(TextureBlock, i);
    const double u = double(word & 0xFFFF);
    const double v = double(word >> 16);
    if (!m_prepared)
        return TextureVertex(u, v);
    return TextureVertex(u / m_uDivisor, v / m_vDivisor);
}

template <int Index>
void N2PolygonFamily<Index>::PrepareTextureVertices(const Util::CountedPointer<MipFile>& texture)
{
    if (!Variant.Textured || m_prepared || texture.Get() == nullptr)
        return;
    U32 width = 0, height = 0;
    N2TdoFile::GetTextureSize(texture, width, height);
    if (width == 0 || height == 0)
        return;
    m_uDivisor = double(width > 1 ? width - 1 : 1);
    m_vDivisor = double(height > 1 ? height - 1 : 1);
    m_prepared = true;
}

template class N2PolygonFamily<0>;
template class N2PolygonFamily<1>;
template class N2PolygonFamily<2>;
template class N2PolygonFamily<3>;
template class N2PolygonFamily<4>;
template class N2PolygonFamily<5>;
template class N2PolygonFamily<6>;
template class N2PolygonFamily<7>;
template class N2PolygonFamily<8>;
} // namespace Velmo::Papy
