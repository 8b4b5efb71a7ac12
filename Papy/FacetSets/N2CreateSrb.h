#pragma once
// Makes a new N2 scaled bitmap (extension "srb", transparent, coloured by the folder's
// palette) and files it in the MakeSrb facet's cache under the lower-cased name.
#include "Papy/Container/PapyDirectory.h"
#include "Papy/Factory/CreateFacets.h"
#include "Papy/Factory/MakeFacets.h"

namespace Velmo::Papy
{
class FileFactoryRegistry;

class N2CreateSrb : public CreateSrb
{
public:
    N2CreateSrb(const PapyDirectory& directory, const Util::CountedPointer<MakeSrb>& makeSrb,
                FileFactoryRegistry& registry)
        : m_directory(directory), m_registry(&registry), m_makeSrb(makeSrb)
    {
    }

    void Create(Util::CountedPointer<SrbFile>& object, const std::string& name, U32 height, U32 width, U32 redBits,
                U32 greenBits, U32 blueBits, U32 alphaBits, U32 transparency, bool paletted,
                U32 paletteColourCount, bool individualPalettes, bool automaticLevelCount, U32 levelCount,
                const Util::CountedPointer<std::vector<Vertex>>& vertices,
                const Util::CountedPointer<std::vector<TextureVertex>>& textureVertices,
                std::string& extension) override;

private:
    PapyDirectory m_directory;
    FileFactoryRegistry* m_registry;
    Util::CountedPointer<MakeSrb> m_makeSrb;
};
} // namespace Velmo::Papy
