#include "Papy/Bitmap/N2BMAPSection.h"

#include "Papy/Bitmap/BitmapChunks.h"
#include "Papy/Bitmap/PixelCoding.h"
#include "Util/Exception.h"
#include "Util/StreamIO.h"

namespace Velmo::Papy
{
namespace
{
constexpr U32 HeaderSize = 14;
constexpr U32 HeaderBytes = 16; // the header and its two blanks

// The N2 codes as pixel records of the shared coder: indices into a palette of 8-bit channels.
const PixelFormat N2Formats[] = {
    {1, PixelStore::Index4, 4, 1, 1, 8, 8, 8, 1, 1, true},
    {2, PixelStore::Index8, 8, 1, 1, 8, 8, 8, 1, 0, true},
    {3, PixelStore::Index8, 8, 1, 1, 8, 8, 8, 1, 1, true},
};
} // namespace

const PixelFormat& N2BMAPSection::GetPixelFormat(U8 format)
{
    VELMO_ASSERT_TEXT(format >= 1 && format <= 3, "false");
    return N2Formats[format - 1];
}

N2BMAPSection::N2BMAPSection(Util::RecordReader& reader, const Palette& palette) : m_palette(new Palette(palette))
{
    Read(reader);
}

N2BMAPSection::N2BMAPSection(Util::BinaryStream& stream, const Palette& palette) : m_palette(new Palette(palette))
{
    U64 start = stream.Tell();
    Util::RecordReader reader(stream);
    Read(reader);
    stream.Seek(start + reader.Tell());
}

N2BMAPSection::N2BMAPSection(U8 format, const Palette& palette) : m_format(format), m_palette(new Palette(palette))
{
    GetPixelFormat(format);
}

N2BMAPSection::N2BMAPSection(const N2BMAPSection& other)
    : Bitmap(other), m_format(other.m_format), m_height(other.m_height), m_width(other.m_width),
      m_stride(other.m_stride), m_pixels(other.m_pixels), m_palette(other.m_palette)
{
}

void N2BMAPSection::Read(Util::RecordReader& reader)
{
    const std::string& name = reader.GetName();
    auto fail = [&name](const char* message) { throw Util::XFileFormat(name, message); };

    ChunkHeader bmap =
        ChunkHeader::ReadExpected(reader, BitmapChunk::BMAP, "N2 bitmap id not BMAP", "N2 bitmap unsupported version");
    U64 end = reader.Tell() + bmap.GetSize();
    ChunkHeader::ReadExpected(reader, BitmapChunk::BMHD, "N2 bitmap header not found",
                              "N2 bitmap header unsupported version", "N2 bitmap header incorrect size", HeaderSize);

    U8 header[HeaderBytes];
    reader.ReadBytes(header, HeaderBytes);
    m_format = header[0];
    m_width = Util::DecodeLE<U32>(header + 1);
    m_height = Util::DecodeLE<U32>(header + 5);
    m_stride = Util::DecodeLE<U32>(header + 9);
    // In 64 bits: no width makes a stride that wraps to the stored one.
    if (Papy::GetStride(GetPixelFormat(m_format), m_width) != m_stride)
        fail("N2 bitmap header width in bytes incorrect");
    if (header[13] != 0)
        fail("N2 bitmap header byte 13 not zero");
    if (header[14] != BitmapChunk::Blank)
        fail("N2 bitmap header fill byte 0 not blank");
    if (header[15] != BitmapChunk::Blank)
        fail("N2 bitmap header fill byte 1 not blank");

    ChunkHeader data = ChunkHeader::ReadExpected(reader, BitmapChunk::DATA, "N2 bitmap data header id not DATA",
                                                 "N2 bitmap data header unsupported version",
                                                 "N2 bitmap data incorrect size", U64(m_height) * m_stride);
    // A size beyond the bytes left is a short read, refused before anything is reserved.
    reader.CheckCount(data.GetSize(), 1);
    m_pixels.resize(data.GetSize());
    reader.ReadBytes(m_pixels.data(), m_pixels.size());
    if (reader.Tell() != end)
        fail("N2 bitmap incorrect size");
}

void N2BMAPSection::Resize(U32 height, U32 width)
{
    U64 stride = Papy::GetStride(GetPixelFormat(m_format), width);
    U64 bytes = stride * height;
    VELMO_ASSERT(stride <= 0xFFFFFFFFu && bytes <= 0xFFFFFFFFu);
    m_height = height;
    m_width = width;
    m_stride = U32(stride);
    // Zeros throughout, the last word of every row among them.
    m_pixels.assign(std::size_t(bytes), 0);
}

Colour N2BMAPSection::GetPixel(U32 row, U32 column) const
{
    return DecodePixel(GetPixelFormat(m_format), m_pixels.data(), m_stride, row, column, m_palette.Get());
}

void N2BMAPSection::SetPixel(U32 row, U32 column, const Colour& colour)
{
    EncodePixel(GetPixelFormat(m_format), m_pixels.data(), m_stride, row, column, colour, m_palette.Get());
}

void N2BMAPSection::Write(Util::BinaryStream& stream) const
{
    BitmapChunk::SizePatch bmap(stream, BitmapChunk::BMAP, 0);
    ChunkHeader(BitmapChunk::BMHD, 0, HeaderSize).Write(stream);
    U8 header[HeaderBytes];
    header[0] = m_format;
    Util::EncodeLE<U32>(m_width, header + 1);
    Util::EncodeLE<U32>(m_height, header + 5);
    Util::EncodeLE<U32>(m_stride, header + 9);
    header[13] = 0;
    header[14] = BitmapChunk::Blank;
    header[15] = BitmapChunk::Blank;
    stream.Write(HeaderBytes, header);
    ChunkHeader(BitmapChunk::DATA, 0, U32(m_pixels.size())).Write(stream);
    if (!m_pixels.empty())
        stream.Write(U32(m_pixels.size()), m_pixels.data());
    bmap.End();
}
} // namespace Velmo::Papy
