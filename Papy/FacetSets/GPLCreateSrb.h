#pragma once
// Makes a new GPL SRB (extension "srb"; candidate formats 0 to 5) and files it in the MakeSrb
// facet's cache under the lower-cased name.
#include "Papy/Factory/CreateFacets.h"
#include "Papy/Factory/MakeFacets.h"

namespace Velmo::Papy
{
class GPLCreateSrb : public CreateSrb
{
public:
    explicit GPLCreateSrb(const Util::CountedPointer<MakeSrb>& makeSrb) : m_makeSrb(makeSrb) {}

    void Create(Util::CountedPointer<SrbFile>& object, const std::string& name, U32 height, U32 width, U32 redBits,
                U32 greenBits, U32 blueBits, U32 alphaBits, U32 transparency, bool paletted,
                U32 paletteColourCount, bool individualPalettes, bool automaticLevelCount, U32 levelCount,
                const Util::CountedPointer<std::vector<Vertex>>& vertices,
                const Util::CountedPointer<std::vector<TextureVertex>>& textureVertices,
                std::string& extension) override;

private:
    Util::CountedPointer<MakeSrb> m_makeSrb;
};
} // namespace Velmo::Papy
