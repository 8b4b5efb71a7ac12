#include "Papy/FacetSets/N2CreateSrb.h"

#include "Papy/Bitmap/N2SrbFile.h"
#include "Papy/FacetSets/LevelCount.h"
#include "Papy/FacetSets/N2PaletteServer.h"
#include "Util/FileSystem.h"

namespace Velmo::Papy
{
void N2CreateSrb::Create(Util::CountedPointer<SrbFile>& object, const std::string& name, U32 height, U32 width, U32,
                         U32, U32, U32, U32, bool, U32, bool, bool automaticLevelCount, U32 levelCount,
                         const Util::CountedPointer<std::vector<Vertex>>& vertices,
                         const Util::CountedPointer<std::vector<TextureVertex>>& textureVertices,
                         std::string& extension)
{
    extension = "srb";
    const U32 levels = LevelCount::N2(height, width, automaticLevelCount, levelCount);
    Util::CountedPointer<SrbFile> srb(new N2SrbFile(N2FolderPalette(m_directory, m_registry), height, width, levels,
                                                    vertices, textureVertices));
    m_makeSrb->Adopt(srb, Util::ToLower(name), extension);
    object = srb;
}
} // namespace Velmo::Papy
