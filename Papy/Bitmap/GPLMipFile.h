#pragma once
// A GPL multipart texture (.mip, and the N2 .m16 files): one GPL MIP chunk at offset 0.
#include "Papy/Bitmap/GPLMIPSection.h"
#include "Papy/Bitmap/GPLMIPSectionFile.h"
#include "Papy/Bitmap/MipFile.h"

namespace Velmo::Papy
{
class GPLMipFile : public GPLMIPSectionFile<MipFile>
{
public:
    // Reads the file from offset 0; version is the MIP header version accepted.
    GPLMipFile(Util::BinaryStream& stream, U32 version);
    // A new chain; the arguments are those of the GPLMIPSection builder.
    GPLMipFile(U32 height, U32 width, U8 redBits, U8 greenBits, U8 blueBits, U8 alphaBits, U8 transparency,
               bool paletted, U32 paletteSize, bool individualPalettes, bool repeatsHorizontally,
               bool repeatsVertically, U32 levelCount, U32 firstFormat, U32 formatCount, U32 version);
    explicit GPLMipFile(const Util::CountedPointer<GPLMIPSection>& section) : GPLMIPSectionFile(section) {}

    U8 GetCompression() const override { return 0; }
    bool RepeatsHorizontally() const override { return m_section->RepeatsHorizontally(); }
    bool RepeatsVertically() const override { return m_section->RepeatsVertically(); }
    bool IsSelfObscuring() const override { return false; }
    // Version 1 headers hold one unknown value and one text.
    U32 GetUnknownIntCount() const override { return m_section->GetVersion(); }
    U32 GetUnknownInt(U32 i) const override;
    U32 GetUnknownFloatCount() const override { return 0; }
    U32 GetUnknownStringCount() const override { return m_section->GetVersion(); }
    std::string GetUnknownString(U32 i) const override;
    // Writes the MIP chunk at the stream's position.
    void Save(Util::BinaryStream& stream) const override { m_section->Write(stream); }
    Util::CountedPointer<MipFile> Clone() const override;
};
} // namespace Velmo::Papy
