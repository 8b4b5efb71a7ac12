#pragma once
// The palette of a PCX image: the last 768 bytes of the file, 256 entries of red, green and
// blue bytes. Nothing else of the image is interpreted; Write replaces the palette of an
// existing image in place.
#include "Papy/Bitmap/Palette.h"
#include "Util/BinaryStream.h"
#include "Util/CountedPointer.h"

namespace Velmo::Papy
{
class PcxFile
{
public:
    // Reads the palette (256 opaque entries) and the 128-byte header, which is not kept. A
    // stream too short for the palette fails with the stream's seek error.
    explicit PcxFile(Util::BinaryStream& stream);

    // A new reference to the palette held.
    Util::CountedPointer<Palette> GetPalette() const { return m_palette; }
    // Writes the 256 entries over the last 768 bytes of the stream.
    void Write(Util::BinaryStream& stream) const;

    static constexpr U32 EntryCount = 256;
    static constexpr U32 PaletteBytes = 3 * EntryCount;
    static constexpr U32 HeaderBytes = 128;

private:
    Util::CountedPointer<Palette> m_palette;
};
} // namespace Velmo::Papy
