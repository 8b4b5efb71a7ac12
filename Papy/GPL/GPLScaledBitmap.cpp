#include "Papy/GPL/GPLScaledBitmap.h"

#include "Papy/GPL/GPLRecord.h"

namespace Velmo::Papy
{
GPLScaledBitmap::GPLScaledBitmap(GPLTdoFile& file, int id, bool coloured, Util::RecordReader& reader)
    : GPLNode(file, id, U32(id)), m_coloured(coloured)
{
    U32 words[5];
    reader.ReadArray(words, 5);
    m_vertexId = words[0];
    // Kept whether or not the record is of the coloured type.
    m_colour = GPLRecord::WordToColour(words[1]);
    m_srbName = words[2];
    m_height = GPLRecord::WordToFloat(words[3]);
    m_horizontallyReversed = U16(words[4]);
    m_verticallyReversed = U16(words[4] >> 16);
}

GPLScaledBitmap::GPLScaledBitmap(GPLTdoFile& file, int id, U32 vertexId, U32 srbName, float height, bool coloured)
    : GPLNode(file, id, 0), m_vertexId(vertexId), m_srbName(srbName), m_height(height), m_coloured(coloured)
{
}

Vertex GPLScaledBitmap::GetVertex() const
{
    return m_file->GetVertex(m_vertexId);
}

std::string GPLScaledBitmap::GetSrbName() const
{
    return m_file->GetString(m_srbName);
}

void GPLScaledBitmap::SetSrbName(const std::string& name)
{
    m_srbName = m_file->AddString(name);
}

Colour GPLScaledBitmap::GetColour() const
{
    return m_coloured ? m_colour : Colour(1, 1, 1, 1);
}

void GPLScaledBitmap::Write(Util::BinaryStream& stream, U32 offset)
{
    SetFileOffset(offset);
    GPLRecord::Writer record(24);
    record.U32(m_coloured ? ColouredTypeWord : TypeWord)
        .U32(m_vertexId)
        .U32(GPLRecord::ColourToWord(m_colour))
        .U32(m_srbName)
        .F32(m_height)
        .U16(m_horizontallyReversed)
        .U16(m_verticallyReversed);
    record.WriteTo(stream);
}
} // namespace Velmo::Papy
