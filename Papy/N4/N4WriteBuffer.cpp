#include "Papy/N4/N4WriteBuffer.h"

#include <algorithm>
#include <cstring>

#include "Util/Exception.h"

namespace Velmo::Papy
{
N4WriteBuffer::N4WriteBuffer(std::string name, U64 expectedSize) : m_name(std::move(name))
{
    if (expectedSize != 0)
        Grow(expectedSize);
}

void N4WriteBuffer::Grow(U64 needed)
{
    // Doubling keeps a record written a few bytes at a time from reallocating at each write.
    U64 capacity = std::max<U64>({needed, 2 * m_capacity, 4096});
    std::unique_ptr<U8[]> data(new U8[capacity]);
    if (m_size != 0)
        std::memcpy(data.get(), m_data.get(), m_size);
    m_data = std::move(data);
    m_capacity = capacity;
}

void N4WriteBuffer::Read(U32 count, void* buffer)
{
    if (count > m_size - m_position)
        throw Util::XFileRead(m_name);
    if (count != 0)
        std::memcpy(buffer, m_data.get() + m_position, count);
    m_position += count;
}

void N4WriteBuffer::Write(U32 count, const void* data)
{
    if (count == 0)
        return;
    if (m_position + count > m_capacity)
        Grow(m_position + count);
    std::memcpy(m_data.get() + m_position, data, count);
    m_position += count;
    m_size = std::max(m_size, m_position);
}

U8* N4WriteBuffer::Append(U64 bytes)
{
    if (m_position + bytes > m_capacity)
        Grow(m_position + bytes);
    U8* at = m_data.get() + m_position;
    m_position += bytes;
    m_size = std::max(m_size, m_position);
    return at;
}

void N4WriteBuffer::Seek(U64 position)
{
    if (position > m_size)
        throw Util::XFileSeek(m_name);
    m_position = position;
}
} // namespace Velmo::Papy
