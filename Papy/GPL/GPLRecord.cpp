#include "Papy/GPL/GPLRecord.h"

#include <cstring>

#include "Util/Exception.h"
#include "Util/StreamIO.h"

namespace Velmo::Papy
{
float GPLRecord::WordToFloat(U32 word)
{
    float value;
    std::memcpy(&value, &word, 4);
    return value;
}

U32 GPLRecord::FloatToWord(float value)
{
    U32 word;
    std::memcpy(&word, &value, 4);
    return word;
}

GPLRecord::Writer& GPLRecord::Writer::U32(Velmo::U32 value)
{
    U8 bytes[4];
    Util::EncodeLE<Velmo::U32>(value, bytes);
    m_bytes.insert(m_bytes.end(), bytes, bytes + 4);
    return *this;
}

GPLRecord::Writer& GPLRecord::Writer::F32(float value)
{
    return U32(FloatToWord(value));
}

GPLRecord::Writer& GPLRecord::Writer::U16(Velmo::U16 value)
{
    m_bytes.push_back(U8(value));
    m_bytes.push_back(U8(value >> 8));
    return *this;
}

void GPLRecord::Writer::WriteTo(Util::BinaryStream& stream) const
{
    if (!m_bytes.empty())
        stream.Write(Velmo::U32(m_bytes.size()), m_bytes.data());
}
} // namespace Velmo::Papy
