#pragma once
// The answers that a file holding one GPL BMAP section (GPLPbfFile, N4StpFile) takes from its
// section: the bitmap, the palette and the format's bit counts and transparency class.
#include "Papy/Bitmap/GPLBMAPSection.h"
#include "Papy/Bitmap/PbfFile.h"
#include "Util/CountedPointer.h"

namespace Velmo::Papy
{
class GPLBMAPSectionFile : public PbfFile
{
public:
    const Util::CountedPointer<GPLBMAPSection>& GetSection() const { return m_section; }

    Util::CountedPointer<Bitmap> GetBitmap() const override { return m_section; }
    bool IsPaletted() const override { return m_section->IsPaletted(); }
    Util::CountedPointer<Palette> GetPalette() const override { return m_section->GetPalette(); }
    U8 GetRedBits() const override { return m_section->GetRedBits(); }
    U8 GetGreenBits() const override { return m_section->GetGreenBits(); }
    U8 GetBlueBits() const override { return m_section->GetBlueBits(); }
    U8 GetAlphaBits() const override { return m_section->GetAlphaBits(); }
    U8 GetTransparency() const override { return m_section->GetTransparency(); }

protected:
    GPLBMAPSectionFile() = default;
    explicit GPLBMAPSectionFile(GPLBMAPSection* section) : m_section(section) {}
    explicit GPLBMAPSectionFile(const Util::CountedPointer<GPLBMAPSection>& section) : m_section(section) {}

    Util::CountedPointer<GPLBMAPSection> m_section;
};
} // namespace Velmo::Papy
