#pragma once
// The N2 " MIP" chunk: an "MPHD" header (format, exponents, transparent colour index, level
// count) and a chain of N2 BMAP sections, level 0 the largest, each half the size of the one
// before. The body of N2 .mip files and of N2 scaled bitmaps.
#include <vector>

#include "Papy/Bitmap/N2BMAPSection.h"
#include "Util/BinaryStream.h"
#include "Util/CountedPointer.h"
#include "Util/RecordReader.h"

namespace Velmo::Papy
{
class N2MIPSection
{
public:
    // Reads the MIP chunk at the reader's position; every level takes its own copy of the palette.
    N2MIPSection(Util::RecordReader& reader, const Palette& palette);
    // A new chain of levelCount empty levels (sized by whoever fills them), format 3 when
    // transparent, else 2; transparent colour index 0. Both dimensions must be powers of two
    // (XUsage "Bitmap dimension not a power of 2").
    N2MIPSection(U32 height, U32 width, const Palette& palette, bool transparent, U32 levelCount);
    // Levels are copies of the source's levels.
    N2MIPSection(const N2MIPSection& other);
    N2MIPSection& operator=(const N2MIPSection&) = delete;

    // Writes the MIP chunk at the stream's position.
    void Write(Util::BinaryStream& stream) const;

    U32 GetLevelCount() const { return U32(m_levels.size()); }
    // Asserts level < GetLevelCount().
    Util::CountedPointer<N2BMAPSection> GetLevel(U32 level) const;
    U32 GetWidthExponent() const { return m_widthExponent; }
    U32 GetHeightExponent() const { return m_heightExponent; }
    U32 GetWidth() const { return U32(1) << m_widthExponent; }
    U32 GetHeight() const { return U32(1) << m_heightExponent; }
    U8 GetFormat() const { return m_format; }
    U32 GetTransparentIndex() const { return m_transparentIndex; }
    // Level 0's palette (none without levels).
    Util::CountedPointer<Palette> GetPalette() const;
    // The entry of level 0's palette at the transparent index: the default colour when the
    // index lies beyond the palette or there is no level.
    Colour GetHeaderColour() const;
    // 1 (transparent) for formats 1 and 3, 0 for format 2.
    U8 GetTransparency() const;

private:
    std::vector<Util::CountedPointer<N2BMAPSection>> m_levels;
    U32 m_widthExponent = 0;
    U32 m_heightExponent = 0;
    U8 m_format = 0;
    U32 m_transparentIndex = 0;
};
} // namespace Velmo::Papy
