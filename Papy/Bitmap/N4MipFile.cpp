#include "Papy/Bitmap/N4MipFile.h"

#include <algorithm>

#include "Papy/Bitmap/BitmapChunks.h"
#include "Papy/Bitmap/BitmapHeaders.h"
#include "Papy/Bitmap/BitmapOperations.h"
#include "Papy/Bitmap/Quantise.h"
#include "Util/Exception.h"
#include "Util/MemoryStream.h"
#include "Util/StreamIO.h"

namespace Velmo::Papy
{
namespace
{
constexpr U32 MaxExponent = 31;
// Levels of this many pixels or more are imploded by the builder.
constexpr U64 ImplodedLevelPixels = 1024;

// The N4 formats: the GPL records of the non-paletted codes 3-8, 10 and 11.
const PixelFormat* FindN4PixelFormat(U32 code)
{
    if (code < 3 || code == 9)
        return nullptr;
    return FindGPLPixelFormat(code);
}

bool IsPowerOfTwo(U32 value)
{
    return value != 0 && (value & (value - 1)) == 0;
}

const GPLBMAPSection::LevelTexts LevelErrorTexts = {
    "N4 bitmap file height mismatch",
    "N4 bitmap file width mismatch",
    "N4 bitmap red mismatch",
    "N4 bitmap green mismatch",
    "N4 bitmap blue mismatch",
    "N4 bitmap alpha mismatch",
    "N4 bitmap transparency mismatch",
};
} // namespace

void N4MipFile::ReadFileHeader(Util::RecordReader& reader)
{
    const std::string& name = reader.GetName();
    auto fail = [&name](const char* message) { throw Util::XFileFormat(name, message); };

    N4MipHeader header;
    ReadHeader(reader, header);
    U32 count = header.levelCount;
    const N4MipExtras* extras = N4MipExtras::Find(header.version);
    if (extras == nullptr)
        fail("N4 mip unrecognized version");
    // Sizes are 32-bit: a larger exponent names no bitmap (and would shift out of range).
    if (header.widthExponent > MaxExponent || header.heightExponent > MaxExponent)
        fail("N4 mip header exponent error");
    if (U64(count) > U64(std::max(header.widthExponent, header.heightExponent)) + 1)
        fail("N4 mip bitmap count incorrect");
    if (header.repeat > 3)
        fail("N4 mip repeat value unknown");
    if (header.selfObscuring > 1)
        fail("N4 mip self obscuring value unknown");

    m_version = header.version;
    m_format = header.format;
    m_widthExponent = header.widthExponent;
    m_heightExponent = header.heightExponent;
    std::copy(header.colour, header.colour + 4, m_headerBytes);
    m_headerFromFile = true;
    m_headerColour = DecodeBGRA(m_headerBytes);
    m_repeatsHorizontally = (header.repeat & 1) == 0;
    m_repeatsVertically = (header.repeat & 2) == 0;
    m_selfObscuring = header.selfObscuring != 0;

    for (U32 i = 0; i < extras->floatCount; ++i)
        m_unknownFloats.push_back(reader.ReadF32());
    for (U32 i = 0; i < extras->intCount; ++i)
        m_unknownInts.push_back(reader.ReadU32());
    if (FindN4PixelFormat(m_format) == nullptr)
        fail("N4 mip file mip header unknown format");

    // At most 32 slots: the count was checked against the exponents.
    m_levels.resize(count);
    m_name = name;
}

void N4MipFile::KeepLevelBytes(Util::BinaryStream& stream)
{
    const U64 at = stream.Tell();
    const U64 size = stream.Size();
    // The levels end where the chunk sizes say; a chunk that cannot be walked (damaged) keeps
    // the rest, for the levels' reading to refuse.
    U64 end = at;
    for (std::size_t m = 0; m < m_levels.size() && end < size; ++m)
    {
        if (size - end < ChunkHeader::ByteSize)
        {
            end = size;
            break;
        }
        stream.Seek(end);
        const ChunkHeader chunk(stream);
        end = std::min(size, end + ChunkHeader::ByteSize + chunk.GetSize());
    }
    if (size - end <= TrailerLimit)
        end = size;
    m_reservation = Util::MemoryBound::Reservation(m_name, end - at);
    std::vector<U8> bytes(std::size_t(end - at));
    stream.Seek(at);
    Util::RecordReader(stream).ReadBytes(bytes.data(), bytes.size());
    m_undecoded.Reset(new Util::MemoryStream(std::move(bytes), m_name));
}

N4MipFile::N4MipFile(Util::BinaryStream& stream)
{
    stream.Seek(0);
    Util::RecordReader reader(stream);
    ReadFileHeader(reader);
    KeepLevelBytes(stream);
}

N4MipFile::N4MipFile(const Util::CountedPointer<Util::BinaryStream>& stream)
{
    stream->Seek(0);
    Util::RecordReader reader(*stream);
    ReadFileHeader(reader);
    if (!stream->MakesBytesOnRead())
    {
        KeepLevelBytes(*stream);
        return;
    }
    m_levelsAt = stream->Tell();
    m_undecoded = stream;
}

N4MipFile::N4MipFile(U32 height, U32 width, U8 redBits, U8 greenBits, U8 blueBits, U8 alphaBits, U8 transparency,
                     bool repeatsHorizontally, bool repeatsVertically, bool selfObscuring, U32 levelCount,
                     U32 firstFormat, U32 formatCount, U16 version)
    : m_version(version), m_widthExponent(CeilLog2(width)), m_heightExponent(CeilLog2(height)),
      m_headerColour(0, 0, 0, 0), m_repeatsVertically(repeatsVertically),
      m_repeatsHorizontally(repeatsHorizontally), m_selfObscuring(selfObscuring)
{
    FormatRequest request{redBits, greenBits, blueBits, alphaBits, transparency};
    std::optional<U8> chosen = ChoosePixelFormat(firstFormat, formatCount, request, FindN4PixelFormat);
    m_format = chosen ? *chosen : 255;
    if (!IsPowerOfTwo(width) || !IsPowerOfTwo(height))
        throw Util::XUsage("Bitmap dimension not a power of 2");
    m_levels.reserve(levelCount);
    for (U32 m = 0; m < levelCount; ++m)
    {
        U64 pixels = U64(MipLevelSide(m_widthExponent, m)) * MipLevelSide(m_heightExponent, m);
        U8 method = pixels >= ImplodedLevelPixels ? 1 : 0;
        m_levels.emplace_back(new GPLBMAPSection(m_format, false, 0, Util::CountedPointer<Palette>(), method));
    }
    const N4MipExtras* extras = N4MipExtras::Find(version);
    VELMO_ASSERT_TEXT(extras != nullptr, "false");
    m_unknownFloats.assign(extras->floatCount, 0.0f);
    m_unknownInts.assign(extras->intCount, 0);
}

const PixelFormat& N4MipFile::Format() const
{
    const PixelFormat* format = FindN4PixelFormat(m_format);
    VELMO_ASSERT_TEXT(format != nullptr, "false");
    return *format;
}

U8 N4MipFile::GetRedBits() const
{
    return Format().redBits;
}

U8 N4MipFile::GetGreenBits() const
{
    return Format().greenBits;
}

U8 N4MipFile::GetBlueBits() const
{
    return Format().blueBits;
}

U8 N4MipFile::GetAlphaBits() const
{
    return Format().alphaBits;
}

U8 N4MipFile::GetTransparency() const
{
    return Format().transparency;
}

void N4MipFile::DecodeLevels() const
{
    if (!m_undecoded)
        return;
    Util::BinaryStream& stream = *m_undecoded;
    stream.Seek(m_levelsAt);
    Util::RecordReader reader(stream);
    const PixelFormat& format = Format();
    // Read into a new list: a level that fails leaves the file as it was.
    std::vector<Util::CountedPointer<GPLBMAPSection>> levels(m_levels.size());
    for (U32 m = U32(levels.size()); m-- > 0;)
    {
        Util::CountedPointer<GPLBMAPSection> level(new GPLBMAPSection(reader, Util::CountedPointer<Palette>(), 1));
        level->CheckChainLevel(m_name, LevelErrorTexts, m, m_heightExponent, m_widthExponent, format);
        levels[m] = level;
    }
    // The level bytes are held from here on; the stream is let go.
    const U64 levelBytes = reader.Tell();
    const U64 rest = reader.Remaining();
    std::vector<U8> trailer;
    if (rest <= TrailerLimit)
    {
        trailer.resize(std::size_t(rest));
        reader.ReadBytes(trailer.data(), rest);
    }
    m_reservation.Resize(m_name, levelBytes + trailer.size());
    m_trailer = std::move(trailer);
    m_levels = std::move(levels);
    m_undecoded = nullptr;
}

Util::CountedPointer<GPLBMAPSection> N4MipFile::GetLevel(U32 level) const
{
    VELMO_ASSERT(level < m_levels.size());
    DecodeLevels();
    return m_levels[level];
}

U32 N4MipFile::GetLevelWidth(U32 level) const
{
    VELMO_ASSERT(level < m_levels.size());
    return MipLevelSide(m_widthExponent, level);
}

U32 N4MipFile::GetLevelHeight(U32 level) const
{
    VELMO_ASSERT(level < m_levels.size());
    return MipLevelSide(m_heightExponent, level);
}

Util::CountedPointer<Bitmap> N4MipFile::GetBitmap(U32 level) const
{
    return GetLevel(level);
}

U32 N4MipFile::GetUnknownInt(U32 i) const
{
    VELMO_ASSERT(i < m_unknownInts.size());
    return m_unknownInts[i];
}

float N4MipFile::GetUnknownFloat(U32 i) const
{
    VELMO_ASSERT(i < m_unknownFloats.size());
    return m_unknownFloats[i];
}

void N4MipFile::Save(Util::BinaryStream& stream) const
{
    DecodeLevels();
    N4MipHeader header{
        .version = m_version,
        .format = m_format,
        .repeat = RepeatByte(m_repeatsHorizontally, m_repeatsVertically),
        .widthExponent = m_widthExponent,
        .heightExponent = m_heightExponent,
        .levelCount = U32(m_levels.size()),
        .selfObscuring = m_selfObscuring ? 1u : 0u,
    };
    if (m_headerFromFile)
        std::copy(m_headerBytes, m_headerBytes + 4, header.colour);
    else
    {
        // A file built here: the colour of its smallest level, the 1 x 1 mean of the chain.
        Colour colour(0, 0, 0, 0);
        if (!m_levels.empty())
        {
            const GPLBMAPSection& smallest = *m_levels.back();
            if (smallest.GetWidth() != 0 && smallest.GetHeight() != 0)
                colour = smallest.GetPixel(0, 0);
        }
        EncodeBGRA(colour, header.colour);
    }
    Util::WriteFields(stream, header);

    // The values of the version (the reader and the builder keep as many as it has).
    VELMO_ASSERT_TEXT(N4MipExtras::Find(m_version) != nullptr, "false");
    for (float value : m_unknownFloats)
        Util::WriteLE<float>(stream, value);
    for (U32 value : m_unknownInts)
        Util::WriteLE<U32>(stream, value);
    for (U32 m = U32(m_levels.size()); m-- > 0;)
        m_levels[m]->Write(stream);
    BitmapChunk::WriteBytes(stream, m_trailer.data(), m_trailer.size());
}

Util::CountedPointer<MipFile> N4MipFile::Clone() const
{
    DecodeLevels();
    Util::CountedPointer<N4MipFile> copy(new N4MipFile());
    N4MipFile& c = *copy;
    c.m_version = m_version;
    c.m_format = m_format;
    c.m_widthExponent = m_widthExponent;
    c.m_heightExponent = m_heightExponent;
    c.m_headerColour = m_headerColour;
    std::copy(m_headerBytes, m_headerBytes + 4, c.m_headerBytes);
    c.m_headerFromFile = m_headerFromFile;
    c.m_repeatsVertically = m_repeatsVertically;
    c.m_repeatsHorizontally = m_repeatsHorizontally;
    c.m_selfObscuring = m_selfObscuring;
    c.m_unknownInts = m_unknownInts;
    c.m_unknownFloats = m_unknownFloats;
    c.m_name = m_name;
    c.m_trailer = m_trailer;
    c.m_reservation = Util::MemoryBound::Reservation(m_name, GetHeldBytes());
    for (const auto& level : m_levels)
        c.m_levels.push_back(level->Clone(Util::CountedPointer<Palette>()));
    return Util::CountedPointer<MipFile>(copy);
}
} // namespace Velmo::Papy
