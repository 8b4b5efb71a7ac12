#include "Util/WindowStream.h"

#include "Util/Exception.h"

namespace Velmo::Util
{
WindowStream::WindowStream(CountedPointer<BinaryStream> parent, std::string name, U64 base, U64 size)
    : m_parent(std::move(parent)), m_name(std::move(name)), m_size(size), m_base(base), m_position(0)
{
}

// Positions the shared parent; every transfer does this first, since another window or the
// parent's owner may have moved it.
void WindowStream::Seek(U64 position)
{
    if (position > m_size || m_base + position < m_base)
        throw XFileSeek(m_name);
    try
    {
        m_parent->Seek(m_base + position);
    }
    catch (const XFileSeek&)
    {
        throw XFileSeek(m_name);
    }
    m_position = position;
}

// A transfer of count bytes at the position: within the window, with the parent's failure
// reported as the window's own.
template <class Error, class Transfer>
void WindowStream::Move(U32 count, Transfer transfer)
{
    if (count > m_size - m_position)
        throw Error(m_name);
    Seek(m_position);
    try
    {
        transfer();
    }
    catch (const Error&)
    {
        throw Error(m_name);
    }
    m_position += count;
}

void WindowStream::Read(U32 count, void* buffer)
{
    Move<XFileRead>(count, [&] { m_parent->Read(count, buffer); });
}

void WindowStream::Write(U32 count, const void* data)
{
    Move<XFileWrite>(count, [&] { m_parent->Write(count, data); });
}
} // namespace Velmo::Util
