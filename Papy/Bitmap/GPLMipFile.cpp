#include "Papy/Bitmap/GPLMipFile.h"

namespace Velmo::Papy
{
GPLMipFile::GPLMipFile(Util::BinaryStream& stream, U32 version)
{
    stream.Seek(0);
    m_section.Reset(new GPLMIPSection(stream, version));
}

GPLMipFile::GPLMipFile(U32 height, U32 width, U8 redBits, U8 greenBits, U8 blueBits, U8 alphaBits, U8 transparency,
                       bool paletted, U32 paletteSize, bool individualPalettes, bool repeatsHorizontally,
                       bool repeatsVertically, U32 levelCount, U32 firstFormat, U32 formatCount, U32 version)
    : GPLMIPSectionFile(new GPLMIPSection(height, width, redBits, greenBits, blueBits, alphaBits, transparency, paletted,
                                  paletteSize, individualPalettes, repeatsHorizontally, repeatsVertically, levelCount,
                                  firstFormat, formatCount, version))
{
}

U32 GPLMipFile::GetUnknownInt(U32) const
{
    return m_section->GetUnknownValue();
}

std::string GPLMipFile::GetUnknownString(U32) const
{
    return m_section->GetString();
}

Util::CountedPointer<MipFile> GPLMipFile::Clone() const
{
    return Util::CountedPointer<MipFile>(
        new GPLMipFile(Util::CountedPointer<GPLMIPSection>(new GPLMIPSection(*m_section))));
}
} // namespace Velmo::Papy
