#pragma once
// Makes a new N4 STP (extension "stp") and files it in the MakePbf facet's cache under the
// lower-cased name.
#include "Papy/Factory/CreateFacets.h"
#include "Papy/Factory/MakeFacets.h"

namespace Velmo::Papy
{
class N4CreateStp : public CreatePbf
{
public:
    explicit N4CreateStp(const Util::CountedPointer<MakePbf>& makePbf) : m_makePbf(makePbf) {}

    void Create(Util::CountedPointer<PbfFile>& object, const std::string& name, U32 height, U32 width, U32 redBits,
                U32 greenBits, U32 blueBits, U32 alphaBits, U32 transparency, bool paletted,
                U32 paletteColourCount, std::string& extension) override;

private:
    Util::CountedPointer<MakePbf> m_makePbf;
};
} // namespace Velmo::Papy
