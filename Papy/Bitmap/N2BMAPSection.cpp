#include "Papy/Bitmap/N2BMAPSection.h"

#include "Papy/Bitmap/BitmapChunks.h"
#include "Papy/Bitmap/PixelCoding.h"
#include "Util/Exception.h"

namespace Velmo::Papy
{
namespace
{
// The N2 codes as pixel records of the shared coder: indices into a palette of 8-bit channels.
const PixelFormat N2Formats[] = {
    {1, PixelStore::Index4, 4, 1, 1, 8, 8, 8, 1, 1, true},
    {2, PixelStore::Index8, 8, 1, 1, 8, 8, 8, 1, 0, true},
    {3, PixelStore::Index8, 8, 1, 1, 8, 8, 8, 1, 1, true},
};
} // namespace

const BMAPSection::Texts N2BMAPSection::ErrorTexts = {
    "N2 bitmap id not BMAP",
    "N2 bitmap unsupported version",
    "N2 bitmap header not found",
    "N2 bitmap header unsupported version",
    "N2 bitmap header incorrect size",
    "N2 bitmap header width in bytes incorrect",
    "N2 bitmap header byte 13 not zero",
    "N2 bitmap header fill byte 0 not blank",
    "N2 bitmap header fill byte 1 not blank",
    "N2 bitmap incorrect size",
};

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
    BitmapChunk::ReadFrom(stream, [this](Util::RecordReader& reader) { Read(reader); });
}

N2BMAPSection::N2BMAPSection(U8 format, const Palette& palette) : BMAPSection(format), m_palette(new Palette(palette))
{
    GetPixelFormat(format);
}

void N2BMAPSection::Read(Util::RecordReader& reader)
{
    BitmapHeader header;
    U64 end = ReadHead(reader, ErrorTexts, header);
    // An unknown format fails its assertion here.
    TakeHeader(reader, ErrorTexts, header, GetPixelFormat(header.format));

    ChunkHeader data = ChunkHeader::ReadExpected(reader, BitmapChunk::DATA, "N2 bitmap data header id not DATA",
                                                 "N2 bitmap data header unsupported version",
                                                 "N2 bitmap data incorrect size", U64(m_height) * m_stride);
    // A size beyond the bytes left is a short read, refused before anything is reserved.
    reader.CheckCount(data.GetSize(), 1);
    m_pixels.resize(data.GetSize());
    reader.ReadBytes(m_pixels.data(), m_pixels.size());
    CheckEnd(reader, ErrorTexts, end);
}

void N2BMAPSection::Resize(U32 height, U32 width)
{
    // Zeros throughout, the last word of every row among them.
    m_pixels.assign(SetSize(GetPixelFormat(m_format), height, width), 0);
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
    WriteChunk(stream, 0, [&] {
        ChunkHeader(BitmapChunk::DATA, 0, U32(m_pixels.size())).Write(stream);
        if (!m_pixels.empty())
            stream.Write(U32(m_pixels.size()), m_pixels.data());
    });
}
} // namespace Velmo::Papy
