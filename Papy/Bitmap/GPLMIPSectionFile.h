#pragma once
// The answers that a GPL file holding one MIP section (GPLMipFile, GPLSrbFile) takes from its
// section: the levels, the sizes, the palettes, the header colour and the format's bit
// counts and transparency class. Interface is MipFile or SrbFile.
#include "Papy/Bitmap/GPLMIPSection.h"
#include "Util/CountedPointer.h"

namespace Velmo::Papy
{
template <class Interface>
class GPLMIPSectionFile : public Interface
{
public:
    const Util::CountedPointer<GPLMIPSection>& GetSection() const { return m_section; }

    U32 GetBitmapCount() const override { return m_section->GetLevelCount(); }
    Util::CountedPointer<Bitmap> GetBitmap(U32 level) const override { return m_section->GetLevel(level); }
    U32 GetWidth() const override { return m_section->GetWidth(); }
    U32 GetHeight() const override { return m_section->GetHeight(); }
    bool IsPaletted() const override { return m_section->IsPaletted(); }
    bool HasIndividualPalettes() const override { return m_section->HasIndividualPalettes(); }
    Util::CountedPointer<Palette> GetPalette(U32 level) const override { return m_section->GetPalette(level); }
    Util::CountedPointer<Palette> GetPalette() const override { return m_section->GetPalette(); }
    Colour GetHeaderColour() const override { return m_section->GetHeaderColour(); }
    U8 GetRedBits() const override { return m_section->GetPixelFormat().redBits; }
    U8 GetGreenBits() const override { return m_section->GetPixelFormat().greenBits; }
    U8 GetBlueBits() const override { return m_section->GetPixelFormat().blueBits; }
    U8 GetAlphaBits() const override { return m_section->GetPixelFormat().alphaBits; }
    U8 GetTransparency() const override { return m_section->GetPixelFormat().transparency; }

protected:
    GPLMIPSectionFile() = default;
    explicit GPLMIPSectionFile(GPLMIPSection* section) : m_section(section) {}
    explicit GPLMIPSectionFile(const Util::CountedPointer<GPLMIPSection>& section) : m_section(section) {}

    Util::CountedPointer<GPLMIPSection> m_section;
};
} // namespace Velmo::Papy
