#pragma once
// An N2 multipart texture (.mip): one N2 MIP chunk at offset 0, its colours from the folder's
// palette (N2PaletteSource).
#include "Papy/Bitmap/MipFile.h"
#include "Papy/Bitmap/N2MIPSection.h"
#include "Papy/Bitmap/N2MIPSectionFile.h"
#include "Papy/Bitmap/N2PaletteSource.h"

namespace Velmo::Papy
{
class N2MipFile : public N2MIPSectionFile<MipFile>
{
public:
    // Reads the file from offset 0 with the palette the source gives.
    N2MipFile(Util::BinaryStream& stream, const N2PaletteSource& palette);
    // A new chain (see N2MIPSection's builder).
    N2MipFile(const N2PaletteSource& palette, U32 height, U32 width, bool transparent, U32 levelCount);
    explicit N2MipFile(const Util::CountedPointer<N2MIPSection>& section) : N2MIPSectionFile(section) {}

    // No palette per level.
    using N2MIPSectionFile::GetPalette;
    Util::CountedPointer<Palette> GetPalette(U32) const override { return Util::CountedPointer<Palette>(); }
    U8 GetTransparency() const override { return m_section->GetTransparency(); }
    U8 GetCompression() const override { return 0; }
    bool RepeatsHorizontally() const override { return true; }
    bool RepeatsVertically() const override { return true; }
    bool IsSelfObscuring() const override { return false; }
    // Writes the MIP chunk at the stream's position.
    void Save(Util::BinaryStream& stream) const override { m_section->Write(stream); }
    Util::CountedPointer<MipFile> Clone() const override;
};
} // namespace Velmo::Papy
