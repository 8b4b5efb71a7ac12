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

N2Record::Writer::Writer(U8 type, std::size_t reserve) : m_bytes(reserve)
{
    m_bytes.PutU8(type);
    Word(S32(0));
}

N2Record::Writer& N2Record::Writer::Word(S32 value)
{
    m_bytes.PutS32(value);
    return *this;
}

N2Record::Writer& N2Record::Writer::Byte(U8 value)
{
    m_bytes.PutU8(value);
    return *this;
}

N2Record::Writer& N2Record::Writer::Half(U16 value)
{
    m_bytes.PutU16(value);
    return *this;
}
} // namespace Velmo::Papy
