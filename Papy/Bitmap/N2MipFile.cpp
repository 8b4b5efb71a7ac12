#include "Papy/Bitmap/N2MipFile.h"

namespace Velmo::Papy
{
N2MipFile::N2MipFile(Util::BinaryStream& stream, const N2PaletteSource& palette)
{
    Util::CountedPointer<Palette> base = GetN2Palette(palette);
    stream.Seek(0);
    Util::RecordReader reader(stream);
    m_section.Reset(new N2MIPSection(reader, *base));
    stream.Seek(reader.Tell());
}

N2MipFile::N2MipFile(const N2PaletteSource& palette, U32 height, U32 width, bool transparent, U32 levelCount)
    : m_section(new N2MIPSection(height, width, *GetN2Palette(palette), transparent, levelCount))
{
}

Util::CountedPointer<MipFile> N2MipFile::Clone() const
{
    return Util::CountedPointer<MipFile>(new N2MipFile(Util::CountedPointer<N2MIPSection>(new N2MIPSection(*m_section))));
}
} // namespace Velmo::Papy
