#pragma once
// The fixed headers of the bitmap files, each described once as a field list (see
// Util/RecordFields.h) that its reader and its writer both visit. Offsets are those of the
// fields in order, little-endian; the checks of the values stay with each reader, in its order.
#include <array>

#include "Papy/Bitmap/BitmapChunks.h"
#include "Util/RecordFields.h"
#include "Util/RecordReader.h"
#include "Util/Types.h"

namespace Velmo::Papy
{
// Reads a header whole: a reader with fewer bytes left than the header fails with its short
// read before any field is read or checked.
template <class Header>
void ReadHeader(Util::RecordReader& reader, Header& header)
{
    Util::RecordReader bytes = reader.Slice(Util::FieldsSize(header));
    Util::ReadFields(bytes, header);
}

// The repeat byte of the MIP headers: bit 0 set when the texture does not repeat across,
// bit 1 when it does not repeat down.
inline U8 RepeatByte(bool repeatsHorizontally, bool repeatsVertically)
{
    return U8((repeatsHorizontally ? 0 : 1) | (repeatsVertically ? 0 : 2));
}

// The "BMHD" chunk of a GPL or N2 BMAP: the chunk counts 14 bytes, two blanks follow them.
struct BitmapHeader
{
    U8 format = 0;
    U32 width = 0;
    U32 height = 0;
    // Bytes per row (per row of blocks for the block formats).
    U32 stride = 0;
    // GPL: the compression method (0 stored, 1 imploded); N2: reserved, 0.
    U8 method = 0;
    U8 blanks[2] = {BitmapChunk::Blank, BitmapChunk::Blank};

    static constexpr U32 ChunkSize = 14;

    template <class IO>
    void Fields(IO& io) { io(format); io(width); io(height); io(stride); io(method); io(blanks); }
    bool operator==(const BitmapHeader&) const = default;
};

// The "MPHD" chunk of a GPL MIP, version 0 (18 bytes); version 1 adds GPLMipHeaderText, and
// two blanks follow either.
struct GPLMipHeader
{
    U8 format = 0;
    U32 widthExponent = 0;
    U32 heightExponent = 0;
    // The header colour: blue, green, red, alpha.
    U8 colour[4] = {0, 0, 0, 0};
    U8 repeat = 0;
    U32 levelCount = 0;

    static constexpr U32 ChunkSize = 18;

    template <class IO>
    void Fields(IO& io) { io(format); io(widthExponent); io(heightExponent); io(colour); io(repeat); io(levelCount); }
    bool operator==(const GPLMipHeader&) const = default;
};

// What a version-1 MPHD holds after the version-0 fields: a value and a text of 16 bytes
// (the characters up to the first zero byte, zeros after them).
struct GPLMipHeaderText
{
    U32 value = 0;
    U8 text[16] = {};

    static constexpr U32 ChunkSize = GPLMipHeader::ChunkSize + 20;

    template <class IO>
    void Fields(IO& io) { io(value); io(text); }
    bool operator==(const GPLMipHeaderText&) const = default;
};

// The "MPHD" chunk of an N2 MIP: the chunk counts 18 bytes, two blanks follow them.
struct N2MipHeader
{
    U8 format = 0;
    U32 widthExponent = 0;
    U32 heightExponent = 0;
    U32 transparentIndex = 0;
    U8 reserved = 0;
    U32 levelCount = 0;
    U8 blanks[2] = {BitmapChunk::Blank, BitmapChunk::Blank};

    static constexpr U32 ChunkSize = 18;

    template <class IO>
    void Fields(IO& io)
    {
        io(format); io(widthExponent); io(heightExponent); io(transparentIndex); io(reserved); io(levelCount);
        io(blanks);
    }
    bool operator==(const N2MipHeader&) const = default;
};

// The 24 bytes that open an N4 MIP file; the values of its version follow them.
struct N4MipHeader
{
    U16 version = 0;
    U8 format = 0;
    U8 repeat = 0;
    U32 widthExponent = 0;
    U32 heightExponent = 0;
    // The header colour: blue, green, red, alpha.
    U8 colour[4] = {0, 0, 0, 0};
    U32 levelCount = 0;
    U32 selfObscuring = 0;

    template <class IO>
    void Fields(IO& io)
    {
        io(version); io(format); io(repeat); io(widthExponent); io(heightExponent); io(colour); io(levelCount);
        io(selfObscuring);
    }
    bool operator==(const N4MipHeader&) const = default;
};

// The values an N4 MIP of a version holds after its header: floats first, then integers.
struct N4MipExtras
{
    U16 version;
    U32 floatCount;
    U32 intCount;

    // The entry of a version, or none.
    static const N4MipExtras* Find(U16 version);
};

inline const N4MipExtras* N4MipExtras::Find(U16 version)
{
    static const N4MipExtras table[] = {{1, 0, 5}, {2, 0, 2}, {4, 1, 1}};
    for (const N4MipExtras& extras : table)
        if (extras.version == version)
            return &extras;
    return nullptr;
}

// The "STHD" chunk of an N4 STP: one value, always 1.
struct N4StpStamp
{
    template <class IO>
    void Fields(IO& io) { io.Expect(U32(1), "N4 stp header reserved not 1"); }
    bool operator==(const N4StpStamp&) const = default;
};

// The "DATA" chunk of an N4 STP, before its BMAP: a reserved 0, the sides and a value.
struct N4StpValues
{
    U16 width = 0;
    U16 height = 0;
    U32 value = 0;

    template <class IO>
    void Fields(IO& io) { io.Expect(U32(0), "N4 stp data reserved not zero"); io(width); io(height); io(value); }
    bool operator==(const N4StpValues&) const = default;
};

// The "SRHD" chunk of a GPL scaled bitmap: world width and depth, used texture width and
// height, origin across and down.
struct GPLSrbScales
{
    std::array<F32, 6> scale{};

    template <class IO>
    void Fields(IO& io) { io(scale); }
    bool operator==(const GPLSrbScales&) const = default;
};

// The "SRH2" chunk of a GPL scaled bitmap: nine values of unknown meaning.
struct GPLSrbValues
{
    static constexpr U32 Count = 9;
    std::array<U32, Count> value{};

    template <class IO>
    void Fields(IO& io) { io(value); }
    bool operator==(const GPLSrbValues&) const = default;
};

// The "SRHD" chunk of an N2 scaled bitmap.
struct N2SrbValues
{
    S32 worldWidth = 0;
    S32 worldDepth = 0;
    U32 originColumn = 0;
    U32 originRow = 0;
    U32 lastColumn = 0;
    U32 lastRow = 0;

    template <class IO>
    void Fields(IO& io)
    {
        io(worldWidth); io(worldDepth); io(originColumn); io(originRow); io(lastColumn); io(lastRow);
    }
    bool operator==(const N2SrbValues&) const = default;
};

// The 128 bytes that open a PCX image (read, not interpreted).
struct PcxHeader
{
    U8 manufacturer = 0;
    U8 version = 0;
    U8 encoding = 0;
    U8 bitsPerPixel = 0;
    U16 window[4] = {};
    U16 resolution[2] = {};
    U8 colourMap[48] = {};
    U8 reserved = 0;
    U8 planes = 0;
    U16 bytesPerLine = 0;
    U16 paletteInfo = 0;
    U16 screenSize[2] = {};
    U8 filler[54] = {};

    template <class IO>
    void Fields(IO& io)
    {
        io(manufacturer); io(version); io(encoding); io(bitsPerPixel); io(window); io(resolution);
        io(colourMap); io(reserved); io(planes); io(bytesPerLine); io(paletteInfo); io(screenSize); io(filler);
    }
    bool operator==(const PcxHeader&) const = default;
};

// The last 768 bytes of a PCX image: 256 entries of red, green and blue.
struct PcxPalette
{
    static constexpr U32 EntryCount = 256;
    U8 entries[EntryCount][3] = {};

    template <class IO>
    void Fields(IO& io) { io(entries); }
    bool operator==(const PcxPalette&) const = default;
};
} // namespace Velmo::Papy
