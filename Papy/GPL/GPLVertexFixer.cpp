#include "Papy/GPL/GPLVertexFixer.h"

#include "Papy/GPL/GPLRecord.h"
#include "Util/Exception.h"
#include "Util/WalkMeter.h"

namespace Velmo::Papy
{
GPLVertexFixer::GPLVertexFixer(GPLTdoFile& file, int id, Util::RecordReader& reader) : GPLNode(file, id, U32(id))
{
    U32 count = reader.ReadCount(4);
    m_vertexIds.resize(count);
    reader.ReadArray(m_vertexIds.data(), count);
}

Vertex GPLVertexFixer::GetVertex(int i) const
{
    Util::WalkMeter::Tick();
    VELMO_ASSERT(i >= 0 && i < GetVertexCount());
    return m_file->GetVertex(m_vertexIds[i]);
}

int GPLVertexFixer::GetVertexId(int i) const
{
    VELMO_ASSERT(i >= 0 && i < GetVertexCount());
    return int(m_vertexIds[i]);
}

void GPLVertexFixer::SetVertexId(int i, int id)
{
    VELMO_ASSERT(i >= 0 && i < GetVertexCount());
    m_vertexIds[i] = U32(id);
}

void GPLVertexFixer::Write(Util::BinaryStream& stream, U32 offset)
{
    SetFileOffset(offset);
    GPLRecord::Writer record(8 + 4 * m_vertexIds.size());
    record.U32(TypeWord).U32(U32(m_vertexIds.size()));
    for (U32 id : m_vertexIds)
        record.U32(id);
    record.WriteTo(stream);
}
} // namespace Velmo::Papy
