#include "Papy/GPL/GPLBoundingBox.h"

#include "Papy/GPL/GPLRecord.h"
#include "Util/Exception.h"

namespace Velmo::Papy
{
GPLBoundingBox::GPLBoundingBox(GPLTdoFile& file, int id, Util::RecordReader& reader) : GPLNode(file, id, U32(id))
{
    U32 words[9];
    reader.ReadArray(words, 9);
    for (int i = 0; i < 8; ++i)
        m_vertexIds[i] = words[i];
    m_childId = words[8];
}

GPLBoundingBox::GPLBoundingBox(GPLTdoFile& file, int id, const std::array<U32, 8>& vertexIds, U32 childId)
    : GPLNode(file, id, 0), m_childId(childId), m_vertexIds(vertexIds)
{
}

// The corner index is checked: the corners are a fixed array, not a list.
Vertex GPLBoundingBox::GetVertex(int i) const
{
    VELMO_ASSERT(i >= 0 && i < VertexCount);
    return m_file->GetVertex(m_vertexIds[i]);
}

int GPLBoundingBox::GetVertexId(int i) const
{
    VELMO_ASSERT(i >= 0 && i < VertexCount);
    return int(m_vertexIds[i]);
}

void GPLBoundingBox::SetVertexId(int i, int id)
{
    VELMO_ASSERT(i >= 0 && i < VertexCount);
    m_vertexIds[i] = U32(id);
}

void GPLBoundingBox::Write(Util::BinaryStream& stream, U32 offset)
{
    SetFileOffset(offset);
    GPLRecord::Writer record(40);
    record.U32(TypeWord);
    for (U32 id : m_vertexIds)
        record.U32(id);
    record.U32(OffsetOf(m_childId));
    record.WriteTo(stream);
}
} // namespace Velmo::Papy
