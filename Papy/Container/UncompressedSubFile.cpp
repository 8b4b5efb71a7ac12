#include "Papy/Container/UncompressedSubFile.h"

#include "Util/Exception.h"

namespace Velmo::Papy
{
UncompressedSubFile::UncompressedSubFile(Util::CountedPointer<Util::BinaryStream> parent, std::string name,
                                         U64 base, U64 size)
    : m_parent(std::move(parent)), m_name(std::move(name)), m_size(size), m_base(base), m_position(0)
{
}

// Positions the shared parent; every transfer does this first, since another entry or the
// container may have moved it.
void UncompressedSubFile::Seek(U64 position)
{
    if (position > m_size || m_base + position < m_base)
        throw Util::XFileSeek(m_name);
    try
    {
        m_parent->Seek(m_base + position);
    }
    catch (const Util::XFileSeek&)
    {
        throw Util::XFileSeek(m_name);
    }
    m_position = position;
}

void UncompressedSubFile::Read(U32 count, void* buffer)
{
    if (count > m_size - m_position)
        throw Util::XFileRead(m_name);
    Seek(m_position);
    try
    {
        m_parent->Read(count, buffer);
    }
    catch (const Util::XFileRead&)
    {
        throw Util::XFileRead(m_name);
    }
    m_position += count;
}

// An entry never grows: writing past its end fails.
void UncompressedSubFile::Write(U32 count, const void* data)
{
    if (count > m_size - m_position)
        throw Util::XFileWrite(m_name);
    Seek(m_position);
    try
    {
        m_parent->Write(count, data);
    }
    catch (const Util::XFileWrite&)
    {
        throw Util::XFileWrite(m_name);
    }
    m_position += count;
}
} // namespace Velmo::Papy
