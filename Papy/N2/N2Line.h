#pragma once
// Type 21 with two points: a line between two PREP vertices in one palette colour. The
// record's first word is an integer value, the one entry of the node's integer list.
//
//   body: int32 value, int32 palette index, int32 count (2), vertex index a, vertex index b
#include <string>

#include "Papy/Model/ThreeDObjectLine.h"
#include "Papy/N2/N2Node.h"
#include "Util/RecordReader.h"

namespace Velmo::Papy
{
class N2Line : public N2Node<ThreeDObjectLine>
{
public:
    static constexpr U8 Type = 21;

    N2Line(N2TdoFile& file, int id, S32 value, S32 colourIndex, Util::RecordReader& reader);

    Vertex GetFromVertex() const override { return GetFile().GetVertex(U32(m_from)); }
    int GetFromVertexId() const override { return m_from; }
    void SetFromVertexId(int id) override { m_from = id; }
    Vertex GetToVertex() const override { return GetFile().GetVertex(U32(m_to)); }
    int GetToVertexId() const override { return m_to; }
    void SetToVertexId(int id) override { m_to = id; }
    Colour GetColour() const override { return GetFile().GetColour(U32(m_colourIndex)); }

    // One integer, the record's value, whatever index is asked.
    int GetIntegerCount() const override { return 1; }
    int GetInteger(int) const override { return m_value; }

    std::string GetType() const override { return "21"; }
    void Write(Util::BinaryStream& stream, U32 offset) override;

private:
    S32 m_colourIndex;
    S32 m_from;
    S32 m_to;
    S32 m_value;
};
} // namespace Velmo::Papy
