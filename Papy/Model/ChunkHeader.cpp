#include "Papy/Model/ChunkHeader.h"

#include "Util/Exception.h"
#include "Util/StreamIO.h"

namespace Velmo::Papy
{
ChunkHeader::ChunkHeader(Util::BinaryStream& stream)
{
    U8 bytes[ByteSize];
    stream.Read(ByteSize, bytes);
    m_id = Util::DecodeLE<U32>(bytes);
    m_version = Util::DecodeLE<U32>(bytes + 4);
    m_size = Util::DecodeLE<U32>(bytes + 8);
}

ChunkHeader::ChunkHeader(Util::RecordReader& reader)
{
    U32 words[3];
    reader.ReadArray(words, 3);
    m_id = words[0];
    m_version = words[1];
    m_size = words[2];
}

ChunkHeader ChunkHeader::ReadExpected(Util::RecordReader& reader, U32 id, const char* idMessage,
                                      const char* versionMessage, const char* sizeMessage, U64 size)
{
    ChunkHeader header(reader);
    if (header.GetId() != id)
        throw Util::XFileFormat(reader.GetName(), idMessage);
    if (header.GetVersion() != 0)
        throw Util::XFileFormat(reader.GetName(), versionMessage);
    if (sizeMessage != nullptr && header.GetSize() != size)
        throw Util::XFileFormat(reader.GetName(), sizeMessage);
    return header;
}

ChunkHeader::ChunkHeader(U32 id, U32 version, U32 size) : m_id(id), m_version(version), m_size(size)
{
}

void ChunkHeader::Write(Util::BinaryStream& stream) const
{
    U8 bytes[ByteSize];
    Util::EncodeLE<U32>(m_id, bytes);
    Util::EncodeLE<U32>(m_version, bytes + 4);
    Util::EncodeLE<U32>(m_size, bytes + 8);
    stream.Write(ByteSize, bytes);
}

U32 PeekChunkId(Util::BinaryStream& stream)
{
    U64 position = stream.Tell();
    U32 id = Util::ReadLE<U32>(stream);
    stream.Seek(position);
    return id;
}
} // namespace Velmo::Papy
