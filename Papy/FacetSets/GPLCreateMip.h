#pragma once
// Makes a new GPL MIP (extension "mip"; candidate formats 0 to 5, header version 0) and files
// it in the MakeMip facet's cache under the lower-cased name.
#include "Papy/Factory/CreateFacets.h"
#include "Papy/Factory/MakeFacets.h"

namespace Velmo::Papy
{
class GPLCreateMip : public CreateMip
{
public:
    explicit GPLCreateMip(const Util::CountedPointer<MakeMip>& makeMip) : m_makeMip(makeMip) {}

    void Create(Util::CountedPointer<MipFile>& object, const std::string& name, U32 height, U32 width, U32 redBits,
                U32 greenBits, U32 blueBits, U32 alphaBits, U32 transparency, bool paletted,
                U32 paletteColourCount, bool individualPalettes, bool repeatsHorizontally, bool repeatsVertically,
                bool selfObscuring, bool automaticLevelCount, U32 levelCount, std::string& extension) override;

private:
    Util::CountedPointer<MakeMip> m_makeMip;
};
} // namespace Velmo::Papy
