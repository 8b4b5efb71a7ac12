#include "Papy/FacetSets/N4CreateMip.h"

#include "Papy/FacetSets/LevelCount.h"
#include "Util/Exception.h"
#include "Util/FileSystem.h"

namespace Velmo::Papy
{
void N4CreateMip::Create(Util::CountedPointer<MipFile>&, const std::string& name, U32 height, U32 width, U32, U32,
                         U32, U32, U32, bool, U32, bool, bool, bool, bool, bool automaticLevelCount,
                         U32 levelCount, std::string& extension)
{
    extension = "mip";
    LevelCount::N4(height, width, automaticLevelCount, levelCount);
    throw Util::XUsage(Util::ToLower(name) + ".mip: N4 mip files cannot be made yet");
}
} // namespace Velmo::Papy
