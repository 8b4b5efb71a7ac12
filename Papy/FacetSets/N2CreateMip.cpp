#include "Papy/FacetSets/N2CreateMip.h"

#include "Papy/Bitmap/GPLMipFile.h"
#include "Papy/Bitmap/N2MipFile.h"
#include "Papy/FacetSets/LevelCount.h"
#include "Papy/FacetSets/N2PaletteServer.h"
#include "Util/FileSystem.h"

namespace Velmo::Papy
{
void N2CreateMip::Create(Util::CountedPointer<MipFile>& object, const std::string& name, U32 height, U32 width,
                         U32 redBits, U32 greenBits, U32 blueBits, U32 alphaBits, U32 transparency, bool paletted,
                         U32 paletteColourCount, bool individualPalettes, bool repeatsHorizontally,
                         bool repeatsVertically, bool, bool automaticLevelCount, U32 levelCount,
                         std::string& extension)
{
    Util::CountedPointer<MipFile> mip;
    if (paletted)
    {
        // Colours of the folder's palette; transparency class 0 is opaque.
        extension = "mip";
        const U32 levels = LevelCount::N2(height, width, automaticLevelCount, levelCount);
        mip = Util::CountedPointer<MipFile>(
            new N2MipFile(N2FolderPalette(m_directory, m_registry), height, width, transparency != 0, levels));
    }
    else
    {
        extension = "m16";
        const U32 levels = LevelCount::GPL(height, width, automaticLevelCount, levelCount);
        mip = Util::CountedPointer<MipFile>(new GPLMipFile(
            height, width, U8(redBits), U8(greenBits), U8(blueBits), U8(alphaBits), U8(transparency), paletted,
            paletteColourCount, individualPalettes, repeatsHorizontally, repeatsVertically, levels, 0, 6, 0));
    }
    m_makeMip->Adopt(mip, Util::ToLower(name), extension);
    object = mip;
}
} // namespace Velmo::Papy
