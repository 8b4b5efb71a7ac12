#pragma once
// A coloured line between two vertices (type word 2069, 16 bytes): type, colour word (blue,
// green, red, alpha), from vertex id, to vertex id.
#include <string>

#include "Papy/GPL/GPLNode.h"
#include "Papy/Model/Colour.h"
#include "Papy/Model/ThreeDObjectLine.h"
#include "Util/RecordReader.h"

namespace Velmo::Papy
{
class GPLLine : public GPLNode<ThreeDObjectLine>
{
public:
    static constexpr U32 TypeWord = 2069;

    GPLLine(GPLTdoFile& file, int id, Util::RecordReader& reader);
    GPLLine(GPLTdoFile& file, int id, U32 fromVertexId, U32 toVertexId, const Colour& colour);

    Vertex GetFromVertex() const override;
    int GetFromVertexId() const override { return int(m_fromVertexId); }
    void SetFromVertexId(int id) override { m_fromVertexId = U32(id); }
    Vertex GetToVertex() const override;
    int GetToVertexId() const override { return int(m_toVertexId); }
    void SetToVertexId(int id) override { m_toVertexId = U32(id); }
    Colour GetColour() const override { return m_colour; }

    std::string GetType() const override { return "8-21"; }
    void Write(Util::BinaryStream& stream, U32 offset) override;

private:
    Colour m_colour;
    U32 m_fromVertexId;
    U32 m_toVertexId;
};
} // namespace Velmo::Papy
