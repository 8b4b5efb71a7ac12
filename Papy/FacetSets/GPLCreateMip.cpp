#include "Papy/FacetSets/GPLCreateMip.h"

#include "Papy/Bitmap/GPLMipFile.h"
#include "Papy/FacetSets/LevelCount.h"
#include "Util/FileSystem.h"

namespace Velmo::Papy
{
void GPLCreateMip::Create(Util::CountedPointer<MipFile>& object, const std::string& name, U32 height, U32 width,
                          U32 redBits, U32 greenBits, U32 blueBits, U32 alphaBits, U32 transparency, bool paletted,
                          U32 paletteColourCount, bool individualPalettes, bool repeatsHorizontally,
                          bool repeatsVertically, bool, bool automaticLevelCount, U32 levelCount,
                          std::string& extension)
{
    extension = "mip";
    const U32 levels = LevelCount::GPL(height, width, automaticLevelCount, levelCount);
    Util::CountedPointer<MipFile> mip(new GPLMipFile(height, width, U8(redBits), U8(greenBits), U8(blueBits),
                                                     U8(alphaBits), U8(transparency), paletted, paletteColourCount,
                                                     individualPalettes, repeatsHorizontally, repeatsVertically,
                                                     levels, 0, 6, 0));
    m_makeMip->Adopt(mip, Util::ToLower(name), extension);
    object = mip;
}
} // namespace Velmo::Papy
