#include "Papy/N2/N2Line.h"

#include "Papy/N2/N2Record.h"

namespace Velmo::Papy
{
N2Line::N2Line(N2TdoFile& file, int id, S32 value, S32 colourIndex, Util::RecordReader& reader)
    : N2Node(file, id, U32(id)), m_colourIndex(colourIndex), m_value(value)
{
    S32 points[2];
    reader.ReadArray(points, 2);
    m_from = points[0];
    m_to = points[1];
}

void N2Line::Write(Util::BinaryStream& stream, U32 offset)
{
    SetFileOffset(offset);
    N2Record::Writer record(Type, 32);
    record.Word(m_value).Word(m_colourIndex).Word(S32(2)).Word(m_from).Word(m_to);
    record.WriteTo(stream);
}
} // namespace Velmo::Papy
