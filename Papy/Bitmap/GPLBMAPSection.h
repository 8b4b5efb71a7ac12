#pragma once
// One bitmap of the GPL chunked layout ("BMAP": a "BMHD" header, an optional "CMAP" palette
// and a "DATA" chunk), seen as a Bitmap over its packed pixel bytes. It is a GPL pure bitmap,
// each level of a GPL MIP section, and the body of the N4 bitmap files.
//
// The section keeps the bytes as stored in DATA and the pixel bytes; either is made from the
// other when first needed (stored: they are one block; imploded: explode on the first pixel
// access, implode on the first write). Nothing is decoded while reading.
//
// Edits and writing: an edit of a section whose stored bytes are imploded drops them, so that
// Write implodes the current pixels; an unedited section writes its stored bytes unchanged.
// The block-compressed formats are edited in a decoded copy that is never encoded again:
// Write refuses such a section (XUsage) rather than write its old blocks.
#include <string>
#include <vector>

#include "Papy/Bitmap/BMAPSection.h"
#include "Papy/Bitmap/BitmapSimple.h"
#include "Papy/Bitmap/Palette.h"
#include "Papy/Bitmap/PixelFormat.h"
#include "Papy/Model/ChunkHeader.h"
#include "Util/MemoryBound.h"
#include "Util/BinaryStream.h"
#include "Util/CountedPointer.h"
#include "Util/RecordReader.h"

namespace Velmo::Papy
{
class GPLBMAPSection : public BMAPSection
{
public:
    // Reads one BMAP chunk at the stream's position and leaves the stream after it.
    // sharedPalette (may be empty) serves a paletted section without a CMAP chunk; maxMethod
    // is the highest compression method accepted (0 stored, 1 imploded).
    GPLBMAPSection(Util::BinaryStream& stream, const Util::CountedPointer<Palette>& sharedPalette, U8 maxMethod);
    GPLBMAPSection(Util::RecordReader& reader, const Util::CountedPointer<Palette>& sharedPalette, U8 maxMethod);
    // A new 0 x 0 section without pixel bytes, to be resized before pixels are written. A
    // paletted format takes a new Palette(paletteSize) of its own when ownPalette is set,
    // sharedPalette otherwise.
    GPLBMAPSection(U8 format, bool ownPalette, U32 paletteSize, const Util::CountedPointer<Palette>& sharedPalette,
                   U8 method);

    // A deep copy; a section without a palette of its own takes sharedPalette (or, when that
    // is empty, a copy of the palette it uses).
    Util::CountedPointer<GPLBMAPSection> Clone(const Util::CountedPointer<Palette>& sharedPalette) const;

    // New pixel bytes for the size; the last 32-bit word of each row of a 1 x 1 format is
    // cleared. The pixels of the old size (stored bytes, decoded copy) are dropped.
    void Resize(U32 height, U32 width) override;
    Colour GetPixel(U32 row, U32 column) const override;
    void SetPixel(U32 row, U32 column, const Colour& colour) override;
    // Drops the exploded pixel bytes of an imploded section whose stored bytes still hold
    // them (unedited, or written since): the next pixel access explodes them again.
    void ReleaseDecoded() const override;

    // Writes the BMAP chunk at the stream's position.
    void Write(Util::BinaryStream& stream) const;

    U8 GetMethod() const { return m_method; }
    bool IsPaletted() const { return m_format < 3; }
    bool HasOwnPalette() const { return m_ownPalette; }
    Util::CountedPointer<Palette> GetPalette() const { return m_palette; }
    U8 GetRedBits() const;
    U8 GetGreenBits() const;
    U8 GetBlueBits() const;
    U8 GetAlphaBits() const;
    U8 GetTransparency() const;
    // Whether pixels were written through the decoded copy of a block-compressed format.
    bool HasDecodedCopy() const { return bool(m_decoded); }
    // How many times the pixels were written (SetPixel, Resize) since the section was made.
    U32 GetEditCount() const { return m_edits; }
    // The texts of the errors of a level that does not fit its chain.
    struct LevelTexts
    {
        const char* height;
        const char* width;
        const char* red;
        const char* green;
        const char* blue;
        const char* alpha;
        const char* transparency;
    };
    // Checks that this section fits level m of a chain of 2^heightExponent x 2^widthExponent
    // pixels in format, in this order: its height, its width, the bits of each channel and
    // the transparency class; the first that does not fails with XFileFormat(name, its text).
    void CheckChainLevel(const std::string& name, const LevelTexts& texts, U32 m, U32 heightExponent,
                         U32 widthExponent, const PixelFormat& format) const;
    // Whether its own palette, if it has one, still holds the colours its entries were read as.
    bool OwnPaletteAsRead() const { return !m_ownPalette || !m_palette || HoldsEntries(*m_palette, m_paletteBytes); }
    // Whether the palette holds the colours of the entries as stored, and no more.
    static bool HoldsEntries(const Palette& palette, const std::vector<U8>& entryBytes);

    // The CMAP chunk: entries of blue, green, red, alpha bytes.
    static Util::CountedPointer<Palette> ReadPalette(Util::BinaryStream& stream);
    // entryBytes, when given, receives the entries as stored.
    static Util::CountedPointer<Palette> ReadPalette(Util::RecordReader& reader, std::vector<U8>* entryBytes = nullptr);
    static void WritePalette(const Palette& palette, Util::BinaryStream& stream);
    // An entry that still holds the colour its stored bytes read as is written as those
    // bytes: a transparent entry keeps its colour bytes, which its Colour does not hold.
    static void WritePalette(const Palette& palette, const std::vector<U8>& entryBytes, Util::BinaryStream& stream);

private:
    typedef Util::CountedPointer<std::vector<U8>> Block;

    GPLBMAPSection() = default;
    void Read(Util::RecordReader& reader, const Util::CountedPointer<Palette>& sharedPalette, U8 maxMethod);
    static Util::CountedPointer<Palette> ReadPalette(Util::RecordReader& reader, const ChunkHeader& header,
                                                     std::vector<U8>* entryBytes);
    void MakePixels() const;
    void MakeStored() const;

    static const Texts ErrorTexts;

    const PixelFormat* m_pixelFormat = nullptr;
    U8 m_method = 0;
    bool m_ownPalette = false;
    Util::CountedPointer<Palette> m_palette;
    // The entries of the own palette as read.
    std::vector<U8> m_paletteBytes;
    // The stored bytes and the pixel bytes, each made from the other on first need.
    mutable U32 m_compressedDataSize = 0;
    mutable Block m_stored;
    U32 m_uncompressedDataSize = 0;
    mutable Block m_pixels;
    // The memory bound's share of pixels unpacked from the stored bytes, held with them.
    mutable Util::CountedPointer<Util::MemoryBound::Reservation> m_pixelsHeld;
    Util::CountedPointer<BitmapSimple> m_decoded;
    U32 m_edits = 0;
};
} // namespace Velmo::Papy
