#include "Papy/GPL/GPLLine.h"

#include "Papy/GPL/GPLRecord.h"

namespace Velmo::Papy
{
GPLLine::GPLLine(GPLTdoFile& file, int id, Util::RecordReader& reader) : GPLNode(file, id, U32(id))
{
    U32 words[3];
    reader.ReadArray(words, 3);
    m_colour = GPLRecord::WordToColour(words[0]);
    m_fromVertexId = words[1];
    m_toVertexId = words[2];
}

GPLLine::GPLLine(GPLTdoFile& file, int id, U32 fromVertexId, U32 toVertexId, const Colour& colour)
    : GPLNode(file, id, 0), m_colour(colour), m_fromVertexId(fromVertexId), m_toVertexId(toVertexId)
{
}

Vertex GPLLine::GetFromVertex() const
{
    return m_file->GetVertex(m_fromVertexId);
}

Vertex GPLLine::GetToVertex() const
{
    return m_file->GetVertex(m_toVertexId);
}

void GPLLine::Write(Util::BinaryStream& stream, U32 offset)
{
    SetFileOffset(offset);
    GPLRecord::Writer record(16);
    record.U32(TypeWord).U32(GPLRecord::ColourToWord(m_colour)).U32(m_fromVertexId).U32(m_toVertexId);
    record.WriteTo(stream);
}
} // namespace Velmo::Papy
