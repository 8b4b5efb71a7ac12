#include "Papy/Bitmap/N2MIPSection.h"

#include <algorithm>

#include "Papy/Bitmap/BitmapChunks.h"
#include "Papy/Bitmap/BitmapHeaders.h"
#include "Papy/Bitmap/BitmapOperations.h"
#include "Util/Exception.h"

namespace Velmo::Papy
{
namespace
{
constexpr U32 MaxExponent = 31;
// The N2 chunk is "MIP ", the letters in the other order than the GPL " MIP".
constexpr U32 N2MIP = MakeChunkId('M', 'I', 'P', ' ');

bool IsPowerOfTwo(U32 value)
{
    return value != 0 && (value & (value - 1)) == 0;
}
} // namespace

N2MIPSection::N2MIPSection(Util::RecordReader& reader, const Palette& palette)
{
    const std::string& name = reader.GetName();
    auto fail = [&name](const char* message) { throw Util::XFileFormat(name, message); };

    ChunkHeader mip = ChunkHeader::ReadExpected(reader, N2MIP, "N2 mip id not MIP", "N2 mip unsupported version");
    U64 end = reader.Tell() + mip.GetSize();
    ChunkHeader::ReadExpected(reader, BitmapChunk::MPHD, "N2 mip header not found", "N2 mip header unsupported version",
                              "N2 mip header incorrect size", N2MipHeader::ChunkSize);

    N2MipHeader header;
    ReadHeader(reader, header);
    U32 count = header.levelCount;
    // Sizes are 32-bit: a larger exponent names no bitmap (and would shift out of range).
    if (header.widthExponent > MaxExponent || header.heightExponent > MaxExponent)
        fail("N2 mip header exponent error");
    if (U64(count) > U64(std::min(header.widthExponent, header.heightExponent)) + 1)
        fail("N2 mip bitmap count incorrect");
    m_format = header.format;
    m_widthExponent = header.widthExponent;
    m_heightExponent = header.heightExponent;
    m_transparentIndex = header.transparentIndex;
    if (header.reserved != 0)
        fail("N2 mip mip header reserved not zero");
    if (header.blanks[0] != BitmapChunk::Blank)
        fail("N2 mip mip header fill byte 0 not blank");
    if (header.blanks[1] != BitmapChunk::Blank)
        fail("N2 mip mip header fill byte 1 not blank");

    m_levels.reserve(count);
    for (U32 m = 0; m < count; ++m)
    {
        Util::CountedPointer<N2BMAPSection> level(new N2BMAPSection(reader, palette));
        if (level->GetFormat() != m_format)
            fail("N2 mip format mismatch");
        // The count was checked against the smaller exponent: every level halves both sides.
        if (level->GetHeight() != MipLevelSide(m_heightExponent, m))
            fail("N2 mip height mismatch");
        if (level->GetWidth() != MipLevelSide(m_widthExponent, m))
            fail("N2 mip width mismatch");
        m_levels.push_back(level);
    }
    if (reader.Tell() != end)
        fail("N2 mip incorrect size");
}

N2MIPSection::N2MIPSection(U32 height, U32 width, const Palette& palette, bool transparent, U32 levelCount)
    : m_widthExponent(CeilLog2(width)), m_heightExponent(CeilLog2(height)), m_format(transparent ? 3 : 2)
{
    if (!IsPowerOfTwo(width) || !IsPowerOfTwo(height))
        throw Util::XUsage("Bitmap dimension not a power of 2");
    m_levels.reserve(levelCount);
    for (U32 m = 0; m < levelCount; ++m)
        m_levels.emplace_back(new N2BMAPSection(m_format, palette));
}

N2MIPSection::N2MIPSection(const N2MIPSection& other)
    : m_widthExponent(other.m_widthExponent), m_heightExponent(other.m_heightExponent), m_format(other.m_format),
      m_transparentIndex(other.m_transparentIndex)
{
    m_levels.reserve(other.m_levels.size());
    for (const auto& level : other.m_levels)
        m_levels.emplace_back(new N2BMAPSection(*level));
}

void N2MIPSection::Write(Util::BinaryStream& stream) const
{
    BitmapChunk::SizePatch mip(stream, N2MIP, 0);
    ChunkHeader(BitmapChunk::MPHD, 0, N2MipHeader::ChunkSize).Write(stream);
    N2MipHeader header{
        .format = m_format,
        .widthExponent = m_widthExponent,
        .heightExponent = m_heightExponent,
        .transparentIndex = m_transparentIndex,
        .levelCount = GetLevelCount(),
    };
    Util::WriteFields(stream, header);
    for (const auto& level : m_levels)
        level->Write(stream);
    mip.End();
}

Util::CountedPointer<N2BMAPSection> N2MIPSection::GetLevel(U32 level) const
{
    VELMO_ASSERT(level < m_levels.size());
    return m_levels[level];
}

Util::CountedPointer<Palette> N2MIPSection::GetPalette() const
{
    return m_levels.empty() ? Util::CountedPointer<Palette>() : m_levels[0]->GetPalette();
}

Colour N2MIPSection::GetHeaderColour() const
{
    if (m_levels.empty())
        return Colour();
    return m_levels[0]->GetPalette()->GetColourOrDefault(m_transparentIndex);
}

U8 N2MIPSection::GetTransparency() const
{
    switch (m_format)
    {
    case 1:
    case 3:
        return 1;
    case 2:
        return 0;
    }
    VELMO_ASSERT_TEXT(false, "false");
    return 0;
}
} // namespace Velmo::Papy
