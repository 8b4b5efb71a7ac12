#pragma once
// Makes a new GPL PBF (extension "pbf") and files it in the MakePbf facet's cache under the
// lower-cased name. The new file's section has no size until a bitmap is copied into it
// (CopyFrom): the GPL PBF builder takes no height or width.
#include "Papy/Factory/CreateFacets.h"
#include "Papy/Factory/MakeFacets.h"

namespace Velmo::Papy
{
class GPLCreatePbf : public CreatePbf
{
public:
    explicit GPLCreatePbf(const Util::CountedPointer<MakePbf>& makePbf) : m_makePbf(makePbf) {}

    void Create(Util::CountedPointer<PbfFile>& object, const std::string& name, U32 height, U32 width, U32 redBits,
                U32 greenBits, U32 blueBits, U32 alphaBits, U32 transparency, bool paletted,
                U32 paletteColourCount, std::string& extension) override;

private:
    Util::CountedPointer<MakePbf> m_makePbf;
};
} // namespace Velmo::Papy
