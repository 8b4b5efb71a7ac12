#pragma once
// Type 3: a named bitmap standing at a PREP vertex. The third word holds the kind in its top
// byte (0x00 with a height, 0xC0 and 0xFF without) and the height, an N2 length, in the
// other 24 bits.
#include <string>

#include "Papy/Model/ThreeDObjectScaledBitmap.h"
#include "Papy/N2/N2Node.h"
#include "Util/RecordReader.h"

namespace Velmo::Papy
{
class N2ScaledBitmap : public N2Node<ThreeDObjectScaledBitmap>
{
public:
    static constexpr U8 Type = 3;

    N2ScaledBitmap(N2TdoFile& file, Util::RecordReader& reader, int id);

    Vertex GetVertex() const override { return GetFile().GetVertex(U32(m_vertexId)); }
    int GetVertexId() const override { return m_vertexId; }
    void SetVertexId(int id) override { m_vertexId = id; }
    std::string GetSrbName() const override { return GetFile().GetString(U32(m_nameOffset)); }
    // Fails the assertion "false": the name cannot be changed.
    void SetSrbName(const std::string& name) override;
    bool HasScale() const override { return (m_kindAndHeight >> 24) == 0x00; }
    double GetScale() const override { return 1.0; }
    double GetHeight() const override;
    bool HasColour() const override { return false; }
    Colour GetColour() const override { return Colour(1, 1, 1, 1); }
    bool IsHorizontallyReversed() const override { return false; }
    bool IsVerticallyReversed() const override { return false; }

    std::string GetType() const override { return "3"; }
    void Write(Util::BinaryStream& stream, U32 offset) override;

private:
    S32 m_vertexId;
    S32 m_nameOffset;
    U32 m_kindAndHeight;
};
} // namespace Velmo::Papy
