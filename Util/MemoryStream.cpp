#include "Util/MemoryStream.h"

#include <algorithm>
#include <cstring>

#include "Util/Exception.h"

namespace Velmo::Util
{
MemoryStream::MemoryStream(std::string name) : m_name(std::move(name))
{
}

MemoryStream::MemoryStream(std::vector<U8> bytes, std::string name) : m_bytes(std::move(bytes)), m_name(std::move(name))
{
}

void MemoryStream::Read(U32 count, void* buffer)
{
    if (m_position > m_bytes.size() || count > m_bytes.size() - m_position)
        throw XFileRead(m_name);
    if (count != 0)
        std::memcpy(buffer, m_bytes.data() + m_position, count);
    m_position += count;
}

void MemoryStream::Extend(U64 end)
{
    if (end < m_position || end > m_bytes.max_size())
        throw XFileWrite(m_name);
    if (end > m_bytes.size())
    {
        // Doubling keeps a file written a few bytes at a time from reallocating at each write.
        if (end > m_bytes.capacity())
            m_bytes.reserve(std::size_t(std::max<U64>({end, 2 * U64(m_bytes.capacity()), 4096})));
        m_bytes.resize(std::size_t(end));
    }
}

void MemoryStream::Write(U32 count, const void* data)
{
    if (count == 0)
        return;
    const U8* bytes = static_cast<const U8*>(data);
    if (m_position == m_bytes.size())
    {
        // Writing at the end, the usual case: the bytes are appended without being zeroed first.
        if (count > m_bytes.capacity() - m_bytes.size())
            Reserve(std::max<U64>({m_position + count, 2 * U64(m_bytes.capacity()), 4096}));
        m_bytes.insert(m_bytes.end(), bytes, bytes + count);
    }
    else
    {
        Extend(m_position + count);
        std::memcpy(m_bytes.data() + m_position, bytes, count);
    }
    m_position += count;
}

U8* MemoryStream::Append(U64 bytes)
{
    Extend(m_position + bytes);
    U8* at = m_bytes.data() + m_position;
    m_position += bytes;
    return at;
}

void MemoryStream::Truncate()
{
    if (m_position < m_bytes.size())
        m_bytes.resize(std::size_t(m_position));
    else
        Extend(m_position);
}

void MemoryStream::Reserve(U64 size)
{
    if (size > m_bytes.max_size())
        throw XFileWrite(m_name);
    m_bytes.reserve(std::size_t(size));
}

std::vector<U8> MemoryStream::TakeBytes()
{
    std::vector<U8> bytes = std::move(m_bytes);
    m_bytes.clear();
    m_position = 0;
    return bytes;
}
} // namespace Velmo::Util
