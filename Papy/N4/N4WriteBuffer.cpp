#include "Papy/N4/N4WriteBuffer.h"

#include <algorithm>
#include <cstring>

#include "Util/Exception.h"

namespace Velmo::Papy
{
N4WriteBuffer::N4WriteBuffer(std::string name) : m_name(std::move(name))
{
}

void N4WriteBuffer::Read(U32 count, void* buffer)
{
    if (count > m_bytes.size() - m_position)
        throw Util::XFileRead(m_name);
    if (count != 0)
        std::memcpy(buffer, m_bytes.data() + m_position, count);
    m_position += count;
}

void N4WriteBuffer::Write(U32 count, const void* data)
{
    if (count == 0)
        return;
    if (m_position + count > m_bytes.size())
    {
        // Amortised growth: a record written a few bytes at a time costs no reallocation each.
        if (m_position + count > m_bytes.capacity())
            m_bytes.reserve(std::max<U64>(m_position + count, 2 * m_bytes.capacity()));
        m_bytes.resize(m_position + count);
    }
    std::memcpy(m_bytes.data() + m_position, data, count);
    m_position += count;
}

void N4WriteBuffer::Seek(U64 position)
{
    if (position > m_bytes.size())
        throw Util::XFileSeek(m_name);
    m_position = position;
}
} // namespace Velmo::Papy
