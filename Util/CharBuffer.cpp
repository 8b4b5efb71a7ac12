#include "Util/CharBuffer.h"

#include <cstring>

#include "Util/Exception.h"

namespace Velmo::Util
{
CharBuffer::CharBuffer(std::string name, U32 size, void* data)
    : m_readOnly(false), m_name(std::move(name)), m_base(static_cast<U8*>(data)), m_current(m_base), m_size(size),
      m_position(0)
{
}

CharBuffer::CharBuffer(std::string name)
    : m_readOnly(true), m_name(std::move(name)), m_base(nullptr), m_current(nullptr), m_size(0), m_position(0)
{
}

void CharBuffer::Attach(U32 size, const void* data)
{
    m_base = static_cast<U8*>(const_cast<void*>(data));
    m_current = m_base;
    m_size = size;
    m_position = 0;
}

// Position and count are compared in 64 bits so that their sum cannot wrap.
void CharBuffer::Read(U32 count, void* buffer)
{
    if (U64(m_position) + count > m_size)
        throw XFileRead(m_name);
    if (count != 0)
        std::memcpy(buffer, m_current, count);
    m_current += count;
    m_position += count;
}

void CharBuffer::Write(U32 count, const void* data)
{
    if (m_readOnly || U64(m_position) + count > m_size)
        throw XFileWrite(m_name);
    if (count != 0)
        std::memcpy(m_current, data, count);
    m_current += count;
    m_position += count;
}

void CharBuffer::Seek(U64 position)
{
    if (position > m_size)
        throw XFileSeek(m_name);
    m_position = static_cast<U32>(position);
    m_current = m_base + m_position;
}
} // namespace Velmo::Util
