#include "Papy/GPL/GPLPolygonFamily.h"

#include "Papy/GPL/GPLRecord.h"
#include "Util/Exception.h"
#include "Util/WalkMeter.h"

namespace Velmo::Papy
{
template <int Index>
GPLPolygonFamily<Index>::GPLPolygonFamily(GPLTdoFile& file, int id, bool coloured, Util::RecordReader& reader)
    : GPLNode(file, id, U32(id)), m_coloured(coloured)
{
    U32 header[3];
    const unsigned headerWords = Variant.Textured ? 3 : 2;
    reader.ReadArray(header, headerWords);
    if (Variant.Textured && header[0] != 0)
        throw Util::XFileFormat(reader.GetName(), Variant.FirstWordMessage);
    const U32 colourWord = header[headerWords - 2];
    const U32 count = header[headerWords - 1];
    if (m_coloured)
        m_colour = GPLRecord::WordToColour(colourWord);
    else
        m_colourMapIndex = U8(colourWord >> 24);

    // The record carries no length: the count is checked against the bytes that remain
    // before any list is reserved.
    const U32 cornerSize = 4 + (Variant.Gouraud ? 4 : 0) + (Variant.Phong ? 4 : 0) + (Variant.Textured ? 8 : 0);
    reader.CheckCount(count, cornerSize);

    if (Variant.Textured)
    {
        m_textureVertices.reserve(count);
        for (U32 i = 0; i < count; ++i)
        {
            F32 u = reader.ReadF32();
            m_textureVertices.emplace_back(u, reader.ReadF32());
        }
    }
    m_vertexIds.resize(count);
    reader.ReadArray(m_vertexIds.data(), count);
    if (Variant.Gouraud)
    {
        m_shades.reserve(count);
        for (U32 i = 0; i < count; ++i)
            m_shades.push_back(GPLRecord::WordToColour(reader.ReadU32()));
    }
    if (Variant.Phong)
    {
        m_normalIds.resize(count);
        reader.ReadArray(m_normalIds.data(), count);
    }
}

template <int Index>
GPLPolygonFamily<Index>::GPLPolygonFamily(GPLTdoFile& file, int id, const std::vector<U32>& vertexIds,
                                          const Colour& colour, const std::vector<Colour>& vertexColours,
                                          const std::vector<TextureVertex>& textureVertices,
                                          const std::vector<U32>& normalIds)
    : GPLNode(file, id, 0), m_coloured(true), m_colour(colour), m_vertexIds(vertexIds)
{
    const std::size_t count = m_vertexIds.size();
    if (Variant.Textured)
    {
        VELMO_ASSERT(textureVertices.size() == count);
        m_textureVertices = textureVertices;
    }
    if (Variant.Phong)
    {
        VELMO_ASSERT(normalIds.size() == count);
        m_normalIds = normalIds;
    }
    if (Variant.Gouraud)
    {
        VELMO_ASSERT(vertexColours.size() == count);
        // A shade is the vertex colour relative to the polygon colour, capped at 1, so that
        // shade times polygon colour gives the vertex colour back.
        auto relative = [](float vertex, float polygon) -> float {
            if (polygon == 0.0f)
                return 0.0f;
            float s = vertex / polygon;
            return s > 1.0f ? 1.0f : s;
        };
        m_shades.reserve(count);
        for (const Colour& v : vertexColours)
            m_shades.emplace_back(relative(v.GetRed(), colour.GetRed()), relative(v.GetGreen(), colour.GetGreen()),
                                  relative(v.GetBlue(), colour.GetBlue()), relative(v.GetAlpha(), colour.GetAlpha()));
    }
}

template <int Index>
std::string GPLPolygonFamily<Index>::GetType() const
{
    return std::to_string(Variant.TypeWord) + (m_coloured ? "-8" : "");
}

template <int Index>
void GPLPolygonFamily<Index>::Write(Util::BinaryStream& stream, U32 offset)
{
    SetFileOffset(offset);
    const std::size_t count = m_vertexIds.size();
    GPLRecord::Writer record(16 + 20 * count);
    record.U32(Variant.TypeWord | (m_coloured ? ColouredBit : 0));
    if (Variant.Textured)
        record.U32(0);
    record.U32(m_coloured ? GPLRecord::ColourToWord(m_colour) : U32(m_colourMapIndex) << 24);
    record.U32(U32(count));
    // Every list is written with the vertex count, so lists of another length cannot make a
    // record that misstates its own size: missing entries are written as zeros.
    if (Variant.Textured)
        for (std::size_t i = 0; i < count; ++i)
        {
            TextureVertex t = i < m_textureVertices.size() ? m_textureVertices[i] : TextureVertex();
            record.F32(float(t.GetU())).F32(float(t.GetV()));
        }
    for (U32 id : m_vertexIds)
        record.U32(id);
    if (Variant.Gouraud)
        for (std::size_t i = 0; i < count; ++i)
            record.U32(i < m_shades.size() ? GPLRecord::ColourToWord(m_shades[i]) : 0);
    if (Variant.Phong)
        for (std::size_t i = 0; i < count; ++i)
            record.U32(i < m_normalIds.size() ? m_normalIds[i] : 0);
    record.WriteTo(stream);
}

template <int Index>
int GPLPolygonFamily<Index>::GetVertexCount() const
{
    return int(m_vertexIds.size());
}

template <int Index>
Vertex GPLPolygonFamily<Index>::GetVertex(int i) const
{
    Util::WalkMeter::Tick();
    return m_file->GetVertex(m_vertexIds[i]);
}

template <int Index>
int GPLPolygonFamily<Index>::GetVertexId(int i) const
{
    return int(m_vertexIds[i]);
}

template <int Index>
void GPLPolygonFamily<Index>::SetVertexId(int i, int id)
{
    m_vertexIds[i] = U32(id);
}

template <int Index>
bool GPLPolygonFamily<Index>::HasColour() const
{
    return m_coloured;
}

template <int Index>
Colour GPLPolygonFamily<Index>::GetColour() const
{
    if (!m_coloured)
        Util::ThrowAssertion("HasColour()", Variant.Unit, HasColourLine);
    return m_colour;
}

template <int Index>
bool GPLPolygonFamily<Index>::HasColourMapIndex() const
{
    return !m_coloured;
}

template <int Index>
int GPLPolygonFamily<Index>::GetColourMapIndex() const
{
    if (m_coloured)
        Util::ThrowAssertion("HasColourMapIndex()", Variant.Unit, HasColourMapIndexLine);
    return m_colourMapIndex;
}

template <int Index>
bool GPLPolygonFamily<Index>::HasShades() const
{
    return Variant.Gouraud;
}

template <int Index>
Colour GPLPolygonFamily<Index>::GetShade(int i) const
{
    Util::WalkMeter::Tick();
    if (!Variant.Gouraud)
        return ThreeDObjectPolygon::GetShade(i);
    return m_shades[i];
}

template <int Index>
void GPLPolygonFamily<Index>::SetShade(int i, const Colour& colour)
{
    if (!Variant.Gouraud)
        return ThreeDObjectPolygon::SetShade(i, colour);
    m_shades[i] = colour;
}

template <int Index>
bool GPLPolygonFamily<Index>::HasNormals() const
{
    return Variant.Phong;
}

template <int Index>
Normal GPLPolygonFamily<Index>::GetNormal(int i) const
{
    Util::WalkMeter::Tick();
    if (!Variant.Phong)
        return ThreeDObjectPolygon::GetNormal(i);
    return m_file->GetNormal(m_normalIds[i]);
}

template <int Index>
int GPLPolygonFamily<Index>::GetNormalId(int i) const
{
    if (!Variant.Phong)
        return ThreeDObjectPolygon::GetNormalId(i);
    return int(m_normalIds[i]);
}

template <int Index>
void GPLPolygonFamily<Index>::SetNormalId(int i, int id)
{
    if (!Variant.Phong)
        return ThreeDObjectPolygon::SetNormalId(i, id);
    m_normalIds[i] = U32(id);
}

template <int Index>
bool GPLPolygonFamily<Index>::HasTextureVertices() const
{
    return Variant.Textured;
}

template <int Index>
TextureVertex GPLPolygonFamily<Index>::GetTextureVertex(int i) const
{
    Util::WalkMeter::Tick();
    if (!Variant.Textured)
        return ThreeDObjectPolygon::GetTextureVertex(i);
    return m_textureVertices[i];
}

template class GPLPolygonFamily<0>;
template class GPLPolygonFamily<1>;
template class GPLPolygonFamily<2>;
template class GPLPolygonFamily<3>;
template class GPLPolygonFamily<4>;
template class GPLPolygonFamily<5>;
template class GPLPolygonFamily<6>;
template class GPLPolygonFamily<7>;
} // namespace Velmo::Papy
