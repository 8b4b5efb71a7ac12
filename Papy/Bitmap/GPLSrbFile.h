#pragma once
// A GPL scaled bitmap (.srb): an "SRB " chunk holding two header chunks ("SRHD": six scale
// values, "SRH2": nine unknown values), followed by a GPL MIP chunk.
//
// Scale values: s0 world width along x, s1 world depth along z, s2 and s3 the used texture
// width and height in pixels, s4 and s5 the pixel position of the origin across and down.
#include <array>
#include <vector>

#include "Papy/Bitmap/GPLMIPSection.h"
#include "Papy/Bitmap/SrbFile.h"

namespace Velmo::Papy
{
class GPLSrbFile : public SrbFile
{
public:
    // Reads the file from offset 0. With the strict switch on when the read starts, a MIP
    // that repeats in either direction is refused.
    explicit GPLSrbFile(Util::BinaryStream& stream);
    // A new scaled bitmap over the rectangle of vertices 0 and 2 (x and z) and texture
    // vertex 2; the MIP does not repeat and has header version 0.
    GPLSrbFile(U32 height, U32 width, U8 redBits, U8 greenBits, U8 blueBits, U8 alphaBits, U8 transparency,
               bool paletted, U32 paletteSize, bool individualPalettes, U32 levelCount,
               const Util::CountedPointer<std::vector<Vertex>>& vertices,
               const Util::CountedPointer<std::vector<TextureVertex>>& textureVertices, U32 firstFormat,
               U32 formatCount);
    GPLSrbFile(const GPLSrbFile& other);
    GPLSrbFile& operator=(const GPLSrbFile&) = delete;

    const Util::CountedPointer<GPLMIPSection>& GetSection() const { return m_section; }
    float GetScale(U32 i) const { return m_scale.at(i); }

    U32 GetBitmapCount() const override { return m_section->GetLevelCount(); }
    Util::CountedPointer<Bitmap> GetBitmap(U32 level) const override { return m_section->GetLevel(level); }
    U32 GetWidth() const override { return m_section->GetWidth(); }
    U32 GetHeight() const override { return m_section->GetHeight(); }
    bool IsPaletted() const override { return m_section->IsPaletted(); }
    bool HasIndividualPalettes() const override { return m_section->HasIndividualPalettes(); }
    Util::CountedPointer<Palette> GetPalette(U32 level) const override { return m_section->GetPalette(level); }
    Util::CountedPointer<Palette> GetPalette() const override { return m_section->GetPalette(); }
    Colour GetHeaderColour() const override { return m_section->GetHeaderColour(); }
    U8 GetRedBits() const override { return m_section->GetRedBits(); }
    U8 GetGreenBits() const override { return m_section->GetGreenBits(); }
    U8 GetBlueBits() const override { return m_section->GetBlueBits(); }
    U8 GetAlphaBits() const override { return m_section->GetAlphaBits(); }
    U8 GetTransparency() const override { return m_section->GetTransparency(); }
    Vertex GetCorner(U32 i) const override;
    TextureVertex GetTextureCoord(U32 i) const override;
    U32 GetUnknownIntCount() const override { return UnknownCount; }
    U32 GetUnknownInt(U32 i) const override;
    // Writes the whole file from offset 0.
    void Save(Util::BinaryStream& stream) const override;
    Util::CountedPointer<SrbFile> Clone() const override;

    static constexpr U32 UnknownCount = 9;

private:
    Util::CountedPointer<GPLMIPSection> m_section;
    std::array<float, 6> m_scale{};
    std::array<U32, UnknownCount> m_unknown{};
};
} // namespace Velmo::Papy
