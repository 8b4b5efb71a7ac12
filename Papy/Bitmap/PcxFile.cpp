#include "Papy/Bitmap/PcxFile.h"

#include "Papy/Bitmap/Quantise.h"
#include "Util/Exception.h"

namespace Velmo::Papy
{
namespace
{
// Moves to the palette at the end of the stream; a stream shorter than the palette has no
// such place.
void SeekPalette(Util::BinaryStream& stream)
{
    U64 size = stream.Size();
    if (size < PcxFile::PaletteBytes)
        throw Util::XFileSeek(stream.GetName());
    stream.Seek(size - PcxFile::PaletteBytes);
}
} // namespace

PcxFile::PcxFile(Util::BinaryStream& stream)
{
    SeekPalette(stream);
    U8 entries[PaletteBytes];
    stream.Read(PaletteBytes, entries);
    m_palette.Reset(new Palette(EntryCount));
    for (U32 i = 0; i < EntryCount; ++i)
    {
        const U8* e = entries + 3 * i;
        m_palette->SetColour(i, Colour(ChannelValue(e[0], 255), ChannelValue(e[1], 255), ChannelValue(e[2], 255), 1.0f));
    }
    U8 header[HeaderBytes];
    stream.Seek(0);
    stream.Read(HeaderBytes, header);
}

void PcxFile::Write(Util::BinaryStream& stream) const
{
    U8 entries[PaletteBytes] = {};
    U32 count = m_palette->GetColourCount() < EntryCount ? m_palette->GetColourCount() : EntryCount;
    for (U32 i = 0; i < count; ++i)
    {
        const Colour& c = (*m_palette)[i];
        entries[3 * i] = U8(QuantiseChannel(c.GetRed(), 255));
        entries[3 * i + 1] = U8(QuantiseChannel(c.GetGreen(), 255));
        entries[3 * i + 2] = U8(QuantiseChannel(c.GetBlue(), 255));
    }
    SeekPalette(stream);
    stream.Write(PaletteBytes, entries);
}
} // namespace Velmo::Papy
