#pragma once
// The N4 multipart texture (.mip): a 24-byte header (version 1, 2 or 4, format, repeat flags,
// exponents, header colour, level count, self-obscuring), a few extra values whose number
// depends on the version, then one GPL BMAP chunk per level, the smallest level first.
//
// Opening reads the header only; the levels are read (under the stream's name) the first time
// any level is asked for, so a damaged level fails then, and the sizes of the levels are known
// from the header before then (GetLevelWidth, GetLevelHeight). Levels are written from their
// stored bytes. Up to TrailerLimit bytes after level 0 are kept and written back after it, so
// that a file saved unedited is the same bytes; more than that (an entry that claims far more
// than its levels) are dropped: the file keeps its levels' bytes only, reserved from the
// memory bound (Util::MemoryBound).
#include <string>
#include <vector>

#include "Papy/Bitmap/GPLBMAPSection.h"
#include "Papy/Bitmap/MipFile.h"
#include "Util/MemoryBound.h"

namespace Velmo::Papy
{
class N4MipFile : public MipFile
{
public:
    // Reads the header from offset 0 and keeps the bytes of the levels after it (the level
    // chunks' sizes tell where they end).
    explicit N4MipFile(Util::BinaryStream& stream);
    // Reads the header from offset 0. A stream that makes its bytes as they are read (an
    // imploded entry) is kept, and the levels are read from it on first use: they are not made
    // until then. From any other stream the levels' bytes are kept as by the other constructor.
    explicit N4MipFile(const Util::CountedPointer<Util::BinaryStream>& stream);
    // A new file of levelCount empty levels (sized by whoever fills them) in the cheapest of the
    // formats firstFormat .. firstFormat + formatCount - 1 (255 when the range is empty); levels
    // of 1,024 pixels or more are written imploded. Both dimensions must be powers of two
    // (XUsage "Bitmap dimension not a power of 2"); the version must be 1, 2 or 4.
    N4MipFile(U32 height, U32 width, U8 redBits, U8 greenBits, U8 blueBits, U8 alphaBits, U8 transparency,
              bool repeatsHorizontally, bool repeatsVertically, bool selfObscuring, U32 levelCount, U32 firstFormat,
              U32 formatCount, U16 version);
    N4MipFile(const N4MipFile&) = delete;
    N4MipFile& operator=(const N4MipFile&) = delete;

    U32 GetBitmapCount() const override { return U32(m_levels.size()); }
    // Reads every level first; asserts level < GetBitmapCount().
    Util::CountedPointer<Bitmap> GetBitmap(U32 level) const override;
    Util::CountedPointer<GPLBMAPSection> GetLevel(U32 level) const;
    U32 GetWidth() const override { return U32(1) << m_widthExponent; }
    U32 GetHeight() const override { return U32(1) << m_heightExponent; }
    bool IsPaletted() const override { return false; }
    bool HasIndividualPalettes() const override { return false; }
    Util::CountedPointer<Palette> GetPalette(U32) const override { return Util::CountedPointer<Palette>(); }
    Util::CountedPointer<Palette> GetPalette() const override { return Util::CountedPointer<Palette>(); }
    Colour GetHeaderColour() const override { return m_headerColour; }
    // The format's bit counts and class; formats other than 3-8, 10 and 11 fail the assertion "false".
    U8 GetRedBits() const override;
    U8 GetGreenBits() const override;
    U8 GetBlueBits() const override;
    U8 GetAlphaBits() const override;
    U8 GetTransparency() const override;
    // 1 for the block-compressed formats 10 and 11.
    U8 GetCompression() const override { return m_format == 10 || m_format == 11 ? 1 : 0; }
    bool RepeatsHorizontally() const override { return m_repeatsHorizontally; }
    bool RepeatsVertically() const override { return m_repeatsVertically; }
    bool IsSelfObscuring() const override { return m_selfObscuring; }
    U32 GetUnknownIntCount() const override { return U32(m_unknownInts.size()); }
    U32 GetUnknownInt(U32 i) const override;
    U32 GetUnknownFloatCount() const override { return U32(m_unknownFloats.size()); }
    float GetUnknownFloat(U32 i) const override;
    // Writes the whole file at the stream's position.
    void Save(Util::BinaryStream& stream) const override;
    Util::CountedPointer<MipFile> Clone() const override;

    U16 GetVersion() const { return m_version; }
    U8 GetFormat() const { return m_format; }
    U32 GetWidthExponent() const { return m_widthExponent; }
    U32 GetHeightExponent() const { return m_heightExponent; }
    // The sides of a level from the header, without reading the level; asserts level <
    // GetBitmapCount().
    U32 GetLevelWidth(U32 level) const override;
    U32 GetLevelHeight(U32 level) const override;
    // Whether the level bytes still wait to be read.
    bool HasUndecodedLevels() const { return bool(m_undecoded); }
    // The bytes of the levels and the trailer that the file holds (once read, or as kept).
    U64 GetHeldBytes() const { return m_reservation.GetBytes(); }

    static constexpr U32 HeaderSize = 24;
    // The most bytes after level 0 that are kept.
    static constexpr U64 TrailerLimit = 4096;

private:
    N4MipFile() = default;
    const PixelFormat& Format() const;
    void DecodeLevels() const;
    // The header, from offset 0, up to the first level.
    void ReadFileHeader(Util::RecordReader& reader);
    // Copies the levels' bytes (and a short trailer) from the stream's position.
    void KeepLevelBytes(Util::BinaryStream& stream);

    mutable std::vector<Util::CountedPointer<GPLBMAPSection>> m_levels;
    U16 m_version = 0;
    U8 m_format = 0;
    U32 m_widthExponent = 0;
    U32 m_heightExponent = 0;
    Colour m_headerColour;
    // The header colour as blue, green, red, alpha bytes, when read from a file.
    U8 m_headerBytes[4] = {0, 0, 0, 0};
    bool m_headerFromFile = false;
    bool m_repeatsVertically = true;
    bool m_repeatsHorizontally = true;
    bool m_selfObscuring = false;
    std::vector<U32> m_unknownInts;
    std::vector<float> m_unknownFloats;
    std::string m_name;
    // The stream the levels are read from, at m_levelsAt, until they are read.
    mutable Util::CountedPointer<Util::BinaryStream> m_undecoded;
    U64 m_levelsAt = 0;
    // Bytes after level 0, written back after it.
    mutable std::vector<U8> m_trailer;
    mutable Util::MemoryBound::Reservation m_reservation;
};
} // namespace Velmo::Papy
