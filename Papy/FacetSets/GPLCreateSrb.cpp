#include "Papy/FacetSets/GPLCreateSrb.h"

#include "Papy/Bitmap/GPLSrbFile.h"
#include "Papy/FacetSets/LevelCount.h"
#include "Util/FileSystem.h"

namespace Velmo::Papy
{
void GPLCreateSrb::Create(Util::CountedPointer<SrbFile>& object, const std::string& name, U32 height, U32 width,
                          U32 redBits, U32 greenBits, U32 blueBits, U32 alphaBits, U32 transparency, bool paletted,
                          U32 paletteColourCount, bool individualPalettes, bool automaticLevelCount, U32 levelCount,
                          const Util::CountedPointer<std::vector<Vertex>>& vertices,
                          const Util::CountedPointer<std::vector<TextureVertex>>& textureVertices,
                          std::string& extension)
{
    extension = "srb";
    const U32 levels = LevelCount::GPL(height, width, automaticLevelCount, levelCount);
    Util::CountedPointer<SrbFile> srb(new GPLSrbFile(height, width, U8(redBits), U8(greenBits), U8(blueBits),
                                                     U8(alphaBits), U8(transparency), paletted, paletteColourCount,
                                                     individualPalettes, levels, vertices, textureVertices, 0, 6));
    m_makeSrb->Adopt(srb, Util::ToLower(name), extension);
    object = srb;
}
} // namespace Velmo::Papy
