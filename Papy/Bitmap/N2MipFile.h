#pragma once
// An N2 multipart texture (.mip): one N2 MIP chunk at offset 0, its colours from the folder's
// palette (N2PaletteSource).
#include "Papy/Bitmap/MipFile.h"
#include "Papy/Bitmap/N2MIPSection.h"
#include "Papy/Bitmap/N2PaletteSource.h"

namespace Velmo::Papy
{
class N2MipFile : public MipFile
{
public:
    // Reads the file from offset 0 with the palette the source gives.
    N2MipFile(Util::BinaryStream& stream, const N2PaletteSource& palette);
    // A new chain (see N2MIPSection's builder).
    N2MipFile(const N2PaletteSource& palette, U32 height, U32 width, bool transparent, U32 levelCount);
    explicit N2MipFile(const Util::CountedPointer<N2MIPSection>& section) : m_section(section) {}

    const Util::CountedPointer<N2MIPSection>& GetSection() const { return m_section; }

    U32 GetBitmapCount() const override { return m_section->GetLevelCount(); }
    Util::CountedPointer<Bitmap> GetBitmap(U32 level) const override { return m_section->GetLevel(level); }
    U32 GetWidth() const override { return m_section->GetWidth(); }
    U32 GetHeight() const override { return m_section->GetHeight(); }
    bool IsPaletted() const override { return true; }
    bool HasIndividualPalettes() const override { return false; }
    Util::CountedPointer<Palette> GetPalette(U32) const override { return Util::CountedPointer<Palette>(); }
    Util::CountedPointer<Palette> GetPalette() const override { return m_section->GetPalette(); }
    Colour GetHeaderColour() const override { return m_section->GetHeaderColour(); }
    U8 GetRedBits() const override { return 8; }
    U8 GetGreenBits() const override { return 8; }
    U8 GetBlueBits() const override { return 8; }
    U8 GetAlphaBits() const override { return 1; }
    U8 GetTransparency() const override { return m_section->GetTransparency(); }
    U8 GetCompression() const override { return 0; }
    bool RepeatsHorizontally() const override { return true; }
    bool RepeatsVertically() const override { return true; }
    bool IsSelfObscuring() const override { return false; }
    // Writes the MIP chunk at the stream's position.
    void Save(Util::BinaryStream& stream) const override { m_section->Write(stream); }
    Util::CountedPointer<MipFile> Clone() const override;

private:
    Util::CountedPointer<N2MIPSection> m_section;
};
} // namespace Velmo::Papy
