#pragma once
// A GPL scaled bitmap (.srb): an "SRB " chunk holding two header chunks ("SRHD": six scale
// values, "SRH2": nine unknown values), followed by a GPL MIP chunk.
//
// Scale values: s0 world width along x, s1 world depth along z, s2 and s3 the used texture
// width and height in pixels, s4 and s5 the pixel position of the origin across and down.
#include <vector>

#include "Papy/Bitmap/BitmapHeaders.h"
#include "Papy/Bitmap/GPLMIPSection.h"
#include "Papy/Bitmap/GPLMIPSectionFile.h"
#include "Papy/Bitmap/SrbFile.h"

namespace Velmo::Papy
{
class GPLSrbFile : public GPLMIPSectionFile<SrbFile>
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

    float GetScale(U32 i) const { return m_scales.scale.at(i); }

    Vertex GetCorner(U32 i) const override;
    TextureVertex GetTextureCoord(U32 i) const override;
    U32 GetUnknownIntCount() const override { return UnknownCount; }
    U32 GetUnknownInt(U32 i) const override;
    // Writes the whole file from offset 0.
    void Save(Util::BinaryStream& stream) const override;
    Util::CountedPointer<SrbFile> Clone() const override;

    static constexpr U32 UnknownCount = GPLSrbValues::Count;

private:
    GPLSrbScales m_scales;
    GPLSrbValues m_values;
};
} // namespace Velmo::Papy
