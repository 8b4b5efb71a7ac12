#include "Papy/FacetSets/N4CreateMip.h"

#include "Papy/Bitmap/N4MipFile.h"
#include "Papy/FacetSets/LevelCount.h"
#include "Util/FileSystem.h"

namespace Velmo::Papy
{
void N4CreateMip::Create(Util::CountedPointer<MipFile>& object, const std::string& name, U32 height, U32 width,
                         U32 redBits, U32 greenBits, U32 blueBits, U32 alphaBits, U32 transparency, bool, U32, bool,
                         bool repeatsHorizontally, bool repeatsVertically, bool selfObscuring,
                         bool automaticLevelCount, U32 levelCount, std::string& extension)
{
    extension = "mip";
    const U32 levels = LevelCount::N4(height, width, automaticLevelCount, levelCount);
    Util::CountedPointer<MipFile> mip(new N4MipFile(height, width, U8(redBits), U8(greenBits), U8(blueBits),
                                                    U8(alphaBits), U8(transparency), repeatsHorizontally,
                                                    repeatsVertically, selfObscuring, levels, 3, 6, 1));
    m_makeMip->Adopt(mip, Util::ToLower(name), extension);
    object = mip;
}
} // namespace Velmo::Papy
