#pragma once
// A bitmap from a scaled-bitmap (SRB) file drawn at one vertex, sized by a height
// (type word 3, or 2563 when the bitmap carries a colour), 24 bytes:
//   type, vertex id, colour word (blue, green, red, alpha), SRB name (string offset),
//   f32 height, u16 horizontally reversed, u16 vertically reversed.
#include <string>

#include "Papy/GPL/GPLNode.h"
#include "Papy/Model/Colour.h"
#include "Papy/Model/ThreeDObjectScaledBitmap.h"
#include "Util/RecordReader.h"

namespace Velmo::Papy
{
class GPLScaledBitmap : public GPLNode<ThreeDObjectScaledBitmap>
{
public:
    static constexpr U32 TypeWord = 3;
    static constexpr U32 ColouredTypeWord = 0xA03;

    GPLScaledBitmap(GPLTdoFile& file, int id, bool coloured, Util::RecordReader& reader);
    GPLScaledBitmap(GPLTdoFile& file, int id, U32 vertexId, U32 srbName, float height, bool coloured);

    Vertex GetVertex() const override;
    int GetVertexId() const override { return int(m_vertexId); }
    void SetVertexId(int id) override { m_vertexId = U32(id); }
    std::string GetSrbName() const override;
    void SetSrbName(const std::string& name) override;
    bool HasScale() const override { return false; }
    double GetScale() const override { return 0.0; }
    double GetHeight() const override { return m_height; }
    bool HasColour() const override { return m_coloured; }
    Colour GetColour() const override;
    bool IsHorizontallyReversed() const override { return m_horizontallyReversed != 0; }
    bool IsVerticallyReversed() const override { return m_verticallyReversed != 0; }

    std::string GetType() const override { return m_coloured ? "3-A" : "3"; }
    void Write(Util::BinaryStream& stream, U32 offset) override;

private:
    U32 m_vertexId;
    Colour m_colour;
    U32 m_srbName;
    float m_height;
    U16 m_horizontallyReversed = 0;
    U16 m_verticallyReversed = 0;
    bool m_coloured;
};
} // namespace Velmo::Papy
