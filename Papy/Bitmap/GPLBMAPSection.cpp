#include "Papy/Bitmap/GPLBMAPSection.h"

#include <algorithm>

#include "Papy/Bitmap/BitmapChunks.h"
#include "Papy/Bitmap/PixelCoding.h"
#include "Papy/Bitmap/Quantise.h"
#include "Util/Exception.h"
#include "Util/PkCompression.h"
#include "Util/StreamIO.h"

namespace Velmo::Papy
{
namespace
{
constexpr U32 HeaderSize = 14;
constexpr U32 HeaderBytes = 16; // the header and its two blanks

// A paletted section without a palette of its own or from its MIP: sixteen greys.
Util::CountedPointer<Palette> MakeDefaultPalette()
{
    Util::CountedPointer<Palette> palette(new Palette(16));
    for (U32 i = 0; i < 16; ++i)
    {
        float grey = ChannelValue(i, 15);
        palette->SetColour(i, Colour(grey, grey, grey, 1.0f));
    }
    return palette;
}

// A CMAP entry: blue, green, red, alpha bytes.
Colour EntryColour(const U8* e)
{
    return Colour(ChannelValue(e[2], 255), ChannelValue(e[1], 255), ChannelValue(e[0], 255), ChannelValue(e[3], 255));
}
} // namespace

GPLBMAPSection::GPLBMAPSection(Util::BinaryStream& stream, const Util::CountedPointer<Palette>& sharedPalette,
                               U8 maxMethod)
{
    U64 start = stream.Tell();
    Util::RecordReader reader(stream);
    Read(reader, sharedPalette, maxMethod);
    stream.Seek(start + reader.Tell());
}

GPLBMAPSection::GPLBMAPSection(Util::RecordReader& reader, const Util::CountedPointer<Palette>& sharedPalette,
                               U8 maxMethod)
{
    Read(reader, sharedPalette, maxMethod);
}

GPLBMAPSection::GPLBMAPSection(U8 format, bool ownPalette, U32 paletteSize,
                               const Util::CountedPointer<Palette>& sharedPalette, U8 method)
    : m_format(format), m_pixelFormat(FindGPLPixelFormat(format)), m_method(method)
{
    VELMO_ASSERT_TEXT(m_pixelFormat != nullptr, "false");
    if (m_pixelFormat->paletted)
    {
        m_ownPalette = ownPalette;
        m_palette = ownPalette ? Util::CountedPointer<Palette>(new Palette(paletteSize)) : sharedPalette;
    }
}

void GPLBMAPSection::Read(Util::RecordReader& reader, const Util::CountedPointer<Palette>& sharedPalette,
                          U8 maxMethod)
{
    const std::string& name = reader.GetName();
    auto fail = [&name](const char* message) { throw Util::XFileFormat(name, message); };

    ChunkHeader bmap =
        ChunkHeader::ReadExpected(reader, BitmapChunk::BMAP, "GPL bitmap id not BMAP", "GPL bitmap unsupported version");
    U64 end = reader.Tell() + bmap.GetSize();
    ChunkHeader::ReadExpected(reader, BitmapChunk::BMHD, "GPL bitmap header not found",
                              "GPL bitmap header unsupported version", "GPL bitmap header incorrect size", HeaderSize);

    U8 header[HeaderBytes];
    reader.ReadBytes(header, HeaderBytes);
    U8 format = header[0];
    U8 method = header[13];
    m_pixelFormat = FindGPLPixelFormat(format);
    if (m_pixelFormat == nullptr)
        fail("GPL bitmap header unknown format");
    if (method > maxMethod)
        fail("GPL bitmap header unsupported compression method");
    m_format = format;
    m_width = Util::DecodeLE<U32>(header + 1);
    m_height = Util::DecodeLE<U32>(header + 5);
    m_stride = Util::DecodeLE<U32>(header + 9);
    m_method = method;
    // In 64 bits: no width makes a stride that wraps to the stored one.
    if (Papy::GetStride(*m_pixelFormat, m_width) != m_stride)
        fail("GPL bitmap header width in bytes incorrect");
    if (header[14] != BitmapChunk::Blank)
        fail("GPL bitmap header fill byte 0 not blank");
    if (header[15] != BitmapChunk::Blank)
        fail("GPL bitmap header fill byte 1 not blank");

    ChunkHeader next = ChunkHeader(reader);
    if (m_pixelFormat->paletted)
    {
        if (next.GetId() == BitmapChunk::CMAP)
        {
            // The header just read is the palette's.
            m_palette = ReadPalette(reader, next, &m_paletteBytes);
            m_ownPalette = true;
            next = ChunkHeader(reader);
        }
        else if (sharedPalette)
            m_palette = sharedPalette;
        else
            m_palette = MakeDefaultPalette();
    }

    if (next.GetId() != BitmapChunk::DATA)
        fail("GPL bitmap data header id not DATA");
    if (next.GetVersion() != 0)
        fail("GPL bitmap data unsupported version");
    U64 pixelBytes = GetPixelByteCount(*m_pixelFormat, m_height, m_stride);
    U32 dataSize = next.GetSize();
    // Sizes that cannot fit the section are refused before anything is reserved for them.
    if (pixelBytes > 0xFFFFFFFFu || reader.Tell() > end || dataSize > end - reader.Tell())
        fail("GPL bitmap incorrect size");
    reader.CheckCount(dataSize, 1);
    m_uncompressedDataSize = U32(pixelBytes);
    m_compressedDataSize = dataSize;
    m_stored.Reset(new std::vector<U8>(dataSize));
    reader.ReadBytes(m_stored->data(), dataSize);

    if (dataSize % 4 != 0)
    {
        U8 filler[3];
        U32 count = 4 - dataSize % 4;
        reader.ReadBytes(filler, count);
        for (U32 i = 0; i < count; ++i)
            if (filler[i] != BitmapChunk::Blank)
                fail("GPL bitmap filler incorrect");
    }
    if (reader.Tell() != end)
        fail("GPL bitmap incorrect size");
}

Util::CountedPointer<GPLBMAPSection> GPLBMAPSection::Clone(const Util::CountedPointer<Palette>& sharedPalette) const
{
    // Every field is copied; then the palette and the byte blocks become the copy's own.
    Util::CountedPointer<GPLBMAPSection> copy(new GPLBMAPSection(*this));
    GPLBMAPSection& c = *copy;
    if (m_ownPalette || (!sharedPalette && m_palette))
        c.m_palette.Reset(new Palette(*m_palette));
    else if (m_pixelFormat->paletted)
        c.m_palette = sharedPalette;
    if (m_stored)
        c.m_stored.Reset(new std::vector<U8>(*m_stored));
    if (m_pixels)
        c.m_pixels = m_pixels == m_stored ? c.m_stored : Block(new std::vector<U8>(*m_pixels));
    if (m_decoded)
        c.m_decoded = m_decoded->Clone();
    return copy;
}

void GPLBMAPSection::Resize(U32 height, U32 width)
{
    ++m_edits;
    U64 stride = Papy::GetStride(*m_pixelFormat, width);
    U64 bytes = GetPixelByteCount(*m_pixelFormat, height, stride);
    VELMO_ASSERT(stride <= 0xFFFFFFFFu && bytes <= 0xFFFFFFFFu);
    m_height = height;
    m_width = width;
    m_stride = U32(stride);
    m_uncompressedDataSize = U32(bytes);
    // Zeros throughout, the padding word at the end of each row among them; a row of
    // width 0 has no word to clear.
    m_pixels.Reset(new std::vector<U8>(std::size_t(bytes)));
    m_stored = nullptr;
    m_compressedDataSize = 0;
    m_decoded = nullptr;
}

void GPLBMAPSection::MakePixels() const
{
    if (m_pixels)
        return;
    switch (m_method)
    {
    case 0:
        VELMO_ASSERT_TEXT(m_compressedDataSize == m_uncompressedDataSize, "CompressedDataSize == UncompressedDataSize");
        m_pixels = m_stored ? m_stored : Block(new std::vector<U8>());
        return;
    case 1:
    {
        Block pixels(new std::vector<U8>());
        if (m_uncompressedDataSize != 0)
        {
            // Exactly the pixel bytes: a stream that cannot make that many, or makes more
            // (one byte of room beyond them tells), is refused.
            U64 result_size = U64(m_uncompressedDataSize) + 1;
            if (m_stored && m_uncompressedDataSize <= Util::PkCompression::MaxDecompressedSize(m_compressedDataSize))
            {
                pixels->resize(std::size_t(m_uncompressedDataSize) + 1);
                result_size = Util::PkCompression::Decompress(m_stored->data(), m_compressedDataSize, pixels->data(),
                                                              U32(pixels->size()));
            }
            VELMO_ASSERT_TEXT(result_size == m_uncompressedDataSize, "result_size == UncompressedDataSize");
            pixels->resize(m_uncompressedDataSize);
        }
        m_pixels = pixels;
        return;
    }
    }
    VELMO_ASSERT_TEXT(false, "false");
}

void GPLBMAPSection::MakeStored() const
{
    if (m_stored)
        return;
    MakePixels();
    switch (m_method)
    {
    case 0:
        m_stored = m_pixels;
        m_compressedDataSize = m_uncompressedDataSize;
        return;
    case 1:
    {
        U64 capacity = Util::PkCompression::MaxCompressedSize(m_uncompressedDataSize);
        VELMO_ASSERT(capacity <= 0xFFFFFFFFu);
        Block stored(new std::vector<U8>(std::size_t(capacity)));
        U32 size = Util::PkCompression::Compress(m_pixels->data(), m_uncompressedDataSize, stored->data(),
                                                 U32(capacity));
        stored->resize(size);
        m_stored = stored;
        m_compressedDataSize = size;
        return;
    }
    }
    VELMO_ASSERT_TEXT(false, "false");
}

Colour GPLBMAPSection::GetPixel(U32 row, U32 column) const
{
    if (m_decoded)
        return m_decoded->GetPixel(row, column);
    if (!m_pixels)
        MakePixels();
    return DecodePixel(*m_pixelFormat, m_pixels->data(), m_stride, row, column, m_palette.Get());
}

void GPLBMAPSection::SetPixel(U32 row, U32 column, const Colour& colour)
{
    ++m_edits;
    if (m_pixelFormat->blockWidth != 1)
    {
        if (!m_decoded)
        {
            Util::CountedPointer<BitmapSimple> decoded(new BitmapSimple());
            decoded->Resize(m_height, m_width);
            for (U32 r = 0; r < m_height; ++r)
                for (U32 c = 0; c < m_width; ++c)
                    decoded->SetPixel(r, c, GetPixel(r, c));
            m_decoded = decoded;
        }
        m_decoded->SetPixel(row, column, colour);
        return;
    }
    if (!m_pixels)
        MakePixels();
    EncodePixel(*m_pixelFormat, m_pixels->data(), m_stride, row, column, colour, m_palette.Get());
    // Imploded bytes no longer match the pixels; stored ones are the pixels themselves.
    if (m_stored != m_pixels)
    {
        m_stored = nullptr;
        m_compressedDataSize = 0;
    }
}

void GPLBMAPSection::Write(Util::BinaryStream& stream) const
{
    if (m_decoded)
        throw Util::XUsage("GPL bitmap block-compressed pixels edited: they cannot be written");
    MakeStored();

    BitmapChunk::SizePatch bmap(stream, BitmapChunk::BMAP, 0);
    ChunkHeader(BitmapChunk::BMHD, 0, HeaderSize).Write(stream);
    U8 header[HeaderBytes];
    header[0] = m_format;
    Util::EncodeLE<U32>(m_width, header + 1);
    Util::EncodeLE<U32>(m_height, header + 5);
    Util::EncodeLE<U32>(m_stride, header + 9);
    header[13] = m_method;
    header[14] = BitmapChunk::Blank;
    header[15] = BitmapChunk::Blank;
    stream.Write(HeaderBytes, header);
    if (m_ownPalette)
        WritePalette(*m_palette, m_paletteBytes, stream);
    ChunkHeader(BitmapChunk::DATA, 0, m_compressedDataSize).Write(stream);
    BitmapChunk::WriteBytes(stream, m_stored->data(), m_compressedDataSize);
    static const U8 blanks[3] = {BitmapChunk::Blank, BitmapChunk::Blank, BitmapChunk::Blank};
    stream.Write((4 - m_compressedDataSize % 4) % 4, blanks);
    bmap.End();
}

U8 GPLBMAPSection::GetRedBits() const
{
    return m_pixelFormat->redBits;
}

U8 GPLBMAPSection::GetGreenBits() const
{
    return m_pixelFormat->greenBits;
}

U8 GPLBMAPSection::GetBlueBits() const
{
    return m_pixelFormat->blueBits;
}

U8 GPLBMAPSection::GetAlphaBits() const
{
    return m_pixelFormat->alphaBits;
}

U8 GPLBMAPSection::GetTransparency() const
{
    return m_pixelFormat->transparency;
}

Util::CountedPointer<Palette> GPLBMAPSection::ReadPalette(Util::BinaryStream& stream)
{
    U64 start = stream.Tell();
    Util::RecordReader reader(stream);
    Util::CountedPointer<Palette> palette = ReadPalette(reader);
    stream.Seek(start + reader.Tell());
    return palette;
}

Util::CountedPointer<Palette> GPLBMAPSection::ReadPalette(Util::RecordReader& reader, std::vector<U8>* entryBytes)
{
    return ReadPalette(reader, ChunkHeader(reader), entryBytes);
}

Util::CountedPointer<Palette> GPLBMAPSection::ReadPalette(Util::RecordReader& reader, const ChunkHeader& header,
                                                          std::vector<U8>* entryBytes)
{
    const std::string& name = reader.GetName();
    if (header.GetId() != BitmapChunk::CMAP)
        throw Util::XFileFormat(name, "GPL palette id not CMAP");
    if (header.GetVersion() != 0)
        throw Util::XFileFormat(name, "GPL palette unsupported version");
    if (header.GetSize() % 4 != 0)
        throw Util::XFileFormat(name, "GPL palette incorrect size");
    U32 count = header.GetSize() / 4;
    reader.CheckCount(count, 4);
    std::vector<U8> entries(std::size_t(count) * 4);
    reader.ReadBytes(entries.data(), entries.size());
    Util::CountedPointer<Palette> palette(new Palette(count));
    for (U32 i = 0; i < count; ++i)
    {
        const U8* e = entries.data() + 4 * std::size_t(i);
        palette->SetColour(i, EntryColour(e));
    }
    if (entryBytes != nullptr)
        *entryBytes = std::move(entries);
    return palette;
}

bool GPLBMAPSection::HoldsEntries(const Palette& palette, const std::vector<U8>& entryBytes)
{
    if (entryBytes.size() != 4 * std::size_t(palette.GetColourCount()))
        return false;
    for (U32 i = 0; i < palette.GetColourCount(); ++i)
        if (!(EntryColour(entryBytes.data() + 4 * std::size_t(i)) == palette[i]))
            return false;
    return true;
}

void GPLBMAPSection::WritePalette(const Palette& palette, Util::BinaryStream& stream)
{
    WritePalette(palette, std::vector<U8>(), stream);
}

void GPLBMAPSection::WritePalette(const Palette& palette, const std::vector<U8>& entryBytes,
                                  Util::BinaryStream& stream)
{
    U64 size = U64(palette.GetColourCount()) * 4;
    VELMO_ASSERT(size <= 0xFFFFFFFFu);
    ChunkHeader(BitmapChunk::CMAP, 0, U32(size)).Write(stream);
    std::vector<U8> entries(static_cast<std::size_t>(size));
    for (U32 i = 0; i < palette.GetColourCount(); ++i)
    {
        const Colour& c = palette[i];
        U8* e = entries.data() + 4 * std::size_t(i);
        if (entryBytes.size() >= 4 * (std::size_t(i) + 1))
        {
            const U8* stored = entryBytes.data() + 4 * std::size_t(i);
            if (EntryColour(stored) == c)
            {
                std::copy(stored, stored + 4, e);
                continue;
            }
        }
        e[0] = U8(QuantiseChannel(c.GetBlue(), 255));
        e[1] = U8(QuantiseChannel(c.GetGreen(), 255));
        e[2] = U8(QuantiseChannel(c.GetRed(), 255));
        e[3] = U8(QuantiseChannel(c.GetAlpha(), 255));
    }
    BitmapChunk::WriteBytes(stream, entries.data(), size);
}
} // namespace Velmo::Papy
