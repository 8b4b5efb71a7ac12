#pragma once
// An N2 scaled bitmap (.srb): an "SRB " chunk over the whole file holding an "SRHD" header of
// six values and an N2 MIP chunk whose format is transparent.
//
// Values: world width and world depth (signed N2 lengths), then the origin column and row and
// the last used column and row of the texture (pixels).
#include <array>
#include <vector>

#include "Papy/Bitmap/BitmapHeaders.h"
#include "Papy/Bitmap/N2MIPSection.h"
#include "Papy/Bitmap/N2MIPSectionFile.h"
#include "Papy/Bitmap/N2PaletteSource.h"
#include "Papy/Bitmap/SrbFile.h"

namespace Velmo::Papy
{
class N2SrbFile : public N2MIPSectionFile<SrbFile>
{
public:
    // Reads the file from offset 0 with the palette the source gives.
    N2SrbFile(Util::BinaryStream& stream, const N2PaletteSource& palette);
    // A new transparent scaled bitmap over the rectangle of vertices 0 and 2 (x and z) and the
    // used part of the texture that texture vertex 2 marks.
    N2SrbFile(const N2PaletteSource& palette, U32 height, U32 width, U32 levelCount,
              const Util::CountedPointer<std::vector<Vertex>>& vertices,
              const Util::CountedPointer<std::vector<TextureVertex>>& textureVertices);
    N2SrbFile(const N2SrbFile& other);
    N2SrbFile& operator=(const N2SrbFile&) = delete;

    S32 GetWorldWidth() const { return m_values.worldWidth; }
    S32 GetWorldDepth() const { return m_values.worldDepth; }
    U32 GetOriginColumn() const { return m_values.originColumn; }
    U32 GetOriginRow() const { return m_values.originRow; }
    U32 GetLastColumn() const { return m_values.lastColumn; }
    U32 GetLastRow() const { return m_values.lastRow; }

    using N2MIPSectionFile::GetPalette;
    Util::CountedPointer<Palette> GetPalette(U32) const override { return m_section->GetPalette(); }
    U8 GetTransparency() const override { return 1; }
    Vertex GetCorner(U32 i) const override;
    TextureVertex GetTextureCoord(U32 i) const override;
    // Writes the whole file from offset 0.
    void Save(Util::BinaryStream& stream) const override;
    Util::CountedPointer<SrbFile> Clone() const override;

private:
    N2SrbValues m_values;
};
} // namespace Velmo::Papy
