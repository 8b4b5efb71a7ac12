#include "Papy/Bitmap/GPLMIPSection.h"

#include <algorithm>

#include "Papy/Bitmap/BitmapChunks.h"
#include "Papy/Bitmap/BitmapHeaders.h"
#include "Papy/Bitmap/BitmapOperations.h"
#include "Papy/Bitmap/Quantise.h"
#include "Util/Exception.h"

namespace Velmo::Papy
{
namespace
{
constexpr U32 LargestExponent = 31;

const GPLBMAPSection::LevelTexts LevelErrorTexts = {
    "GPL bitmap file height mismatch",
    "GPL bitmap file width mismatch",
    "GPL bitmap red mismatch",
    "GPL bitmap green mismatch",
    "GPL bitmap blue mismatch",
    "GPL bitmap alpha mismatch",
    "GPL bitmap transparency mismatch",
};
} // namespace

GPLMIPSection::GPLMIPSection(Util::BinaryStream& stream, U32 version)
{
    BitmapChunk::ReadFrom(stream, [&](Util::RecordReader& reader) { Read(reader, version); });
}

GPLMIPSection::GPLMIPSection(Util::RecordReader& reader, U32 version)
{
    Read(reader, version);
}

void GPLMIPSection::Read(Util::RecordReader& reader, U32 acceptedVersion)
{
    const std::string& name = reader.GetName();
    auto fail = [&name](const char* message) { throw Util::XFileFormat(name, message); };

    ChunkHeader mip =
        ChunkHeader::ReadExpected(reader, BitmapChunk::MIP, "GPL mip id not MIP", "GPL mip unsupported version");
    U64 end = reader.Tell() + mip.GetSize();

    ChunkHeader mphd = ChunkHeader(reader);
    if (mphd.GetId() != BitmapChunk::MPHD)
        fail("GPL mip header not found");
    if (mphd.GetVersion() != acceptedVersion)
        fail("GPL mip header unsupported version");
    if (mphd.GetVersion() == 0 && mphd.GetSize() != GPLMipHeader::ChunkSize)
        fail("GPL mip header incorrect size");
    if (mphd.GetVersion() == 1 && mphd.GetSize() != GPLMipHeaderText::ChunkSize)
        fail("N4 mip header incorrect size");

    GPLMipHeader header;
    ReadHeader(reader, header);
    if (header.repeat > 3)
        fail("GPL mip repeat value unknown");
    // Sides of more than 2^31 pixels cannot be held; refusing them keeps 1 << exponent defined.
    if (header.widthExponent > LargestExponent || header.heightExponent > LargestExponent)
        fail("GPL mip header exponent error");
    U64 smaller = std::min(header.widthExponent, header.heightExponent);
    U64 larger = std::max(header.widthExponent, header.heightExponent);
    U32 levelCount = header.levelCount;
    if ((mphd.GetVersion() == 0 && levelCount > smaller + 1) || levelCount > larger + 1)
        fail("GPL mip bitmap count incorrect");

    m_format = header.format;
    m_widthExponent = header.widthExponent;
    m_heightExponent = header.heightExponent;
    std::copy(header.colour, header.colour + 4, m_headerBytes);
    m_headerFromFile = true;
    m_repeatsHorizontally = (header.repeat & 1) == 0;
    m_repeatsVertically = (header.repeat & 2) == 0;
    m_version = mphd.GetVersion();
    if (m_format >= 9)
        fail("GPL MIP file mip header unknown format");

    if (m_version == 1)
    {
        GPLMipHeaderText text;
        ReadHeader(reader, text);
        m_unknownValue = text.value;
        const char* characters = reinterpret_cast<const char*>(text.text);
        m_string.assign(characters, std::find(characters, characters + StringFieldSize, '\0'));
    }

    m_levels.reserve(levelCount);
    U8 blanks[2];
    reader.ReadBytes(blanks, 2);
    if (blanks[0] != BitmapChunk::Blank || blanks[1] != BitmapChunk::Blank)
        fail("GPL MIP file mip header fill byte 0 not blank");

    const PixelFormat& sectionFormat = GetPixelFormat();
    // The shared palette is looked for only where four bytes of the chunk, and of the file,
    // follow: a chain of no levels may end the chunk right here.
    if (sectionFormat.paletted && reader.Tell() <= end && end - reader.Tell() >= 4 && reader.Remaining() >= 4)
    {
        Util::RecordReader peek = reader;
        if (peek.ReadU32() == BitmapChunk::CMAP)
            m_sharedPalette = GPLBMAPSection::ReadPalette(reader, &m_sharedPaletteBytes);
    }

    for (U32 m = 0; m < levelCount; ++m)
    {
        Util::CountedPointer<GPLBMAPSection> level(new GPLBMAPSection(reader, m_sharedPalette, 0));
        level->CheckChainLevel(name, LevelErrorTexts, m, m_heightExponent, m_widthExponent, sectionFormat);
        if (sectionFormat.paletted)
        {
            bool own = level->HasOwnPalette();
            if ((own && m_sharedPalette) || (m > 0 && own != m_levels[0]->HasOwnPalette()))
                fail("GPL bitmap palette mismatch");
        }
        m_levels.push_back(level);
    }

    if (reader.Tell() != end)
        fail("GPL mip incorrect size");
    if (!m_levels.empty())
        m_level0Edits = m_levels[0]->GetEditCount();
}

GPLMIPSection::GPLMIPSection(const GPLMIPSection& other)
    : m_widthExponent(other.m_widthExponent), m_heightExponent(other.m_heightExponent), m_format(other.m_format),
      m_headerFromFile(other.m_headerFromFile), m_level0Edits(other.m_level0Edits),
      m_repeatsVertically(other.m_repeatsVertically),
      m_repeatsHorizontally(other.m_repeatsHorizontally), m_version(other.m_version),
      m_unknownValue(other.m_unknownValue), m_string(other.m_string)
{
    std::copy(other.m_headerBytes, other.m_headerBytes + 4, m_headerBytes);
    if (other.m_sharedPalette)
        m_sharedPalette.Reset(new Palette(*other.m_sharedPalette));
    m_sharedPaletteBytes = other.m_sharedPaletteBytes;
    m_levels.reserve(other.m_levels.size());
    for (const auto& level : other.m_levels)
        m_levels.push_back(level->Clone(m_sharedPalette));
}

GPLMIPSection::GPLMIPSection(U32 height, U32 width, U8 redBits, U8 greenBits, U8 blueBits, U8 alphaBits,
                             U8 transparency, bool paletted, U32 paletteSize, bool individualPalettes,
                             bool repeatsHorizontally, bool repeatsVertically, U32 levelCount, U32 firstFormat,
                             U32 formatCount, U32 version)
    : m_widthExponent(CeilLog2(width)), m_heightExponent(CeilLog2(height)),
      m_repeatsVertically(repeatsVertically), m_repeatsHorizontally(repeatsHorizontally), m_version(version)
{
    if ((U64(1) << m_widthExponent) != width || (U64(1) << m_heightExponent) != height)
        throw Util::XUsage("Bitmap dimension not a power of 2");

    if (paletted && paletteSize > 16)
        throw Util::XUsage("GPL mip only supports 16 colour palettes");
    // Only the codes that a GPL MIP header may hold (0-8) are candidates.
    FormatRequest request{redBits, greenBits, blueBits, alphaBits, transparency};
    std::optional<U8> format =
        ChoosePixelFormat(firstFormat, formatCount, request, [paletted](U8 code) -> const PixelFormat* {
            if (code > 8 || (paletted ? code >= 3 : code <= 2))
                return nullptr;
            return FindGPLPixelFormat(code);
        });
    if (!format)
        throw Util::XUsage("N4 mip palettes not supported");
    m_format = *format;

    bool levelPalettes = paletted && individualPalettes;
    if (paletted && !individualPalettes)
        m_sharedPalette.Reset(new Palette(paletteSize));
    m_levels.reserve(levelCount);
    U32 h = height;
    U32 w = width;
    for (U32 m = 0; m < levelCount; ++m)
    {
        Util::CountedPointer<GPLBMAPSection> level(
            new GPLBMAPSection(m_format, levelPalettes, paletteSize, m_sharedPalette, 0));
        level->Resize(h, w);
        m_levels.push_back(level);
        h = std::max<U32>(h / 2, 1);
        w = std::max<U32>(w / 2, 1);
    }
}

Util::CountedPointer<GPLBMAPSection> GPLMIPSection::GetLevel(U32 level) const
{
    VELMO_ASSERT(level < m_levels.size());
    return m_levels[level];
}

bool GPLMIPSection::HasIndividualPalettes() const
{
    return !m_levels.empty() && m_levels[0]->HasOwnPalette();
}

Util::CountedPointer<Palette> GPLMIPSection::GetPalette(U32 level) const
{
    VELMO_ASSERT(level < m_levels.size());
    if (!IsPaletted())
        return nullptr;
    return m_levels[level]->GetPalette();
}

Colour GPLMIPSection::GetHeaderColour() const
{
    return DecodeBGRA(m_headerBytes);
}

const PixelFormat& GPLMIPSection::GetPixelFormat() const
{
    const PixelFormat* format = m_format < 9 ? FindGPLPixelFormat(m_format) : nullptr;
    VELMO_ASSERT_TEXT(format != nullptr, "false");
    return *format;
}

bool GPLMIPSection::Level0AsRead() const
{
    if (m_levels.empty())
        return true;
    const GPLBMAPSection& level0 = *m_levels[0];
    if (level0.GetEditCount() != m_level0Edits)
        return false;
    if (!IsPaletted())
        return true;
    if (level0.HasOwnPalette())
        return level0.OwnPaletteAsRead();
    return !m_sharedPalette || GPLBMAPSection::HoldsEntries(*m_sharedPalette, m_sharedPaletteBytes);
}

void GPLMIPSection::GetHeaderBytes(U8 bytes[4]) const
{
    if (m_headerFromFile && Level0AsRead())
    {
        std::copy(m_headerBytes, m_headerBytes + 4, bytes);
        return;
    }
    // The mean of the whole of level 0, each pixel weighted by its alpha.
    Colour mean;
    if (!m_levels.empty())
    {
        const GPLBMAPSection& level0 = *m_levels[0];
        BitmapSimple scratch;
        DownsampleBox(level0, level0.GetHeight(), level0.GetWidth(), scratch);
        if (scratch.GetHeight() != 0 && scratch.GetWidth() != 0)
            mean = scratch.GetPixel(0, 0);
    }
    EncodeBGRA(mean, bytes);
}

void GPLMIPSection::Write(Util::BinaryStream& stream) const
{
    BitmapChunk::SizePatch mip(stream, BitmapChunk::MIP, 0);
    bool longHeader = m_version == 1;
    ChunkHeader(BitmapChunk::MPHD, m_version, longHeader ? GPLMipHeaderText::ChunkSize : GPLMipHeader::ChunkSize)
        .Write(stream);
    GPLMipHeader header{
        .format = m_format,
        .widthExponent = m_widthExponent,
        .heightExponent = m_heightExponent,
        .repeat = RepeatByte(m_repeatsHorizontally, m_repeatsVertically),
        .levelCount = GetLevelCount(),
    };
    GetHeaderBytes(header.colour);
    Util::WriteFields(stream, header);
    if (longHeader)
    {
        GPLMipHeaderText text;
        text.value = m_unknownValue;
        std::size_t length = std::min<std::size_t>(m_string.size(), StringFieldSize);
        std::copy(m_string.begin(), m_string.begin() + length, text.text);
        Util::WriteFields(stream, text);
    }
    static const U8 blanks[2] = {BitmapChunk::Blank, BitmapChunk::Blank};
    stream.Write(2, blanks);
    if (m_sharedPalette)
        GPLBMAPSection::WritePalette(*m_sharedPalette, m_sharedPaletteBytes, stream);
    for (const auto& level : m_levels)
        level->Write(stream);
    mip.End();
}
} // namespace Velmo::Papy
