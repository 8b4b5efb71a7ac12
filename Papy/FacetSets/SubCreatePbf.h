#pragma once
// CreatePbf of a folder known only to its parent's DAT: the parent's facet with the folder
// name and a backslash in front of the name, every other argument unchanged.
#include <string>
#include <utility>

#include "Papy/Factory/CreateFacets.h"

namespace Velmo::Papy
{
class SubCreatePbf : public CreatePbf
{
public:
    SubCreatePbf(const Util::CountedPointer<CreatePbf>& parent, std::string prefix)
        : m_parent(parent), m_prefix(std::move(prefix))
    {
    }

    void Create(Util::CountedPointer<PbfFile>& object, const std::string& name, U32 height, U32 width,
                U32 redBits, U32 greenBits, U32 blueBits, U32 alphaBits, U32 transparency, bool paletted,
                U32 paletteColourCount, std::string& extension) override
    {
        m_parent->Create(object, m_prefix + name, height, width, redBits, greenBits, blueBits, alphaBits,
                         transparency, paletted, paletteColourCount, extension);
    }

private:
    Util::CountedPointer<CreatePbf> m_parent;
    std::string m_prefix;
};
} // namespace Velmo::Papy
