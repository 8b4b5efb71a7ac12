#include "Papy/Bitmap/BMAPSection.h"

#include "Util/Exception.h"

namespace Velmo::Papy
{
U64 BMAPSection::ReadHead(Util::RecordReader& reader, const Texts& texts, BitmapHeader& header)
{
    ChunkHeader bmap = ChunkHeader::ReadExpected(reader, BitmapChunk::BMAP, texts.id, texts.version);
    U64 end = reader.Tell() + bmap.GetSize();
    ChunkHeader::ReadExpected(reader, BitmapChunk::BMHD, texts.headerId, texts.headerVersion, texts.headerSize,
                              BitmapHeader::ChunkSize);
    ReadHeader(reader, header);
    return end;
}

void BMAPSection::TakeHeader(const Util::RecordReader& reader, const Texts& texts, const BitmapHeader& header,
                             const PixelFormat& format)
{
    auto fail = [&reader](const char* message) { throw Util::XFileFormat(reader.GetName(), message); };
    if (Papy::GetStride(format, header.width) != header.stride)
        fail(texts.stride);
    if (texts.reserved != nullptr && header.method != 0)
        fail(texts.reserved);
    if (header.blanks[0] != BitmapChunk::Blank)
        fail(texts.blank0);
    if (header.blanks[1] != BitmapChunk::Blank)
        fail(texts.blank1);
    m_format = header.format;
    m_width = header.width;
    m_height = header.height;
    m_stride = header.stride;
}

void BMAPSection::CheckEnd(const Util::RecordReader& reader, const Texts& texts, U64 end)
{
    if (reader.Tell() != end)
        throw Util::XFileFormat(reader.GetName(), texts.size);
}

U32 BMAPSection::SetSize(const PixelFormat& format, U32 height, U32 width)
{
    U64 stride = Papy::GetStride(format, width);
    U64 bytes = GetPixelByteCount(format, height, stride);
    VELMO_ASSERT(stride <= 0xFFFFFFFFu && bytes <= 0xFFFFFFFFu);
    m_height = height;
    m_width = width;
    m_stride = U32(stride);
    return U32(bytes);
}

void BMAPSection::WriteHeader(Util::BinaryStream& stream, U8 method) const
{
    ChunkHeader(BitmapChunk::BMHD, 0, BitmapHeader::ChunkSize).Write(stream);
    BitmapHeader header{.format = m_format, .width = m_width, .height = m_height, .stride = m_stride, .method = method};
    Util::WriteFields(stream, header);
}
} // namespace Velmo::Papy
