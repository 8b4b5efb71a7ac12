#include "Papy/N2/N2Record.h"

#include "Util/Exception.h"
#include "Util/StreamIO.h"

namespace Velmo::Papy
{
void N2Record::CheckCount(const Util::RecordReader& reader, S64 count, U32 elementSize)
{
    if (count < 0)
        reader.ThrowShortRead();
    reader.CheckCount(U64(count), elementSize);
}

N2Record::Writer::Writer(U8 type, std::size_t reserve)
{
    m_bytes.reserve(reserve);
    m_bytes.push_back(type);
    Word(S32(0));
}

N2Record::Writer& N2Record::Writer::Word(S32 value)
{
    U8 bytes[4];
    Util::EncodeLE<S32>(value, bytes);
    m_bytes.insert(m_bytes.end(), bytes, bytes + 4);
    return *this;
}

N2Record::Writer& N2Record::Writer::Byte(U8 value)
{
    m_bytes.push_back(value);
    return *this;
}

N2Record::Writer& N2Record::Writer::Half(U16 value)
{
    m_bytes.push_back(U8(value));
    m_bytes.push_back(U8(value >> 8));
    return *this;
}

void N2Record::Writer::WriteTo(Util::BinaryStream& stream) const
{
    stream.Write(U32(m_bytes.size()), m_bytes.data());
}
} // namespace Velmo::Papy
