#pragma once
// One N2 bitmap ("BMAP": a "BMHD" header and a "DATA" chunk of pixel rows, top row first),
// seen as a Bitmap. Pixels are palette indices: format 1 four bits (the high nibble first),
// 2 eight bits (opaque), 3 eight bits (transparent). The colours come from the section's own
// copy of the palette it was given.
#include <vector>

#include "Papy/Bitmap/BMAPSection.h"
#include "Papy/Bitmap/Palette.h"
#include "Papy/Bitmap/PixelFormat.h"
#include "Util/BinaryStream.h"
#include "Util/CountedPointer.h"
#include "Util/RecordReader.h"

namespace Velmo::Papy
{
class N2BMAPSection : public BMAPSection
{
public:
    // Reads one BMAP chunk at the reader's position, after it when done.
    N2BMAPSection(Util::RecordReader& reader, const Palette& palette);
    N2BMAPSection(Util::BinaryStream& stream, const Palette& palette);
    // A new 0 x 0 section; format 1, 2 or 3.
    N2BMAPSection(U8 format, const Palette& palette);
    // The copy shares the palette and has pixel bytes of its own.
    N2BMAPSection(const N2BMAPSection& other) = default;
    N2BMAPSection& operator=(const N2BMAPSection&) = delete;

    // New zero pixels for the size.
    void Resize(U32 height, U32 width) override;
    // The palette entry of the pixel's index (the default colour beyond the palette).
    Colour GetPixel(U32 row, U32 column) const override;
    // The index of the palette entry that holds exactly the colour (else the assertion
    // "FindColour(colour, index)"); only that pixel's bits change.
    void SetPixel(U32 row, U32 column, const Colour& colour) override;

    // Writes the BMAP chunk at the stream's position.
    void Write(Util::BinaryStream& stream) const;

    Util::CountedPointer<Palette> GetPalette() const { return m_palette; }

    // The pixel record of an N2 format code; any other code fails the assertion "false".
    static const PixelFormat& GetPixelFormat(U8 format);

private:
    static const Texts ErrorTexts;

    void Read(Util::RecordReader& reader);

    std::vector<U8> m_pixels;
    Util::CountedPointer<Palette> m_palette;
};
} // namespace Velmo::Papy
