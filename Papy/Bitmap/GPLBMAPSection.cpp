#include "Papy/Bitmap/GPLBMAPSection.h"

#include <algorithm>

#include "Papy/Bitmap/BitmapChunks.h"
#include "Papy/Bitmap/BitmapOperations.h"
#include "Papy/Bitmap/PixelCoding.h"
#include "Papy/Bitmap/Quantise.h"
#include "Util/Exception.h"
#include "Util/MemoryBound.h"
#include "Util/PkCompression.h"

namespace Velmo::Papy
{
const BMAPSection::Texts GPLBMAPSection::ErrorTexts = {
    "GPL bitmap id not BMAP",
    "GPL bitmap unsupported version",
    "GPL bitmap header not found",
    "GPL bitmap header unsupported version",
    "GPL bitmap header incorrect size",
    "GPL bitmap header width in bytes incorrect",
    nullptr,
    "GPL bitmap header fill byte 0 not blank",
    "GPL bitmap header fill byte 1 not blank",
    "GPL bitmap incorrect size",
};

GPLBMAPSection::GPLBMAPSection(Util::BinaryStream& stream, const Util::CountedPointer<Palette>& sharedPalette,
                               U8 maxMethod)
{
    BitmapChunk::ReadFrom(stream, [&](Util::RecordReader& reader) { Read(reader, sharedPalette, maxMethod); });
}

GPLBMAPSection::GPLBMAPSection(Util::RecordReader& reader, const Util::CountedPointer<Palette>& sharedPalette,
                               U8 maxMethod)
{
    Read(reader, sharedPalette, maxMethod);
}

GPLBMAPSection::GPLBMAPSection(U8 format, bool ownPalette, U32 paletteSize,
                               const Util::CountedPointer<Palette>& sharedPalette, U8 method)
    : BMAPSection(format), m_pixelFormat(FindGPLPixelFormat(format)), m_method(method)
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

    BitmapHeader header;
    U64 end = ReadHead(reader, ErrorTexts, header);
    m_pixelFormat = FindGPLPixelFormat(header.format);
    if (m_pixelFormat == nullptr)
        fail("GPL bitmap header unknown format");
    if (header.method > maxMethod)
        fail("GPL bitmap header unsupported compression method");
    TakeHeader(reader, ErrorTexts, header, *m_pixelFormat);
    m_method = header.method;

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
            // Without a palette of its own or from its MIP: sixteen greys.
            m_palette = Palette::MakeGreys(16);
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
    // Imploded pixels are unpacked on first use into a block of their size: a size that the
    // stored bytes could reach but the library's ceiling refuses is refused now, with the
    // file's name, before anything is made for it (one they cannot reach, when first used).
    if (header.method == 1 && pixelBytes <= Util::PkCompression::MaxDecompressedSize(dataSize))
        Util::PkCompression::CheckUnpackedSize(name, name, pixelBytes);
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
    CheckEnd(reader, ErrorTexts, end);
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
    m_uncompressedDataSize = SetSize(*m_pixelFormat, height, width);
    // Zeros throughout, the padding word at the end of each row among them; a row of
    // width 0 has no word to clear.
    m_pixels.Reset(new std::vector<U8>(m_uncompressedDataSize));
    m_pixelsHeld = nullptr;
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
        Util::CountedPointer<Util::MemoryBound::Reservation> held;
        if (m_uncompressedDataSize != 0)
        {
            // Exactly the pixel bytes: a stream that cannot make that many, or makes more
            // (one byte of room beyond them tells), is refused.
            U64 result_size = U64(m_uncompressedDataSize) + 1;
            if (m_stored && m_uncompressedDataSize <= Util::PkCompression::MaxDecompressedSize(m_compressedDataSize))
            {
                // Reserved before anything is made, and held while the pixels are.
                held.Reset(new Util::MemoryBound::Reservation(
                    std::to_string(m_width) + " x " + std::to_string(m_height) + " bitmap level",
                    U64(m_uncompressedDataSize) + 1));
                pixels->resize(std::size_t(m_uncompressedDataSize) + 1);
                result_size = Util::PkCompression::Decompress(m_stored->data(), m_compressedDataSize, pixels->data(),
                                                              U32(pixels->size()));
            }
            VELMO_ASSERT_TEXT(result_size == m_uncompressedDataSize, "result_size == UncompressedDataSize");
            pixels->resize(m_uncompressedDataSize);
        }
        m_pixels = pixels;
        m_pixelsHeld = held;
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

void GPLBMAPSection::ReleaseDecoded() const
{
    // Stored bytes that are not the pixel block itself are imploded, and an edit drops them:
    // while they are there, they make the pixels again.
    if (m_stored && m_pixels && m_pixels != m_stored)
    {
        m_pixels = nullptr;
        m_pixelsHeld = nullptr;
    }
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

    WriteChunk(stream, m_method, [&] {
        if (m_ownPalette)
            WritePalette(*m_palette, m_paletteBytes, stream);
        ChunkHeader(BitmapChunk::DATA, 0, m_compressedDataSize).Write(stream);
        BitmapChunk::WriteBytes(stream, m_stored->data(), m_compressedDataSize);
        static const U8 blanks[3] = {BitmapChunk::Blank, BitmapChunk::Blank, BitmapChunk::Blank};
        stream.Write((4 - m_compressedDataSize % 4) % 4, blanks);
    });
}

void GPLBMAPSection::CheckChainLevel(const std::string& name, const LevelTexts& texts, U32 m, U32 heightExponent,
                                     U32 widthExponent, const PixelFormat& format) const
{
    const std::pair<bool, const char*> checks[] = {
        {m_height == MipLevelSide(heightExponent, m), texts.height},
        {m_width == MipLevelSide(widthExponent, m), texts.width},
        {m_pixelFormat->redBits == format.redBits, texts.red},
        {m_pixelFormat->greenBits == format.greenBits, texts.green},
        {m_pixelFormat->blueBits == format.blueBits, texts.blue},
        {m_pixelFormat->alphaBits == format.alphaBits, texts.alpha},
        {m_pixelFormat->transparency == format.transparency, texts.transparency},
    };
    for (const auto& [holds, text] : checks)
        if (!holds)
            throw Util::XFileFormat(name, text);
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
    Util::CountedPointer<Palette> palette;
    BitmapChunk::ReadFrom(stream, [&palette](Util::RecordReader& reader) { palette = ReadPalette(reader); });
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
        palette->SetColour(i, DecodeBGRA(entries.data() + 4 * std::size_t(i)));
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
        if (!(DecodeBGRA(entryBytes.data() + 4 * std::size_t(i)) == palette[i]))
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
            if (DecodeBGRA(stored) == c)
            {
                std::copy(stored, stored + 4, e);
                continue;
            }
        }
        EncodeBGRA(c, e);
    }
    BitmapChunk::WriteBytes(stream, entries.data(), size);
}
} // namespace Velmo::Papy
