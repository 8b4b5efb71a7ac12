#include "Papy/Bitmap/GPLPbfFile.h"

#include "Papy/Bitmap/BitmapOperations.h"
#include "Util/Exception.h"

namespace Velmo::Papy
{
GPLPbfFile::GPLPbfFile(Util::BinaryStream& stream)
{
    stream.Seek(0);
    m_section.Reset(new GPLBMAPSection(stream, nullptr, 0));
}

GPLPbfFile::GPLPbfFile(U8 redBits, U8 greenBits, U8 blueBits, U8, U8 transparency, bool paletted, U32 paletteSize)
    : GPLBMAPSectionFile(
          new GPLBMAPSection(ChooseFormat(redBits, greenBits, blueBits, transparency, paletted, paletteSize), paletted,
                             paletteSize, nullptr, 0))
{
}

U8 GPLPbfFile::ChooseFormat(U8 redBits, U8 greenBits, U8 blueBits, U8 transparency, bool paletted, U32 paletteSize)
{
    if (paletted)
    {
        if (paletteSize > 16)
            throw Util::XUsage("GPL mip only supports 16 colour palettes");
        return transparency <= 2 ? transparency : 0;
    }
    if (transparency != 0)
        return 5;
    return redBits <= 5 && greenBits <= 5 && blueBits <= 5 ? 4 : 3;
}

void GPLPbfFile::CopyFrom(const Bitmap& bitmap)
{
    CopyBitmap(bitmap, *m_section);
}

Util::CountedPointer<PbfFile> GPLPbfFile::Clone() const
{
    return Util::CountedPointer<PbfFile>(new GPLPbfFile(m_section->Clone(nullptr)));
}
} // namespace Velmo::Papy
