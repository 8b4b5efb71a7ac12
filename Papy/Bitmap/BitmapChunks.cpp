#include "Papy/Bitmap/BitmapChunks.h"

#include "Util/Exception.h"

namespace Velmo::Papy::BitmapChunk
{
void WriteBytes(Util::BinaryStream& stream, const U8* data, U64 count)
{
    while (count != 0)
    {
        U32 chunk = count < (U64(1) << 30) ? U32(count) : U32(1) << 30;
        stream.Write(chunk, data);
        data += chunk;
        count -= chunk;
    }
}

SizePatch::SizePatch(Util::BinaryStream& stream, U32 id, U32 version)
    : m_stream(stream), m_id(id), m_version(version), m_start(stream.Tell())
{
    ChunkHeader(id, version, 0).Write(stream);
}

void SizePatch::End()
{
    U64 end = m_stream.Tell();
    U64 size = end - m_start - ChunkHeader::ByteSize;
    VELMO_ASSERT(end >= m_start + ChunkHeader::ByteSize && size <= 0xFFFFFFFFu);
    m_stream.Seek(m_start);
    ChunkHeader(m_id, m_version, U32(size)).Write(m_stream);
    m_stream.Seek(end);
}
} // namespace Velmo::Papy::BitmapChunk
