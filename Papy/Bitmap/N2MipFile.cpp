#include "Papy/Bitmap/N2MipFile.h"

#include "Papy/Bitmap/BitmapChunks.h"

namespace Velmo::Papy
{
N2MipFile::N2MipFile(Util::BinaryStream& stream, const N2PaletteSource& palette)
{
    Util::CountedPointer<Palette> base = GetN2Palette(palette);
    stream.Seek(0);
    BitmapChunk::ReadFrom(stream, [&](Util::RecordReader& reader) { m_section.Reset(new N2MIPSection(reader, *base)); });
}

N2MipFile::N2MipFile(const N2PaletteSource& palette, U32 height, U32 width, bool transparent, U32 levelCount)
    : N2MIPSectionFile(new N2MIPSection(height, width, *GetN2Palette(palette), transparent, levelCount))
{
}

Util::CountedPointer<MipFile> N2MipFile::Clone() const
{
    return Util::CountedPointer<MipFile>(new N2MipFile(Util::CountedPointer<N2MIPSection>(new N2MIPSection(*m_section))));
}
} // namespace Velmo::Papy
