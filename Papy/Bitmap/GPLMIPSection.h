#pragma once
// The GPL " MIP" chunk: an "MPHD" header, an optional "CMAP" palette shared by the levels,
// and a chain of BMAP sections, level 0 the largest, each half the size of the one before
// (never below 1). The body of GPL .mip and .m16 files and of GPL scaled bitmaps.
//
// The header colour of a section read from a file is kept as its four bytes and written
// back unchanged while level 0 is as it was read (its pixels and its palette); a section built
// in memory, or one whose level 0 was edited, writes the alpha-weighted mean of all of level 0.
#include <string>
#include <vector>

#include "Papy/Bitmap/BitmapHeaders.h"
#include "Papy/Bitmap/GPLBMAPSection.h"
#include "Papy/Bitmap/Palette.h"
#include "Util/BinaryStream.h"
#include "Util/CountedPointer.h"
#include "Util/RecordReader.h"

namespace Velmo::Papy
{
class GPLMIPSection
{
public:
    // Reads the MIP chunk at the stream's position; version is the header version accepted.
    GPLMIPSection(Util::BinaryStream& stream, U32 version);
    GPLMIPSection(Util::RecordReader& reader, U32 version);
    // A deep copy: the shared palette is copied and each level cloned over the copy.
    GPLMIPSection(const GPLMIPSection& other);
    GPLMIPSection& operator=(const GPLMIPSection&) = delete;
    // A new chain of levelCount levels sized (height, width), (height / 2, width / 2), ...
    // Both dimensions must be powers of two (XUsage "Bitmap dimension not a power of 2");
    // the format is the cheapest candidate (XUsage when a palette of more than 16 colours is
    // asked for, or no candidate serves the request).
    GPLMIPSection(U32 height, U32 width, U8 redBits, U8 greenBits, U8 blueBits, U8 alphaBits, U8 transparency,
                  bool paletted, U32 paletteSize, bool individualPalettes, bool repeatsHorizontally,
                  bool repeatsVertically, U32 levelCount, U32 firstFormat, U32 formatCount, U32 version);

    // Writes the MIP chunk at the stream's position.
    void Write(Util::BinaryStream& stream) const;

    U32 GetLevelCount() const { return U32(m_levels.size()); }
    Util::CountedPointer<GPLBMAPSection> GetLevel(U32 level) const;
    U32 GetWidthExponent() const { return m_widthExponent; }
    U32 GetHeightExponent() const { return m_heightExponent; }
    U32 GetWidth() const { return U32(1) << m_widthExponent; }
    U32 GetHeight() const { return U32(1) << m_heightExponent; }
    U8 GetFormat() const { return m_format; }
    bool IsPaletted() const { return m_format < 3; }
    // Whether level 0 carries a palette of its own (false without levels).
    bool HasIndividualPalettes() const;
    // That level's palette for the paletted formats, else none.
    Util::CountedPointer<Palette> GetPalette(U32 level) const;
    // Level 0's palette.
    Util::CountedPointer<Palette> GetPalette() const { return GetPalette(0); }
    Util::CountedPointer<Palette> GetSharedPalette() const { return m_sharedPalette; }
    Colour GetHeaderColour() const;
    // The record of the format: its bit counts and transparency class (a code beyond 8 fails
    // the assertion "false").
    const PixelFormat& GetPixelFormat() const;
    bool RepeatsHorizontally() const { return m_repeatsHorizontally; }
    bool RepeatsVertically() const { return m_repeatsVertically; }
    U32 GetVersion() const { return m_version; }
    U32 GetUnknownValue() const { return m_unknownValue; }
    const std::string& GetString() const { return m_string; }
    // The version-1 text field holds at most 16 bytes; a longer text is cut there on writing.
    void SetString(const std::string& text) { m_string = text; }

    static constexpr U32 StringFieldSize = sizeof(GPLMipHeaderText::text);

private:
    void Read(Util::RecordReader& reader, U32 version);
    // Whether level 0's pixels and palette are as they were read.
    bool Level0AsRead() const;
    void GetHeaderBytes(U8 bytes[4]) const;

    std::vector<Util::CountedPointer<GPLBMAPSection>> m_levels;
    U32 m_widthExponent = 0;
    U32 m_heightExponent = 0;
    Util::CountedPointer<Palette> m_sharedPalette;
    std::vector<U8> m_sharedPaletteBytes; // its entries as read
    U8 m_format = 0;
    // The header colour as blue, green, red, alpha bytes, when read from a file.
    U8 m_headerBytes[4] = {0, 0, 0, 0};
    bool m_headerFromFile = false;
    U32 m_level0Edits = 0; // level 0's edit count when it was read
    bool m_repeatsVertically = true;
    bool m_repeatsHorizontally = true;
    U32 m_version = 0;
    U32 m_unknownValue = 0;
    std::string m_string;
};
} // namespace Velmo::Papy
