#include "Papy/N2/N2Record.h"

#include "Util/Exception.h"
#include "Util/StreamIO.h"

namespace Velmo::Papy
{
void N2Record::ReadWords(Util::BinaryStream& stream, S32* words, unsigned count)
{
    U8 bytes[64 * 4];
    while (count != 0)
    {
        unsigned chunk = count < 64 ? count : 64;
        stream.Read(chunk * 4, bytes);
        for (unsigned i = 0; i < chunk; ++i)
            words[i] = Util::DecodeLE<S32>(bytes + 4 * i);
        words += chunk;
        count -= chunk;
    }
}

S32 N2Record::ReadWord(Util::BinaryStream& stream)
{
    return Util::ReadLE<S32>(stream);
}

void N2Record::CheckCount(Util::BinaryStream& stream, S64 count, U32 elementSize)
{
    if (count < 0 || (elementSize != 0 && U64(count) > Util::Remaining(stream) / elementSize))
        throw Util::XFileRead(stream.GetName());
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
