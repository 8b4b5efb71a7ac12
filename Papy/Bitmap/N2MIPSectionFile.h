#pragma once
// The answers that an N2 file holding one MIP section (N2MipFile, N2SrbFile) takes from its
// section: the levels, the sizes, the palette and the header colour; the pixels are indices
// into a palette of 8-bit channels with one bit of alpha. Interface is MipFile or SrbFile.
#include "Papy/Bitmap/N2MIPSection.h"
#include "Util/CountedPointer.h"

namespace Velmo::Papy
{
template <class Interface>
class N2MIPSectionFile : public Interface
{
public:
    const Util::CountedPointer<N2MIPSection>& GetSection() const { return m_section; }

    U32 GetBitmapCount() const override { return m_section->GetLevelCount(); }
    Util::CountedPointer<Bitmap> GetBitmap(U32 level) const override { return m_section->GetLevel(level); }
    U32 GetWidth() const override { return m_section->GetWidth(); }
    U32 GetHeight() const override { return m_section->GetHeight(); }
    bool IsPaletted() const override { return true; }
    bool HasIndividualPalettes() const override { return false; }
    Util::CountedPointer<Palette> GetPalette() const override { return m_section->GetPalette(); }
    Colour GetHeaderColour() const override { return m_section->GetHeaderColour(); }
    U8 GetRedBits() const override { return 8; }
    U8 GetGreenBits() const override { return 8; }
    U8 GetBlueBits() const override { return 8; }
    U8 GetAlphaBits() const override { return 1; }

protected:
    N2MIPSectionFile() = default;
    explicit N2MIPSectionFile(N2MIPSection* section) : m_section(section) {}
    explicit N2MIPSectionFile(const Util::CountedPointer<N2MIPSection>& section) : m_section(section) {}

    Util::CountedPointer<N2MIPSection> m_section;
};
} // namespace Velmo::Papy
