#include "Papy/Bitmap/N4MipFile.h"

#include <algorithm>

#include "Papy/Bitmap/BitmapChunks.h"
#include "Papy/Bitmap/BitmapOperations.h"
#include "Papy/Bitmap/Quantise.h"
#include "Util/Exception.h"
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

// The size of level m of a side of 2^exponent: halved each level, never below 1.
U32 LevelSide(U32 exponent, U32 m)
{
    return m > exponent ? 1 : U32(1) << (exponent - m);
}
} // namespace

N4MipFile::N4MipFile(Util::BinaryStream& stream)
{
    stream.Seek(0);
    Util::RecordReader reader(stream);
    const std::string& name = reader.GetName();
    auto fail = [&name](const char* message) { throw Util::XFileFormat(name, message); };

    U8 header[HeaderSize];
    reader.ReadBytes(header, HeaderSize);
    U16 version = Util::DecodeLE<U16>(header);
    U8 format = header[2];
    U8 repeat = header[3];
    U32 widthExponent = Util::DecodeLE<U32>(header + 4);
    U32 heightExponent = Util::DecodeLE<U32>(header + 8);
    U32 count = Util::DecodeLE<U32>(header + 16);
    U32 selfObscuring = Util::DecodeLE<U32>(header + 20);
    if (version != 1 && version != 2 && version != 4)
        fail("N4 mip unrecognized version");
    // Sizes are 32-bit: a larger exponent names no bitmap (and would shift out of range).
    if (widthExponent > MaxExponent || heightExponent > MaxExponent)
        fail("N4 mip header exponent error");
    if (U64(count) > U64(std::max(widthExponent, heightExponent)) + 1)
        fail("N4 mip bitmap count incorrect");
    if (repeat > 3)
        fail("N4 mip repeat value unknown");
    if (selfObscuring > 1)
        fail("N4 mip self obscuring value unknown");

    m_version = version;
    m_format = format;
    m_widthExponent = widthExponent;
    m_heightExponent = heightExponent;
    std::copy(header + 12, header + 16, m_headerBytes);
    m_headerFromFile = true;
    m_headerColour = Colour(ChannelValue(m_headerBytes[2], 255), ChannelValue(m_headerBytes[1], 255),
                            ChannelValue(m_headerBytes[0], 255), ChannelValue(m_headerBytes[3], 255));
    m_repeatsHorizontally = (repeat & 1) == 0;
    m_repeatsVertically = (repeat & 2) == 0;
    m_selfObscuring = selfObscuring != 0;

    switch (version)
    {
    case 1:
        for (int i = 0; i < 5; ++i)
            m_unknownInts.push_back(reader.ReadU32());
        break;
    case 2:
        for (int i = 0; i < 2; ++i)
            m_unknownInts.push_back(reader.ReadU32());
        break;
    default:
        m_unknownFloats.push_back(reader.ReadF32());
        m_unknownInts.push_back(reader.ReadU32());
        break;
    }
    if (FindN4PixelFormat(format) == nullptr)
        fail("N4 mip file mip header unknown format");

    // At most 32 slots: the count was checked against the exponents.
    m_levels.resize(count);
    m_name = name;
    U64 rest = reader.Remaining();
    reader.CheckCount(rest, 1);
    m_undecoded.Reset(new std::vector<U8>(std::size_t(rest)));
    reader.ReadBytes(m_undecoded->data(), rest);
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
        U64 pixels = U64(LevelSide(m_widthExponent, m)) * LevelSide(m_heightExponent, m);
        U8 method = pixels >= ImplodedLevelPixels ? 1 : 0;
        m_levels.emplace_back(new GPLBMAPSection(m_format, false, 0, Util::CountedPointer<Palette>(), method));
    }
    switch (version)
    {
    case 1:
        m_unknownInts.assign(5, 0);
        break;
    case 2:
        m_unknownInts.assign(2, 0);
        break;
    case 4:
        m_unknownFloats.assign(1, 0.0f);
        m_unknownInts.assign(1, 0);
        break;
    default:
        VELMO_ASSERT_TEXT(false, "false");
    }
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
    const std::vector<U8>& bytes = *m_undecoded;
    Util::RecordReader reader(bytes.data(), bytes.size(), m_name);
    auto fail = [this](const char* message) { throw Util::XFileFormat(m_name, message); };
    const PixelFormat& format = Format();
    // Read into a new list: a level that fails leaves the file as it was.
    std::vector<Util::CountedPointer<GPLBMAPSection>> levels(m_levels.size());
    for (U32 m = U32(levels.size()); m-- > 0;)
    {
        Util::CountedPointer<GPLBMAPSection> level(new GPLBMAPSection(reader, Util::CountedPointer<Palette>(), 1));
        if (level->GetHeight() != LevelSide(m_heightExponent, m))
            fail("N4 bitmap file height mismatch");
        if (level->GetWidth() != LevelSide(m_widthExponent, m))
            fail("N4 bitmap file width mismatch");
        if (level->GetRedBits() != format.redBits)
            fail("N4 bitmap red mismatch");
        if (level->GetGreenBits() != format.greenBits)
            fail("N4 bitmap green mismatch");
        if (level->GetBlueBits() != format.blueBits)
            fail("N4 bitmap blue mismatch");
        if (level->GetAlphaBits() != format.alphaBits)
            fail("N4 bitmap alpha mismatch");
        if (level->GetTransparency() != format.transparency)
            fail("N4 bitmap transparency mismatch");
        levels[m] = level;
    }
    U64 rest = reader.Remaining();
    m_trailer.assign(bytes.end() - std::ptrdiff_t(rest), bytes.end());
    m_levels = std::move(levels);
    m_undecoded = nullptr;
}

Util::CountedPointer<GPLBMAPSection> N4MipFile::GetLevel(U32 level) const
{
    VELMO_ASSERT(level < m_levels.size());
    DecodeLevels();
    return m_levels[level];
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
    U8 header[HeaderSize];
    Util::EncodeLE<U16>(m_version, header);
    header[2] = m_format;
    header[3] = U8((m_repeatsHorizontally ? 0 : 1) | (m_repeatsVertically ? 0 : 2));
    Util::EncodeLE<U32>(m_widthExponent, header + 4);
    Util::EncodeLE<U32>(m_heightExponent, header + 8);
    if (m_headerFromFile)
        std::copy(m_headerBytes, m_headerBytes + 4, header + 12);
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
        header[12] = U8(QuantiseChannel(colour.GetBlue(), 255));
        header[13] = U8(QuantiseChannel(colour.GetGreen(), 255));
        header[14] = U8(QuantiseChannel(colour.GetRed(), 255));
        header[15] = U8(QuantiseChannel(colour.GetAlpha(), 255));
    }
    Util::EncodeLE<U32>(U32(m_levels.size()), header + 16);
    Util::EncodeLE<U32>(m_selfObscuring ? 1 : 0, header + 20);
    stream.Write(HeaderSize, header);

    U8 extras[20];
    U32 size = 0;
    switch (m_version)
    {
    case 1:
    case 2:
        for (U32 value : m_unknownInts)
        {
            Util::EncodeLE<U32>(value, extras + size);
            size += 4;
        }
        break;
    case 4:
        Util::EncodeLE<float>(m_unknownFloats.at(0), extras);
        Util::EncodeLE<U32>(m_unknownInts.at(0), extras + 4);
        size = 8;
        break;
    default:
        VELMO_ASSERT_TEXT(false, "false");
    }
    stream.Write(size, extras);
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
    for (const auto& level : m_levels)
        c.m_levels.push_back(level->Clone(Util::CountedPointer<Palette>()));
    return Util::CountedPointer<MipFile>(copy);
}
} // namespace Velmo::Papy
