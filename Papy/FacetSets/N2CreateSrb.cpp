#include "Papy/FacetSets/N2CreateSrb.h"

#include "Papy/FacetSets/LevelCount.h"
#include "Util/Exception.h"
#include "Util/FileSystem.h"

namespace Velmo::Papy
{
void N2CreateSrb::Create(Util::CountedPointer<SrbFile>&, const std::string& name, U32 height, U32 width, U32, U32,
                         U32, U32, U32, bool, U32, bool, bool automaticLevelCount, U32 levelCount,
                         const Util::CountedPointer<std::vector<Vertex>>&,
                         const Util::CountedPointer<std::vector<TextureVertex>>&, std::string& extension)
{
    extension = "srb";
    LevelCount::N2(height, width, automaticLevelCount, levelCount);
    throw Util::XUsage(m_directory.GetPath() + Util::ToLower(name) + ".srb: N2 srb files cannot be made yet");
}
} // namespace Velmo::Papy
