#pragma once
// Chunk ids and the chunk-reading and chunk-writing helpers of the chunked bitmap formats.
#include "Papy/Model/ChunkHeader.h"
#include "Util/BinaryStream.h"
#include "Util/RecordReader.h"

namespace Velmo::Papy
{
namespace BitmapChunk
{
constexpr U32 BMAP = MakeChunkId('B', 'M', 'A', 'P');
constexpr U32 BMHD = MakeChunkId('B', 'M', 'H', 'D');
constexpr U32 CMAP = MakeChunkId('C', 'M', 'A', 'P');
constexpr U32 DATA = MakeChunkId('D', 'A', 'T', 'A');
constexpr U32 MIP = MakeChunkId(' ', 'M', 'I', 'P');
constexpr U32 MPHD = MakeChunkId('M', 'P', 'H', 'D');
constexpr U32 SRB = MakeChunkId('S', 'R', 'B', ' ');
constexpr U32 SRHD = MakeChunkId('S', 'R', 'H', 'D');
constexpr U32 SRH2 = MakeChunkId('S', 'R', 'H', '2');

// The blank that pads headers and data.
constexpr U8 Blank = 0x20;

// Reads with a record reader over the stream from its position and leaves the stream after
// what read took.
template <class Read>
void ReadFrom(Util::BinaryStream& stream, Read read)
{
    U64 start = stream.Tell();
    Util::RecordReader reader(stream);
    read(reader);
    stream.Seek(start + reader.Tell());
}

// Writes count bytes, in pieces that a 32-bit stream write can take.
void WriteBytes(Util::BinaryStream& stream, const U8* data, U64 count);

// A chunk whose size is known only after its contents: the header is written with size 0
// at Begin and patched at End with the bytes written in between (the stream is left at
// the end). Contents beyond 4 GiB fail the assertion.
class SizePatch
{
public:
    SizePatch(Util::BinaryStream& stream, U32 id, U32 version);
    void End();

private:
    Util::BinaryStream& m_stream;
    U32 m_id;
    U32 m_version;
    U64 m_start;
};
} // namespace BitmapChunk
} // namespace Velmo::Papy
