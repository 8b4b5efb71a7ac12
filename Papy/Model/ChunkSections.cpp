#include "Papy/Model/ChunkSections.h"

#include "Util/Exception.h"

namespace Velmo::Papy
{
ChunkSections::ChunkSections(Util::RecordReader& reader, U64 size, const Messages& messages)
    : m_reader(reader), m_messages(messages), m_end(reader.Tell() + size)
{
}

bool ChunkSections::Next()
{
    // Everything read stays inside the frame, so the position never passes its end.
    if (m_open)
    {
        const U32 size = m_header.GetSize();
        if (!m_taken)
            m_reader.Skip(size);
        m_open = false;
        if (size % 4 != 0)
        {
            const U32 padding = 4 - size % 4;
            if (padding > m_end - m_reader.Tell())
            {
                if (m_messages.paddingBeyondEnd == nullptr)
                    m_reader.ThrowShortRead();
                throw Util::XFileFormat(m_reader.GetName(), m_messages.paddingBeyondEnd);
            }
            m_reader.Skip(padding);
        }
    }
    if (m_reader.Tell() == m_end)
        return false;
    if (m_end - m_reader.Tell() < ChunkHeader::ByteSize)
        throw Util::XFileFormat(m_reader.GetName(), m_messages.noRoomForHeader);
    m_header = ChunkHeader(m_reader);
    if (m_header.GetVersion() != 0)
        throw Util::XFileFormat(m_reader.GetName(), m_messages.version);
    if (m_header.GetSize() > m_end - m_reader.Tell())
        throw Util::XFileFormat(m_reader.GetName(), m_messages.beyondEnd);
    m_open = true;
    m_taken = false;
    return true;
}

Util::RecordReader ChunkSections::Data()
{
    VELMO_ASSERT(m_open && !m_taken);
    m_taken = true;
    return m_reader.Slice(m_header.GetSize());
}
} // namespace Velmo::Papy
