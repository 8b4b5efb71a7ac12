#include "Papy/GPL/GPLStateValueSetter.h"

#include "Papy/GPL/GPLRecord.h"

namespace Velmo::Papy
{
GPLStateValueSetter::GPLStateValueSetter(GPLTdoFile& file, int id, Util::RecordReader& reader)
    : GPLNode(file, id, U32(id))
{
    U32 words[2];
    reader.ReadArray(words, 2);
    m_stateIndex = words[0];
    m_stateValue = words[1];
}

void GPLStateValueSetter::Write(Util::BinaryStream& stream, U32 offset)
{
    SetFileOffset(offset);
    GPLRecord::Writer record(12);
    record.U32(TypeWord).U32(m_stateIndex).U32(m_stateValue);
    record.WriteTo(stream);
}
} // namespace Velmo::Papy
