#pragma once
// Makes a new N2 texture: a paletted request gives an N2 MIP (extension "mip") coloured by
// the folder's palette, any other a GPL MIP (extension "m16", candidate formats 0 to 5). The
// file is filed in the MakeMip facet's cache under the lower-cased name.
#include "Papy/Container/PapyDirectory.h"
#include "Papy/Factory/CreateFacets.h"
#include "Papy/Factory/MakeFacets.h"

namespace Velmo::Papy
{
class FileFactoryRegistry;

class N2CreateMip : public CreateMip
{
public:
    N2CreateMip(const PapyDirectory& directory, const Util::CountedPointer<MakeMip>& makeMip,
                FileFactoryRegistry& registry)
        : m_directory(directory), m_registry(&registry), m_makeMip(makeMip)
    {
    }

    void Create(Util::CountedPointer<MipFile>& object, const std::string& name, U32 height, U32 width, U32 redBits,
                U32 greenBits, U32 blueBits, U32 alphaBits, U32 transparency, bool paletted,
                U32 paletteColourCount, bool individualPalettes, bool repeatsHorizontally, bool repeatsVertically,
                bool selfObscuring, bool automaticLevelCount, U32 levelCount, std::string& extension) override;

private:
    PapyDirectory m_directory;
    FileFactoryRegistry* m_registry;
    Util::CountedPointer<MakeMip> m_makeMip;
};
} // namespace Velmo::Papy
