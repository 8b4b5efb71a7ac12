#pragma once
// The twelve-byte header that opens every chunk of the chunked formats: id, version and the
// size of the data that follows, three little-endian u32 words.
#include "Util/BinaryStream.h"
#include "Util/RecordReader.h"
#include "Util/Types.h"

namespace Velmo::Papy
{
// The id value of four characters, c0 << 24 | c1 << 16 | c2 << 8 | c3. Stored little-endian,
// so the letters stand reversed in a file: "3DO4" is the bytes 34 4F 44 33.
constexpr U32 MakeChunkId(char c0, char c1, char c2, char c3)
{
    return U32(U8(c0)) << 24 | U32(U8(c1)) << 16 | U32(U8(c2)) << 8 | U32(U8(c3));
}

// The next four bytes as a little-endian u32, leaving the position where it was.
U32 PeekChunkId(Util::BinaryStream& stream);

class ChunkHeader
{
public:
    // Reads the header with one read of 12 bytes; a short stream fails with its read error.
    explicit ChunkHeader(Util::BinaryStream& stream);
    // Reads the header from a record reader; a short reader fails with its short read.
    explicit ChunkHeader(Util::RecordReader& reader);
    ChunkHeader(U32 id, U32 version, U32 size);

    U32 GetId() const { return m_id; }
    U32 GetVersion() const { return m_version; }
    U32 GetSize() const { return m_size; }

    // Writes the header with one write of 12 bytes.
    void Write(Util::BinaryStream& stream) const;

    // Reads a header and checks, in this order, its id, its version (0) and, when a size
    // message is given, its size; the first check that fails raises XFileFormat with the
    // reader's name and that check's message.
    static ChunkHeader ReadExpected(Util::RecordReader& reader, U32 id, const char* idMessage,
                                    const char* versionMessage, const char* sizeMessage = nullptr, U64 size = 0);

    static constexpr U32 ByteSize = 12;

private:
    U32 m_id;
    U32 m_version;
    U32 m_size;
};
} // namespace Velmo::Papy
