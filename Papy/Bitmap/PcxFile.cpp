#include "Papy/Bitmap/PcxFile.h"

#include "Papy/Bitmap/BitmapHeaders.h"
#include "Papy/Bitmap/Quantise.h"
#include "Util/Exception.h"
#include "Util/RecordReader.h"

namespace Velmo::Papy
{
namespace
{
// The offset of the palette at the end of the stream; a stream shorter than the palette has
// no such place.
U64 PaletteOffset(const Util::BinaryStream& stream)
{
    U64 size = stream.Size();
    if (size < PcxFile::PaletteBytes)
        throw Util::XFileSeek(stream.GetName());
    return size - PcxFile::PaletteBytes;
}
} // namespace

PcxFile::PcxFile(Util::BinaryStream& stream)
{
    U64 paletteOffset = PaletteOffset(stream);
    stream.Seek(0);
    Util::RecordReader file(stream);
    Util::RecordReader start = file;
    file.Skip(paletteOffset);
    PcxPalette entries;
    ReadHeader(file, entries);
    m_palette.Reset(new Palette(EntryCount));
    for (U32 i = 0; i < EntryCount; ++i)
    {
        const U8* e = entries.entries[i];
        m_palette->SetColour(i, Colour(ChannelValue(e[0], 255), ChannelValue(e[1], 255), ChannelValue(e[2], 255), 1.0f));
    }
    // The header overlaps the palette in a file of fewer than 896 bytes.
    PcxHeader header;
    ReadHeader(start, header);
}

void PcxFile::Write(Util::BinaryStream& stream) const
{
    PcxPalette entries;
    U32 count = m_palette->GetColourCount() < EntryCount ? m_palette->GetColourCount() : EntryCount;
    for (U32 i = 0; i < count; ++i)
    {
        const Colour& c = (*m_palette)[i];
        entries.entries[i][0] = U8(QuantiseChannel(c.GetRed(), 255));
        entries.entries[i][1] = U8(QuantiseChannel(c.GetGreen(), 255));
        entries.entries[i][2] = U8(QuantiseChannel(c.GetBlue(), 255));
    }
    U8 bytes[PaletteBytes];
    Util::EncodeFields(entries, bytes);
    stream.Seek(PaletteOffset(stream));
    stream.Write(PaletteBytes, bytes);
}
} // namespace Velmo::Papy
