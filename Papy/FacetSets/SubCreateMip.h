#pragma once
// CreateMip of a folder known only to its parent's DAT: the parent's facet with the folder
// name and a backslash in front of the name, every other argument unchanged.
#include <string>
#include <utility>

#include "Papy/Factory/CreateFacets.h"

namespace Velmo::Papy
{
class SubCreateMip : public CreateMip
{
public:
    SubCreateMip(const Util::CountedPointer<CreateMip>& parent, std::string prefix)
        : m_parent(parent), m_prefix(std::move(prefix))
    {
    }

    void Create(Util::CountedPointer<MipFile>& object, const std::string& name, U32 height, U32 width,
                U32 redBits, U32 greenBits, U32 blueBits, U32 alphaBits, U32 transparency, bool paletted,
                U32 paletteColourCount, bool individualPalettes, bool repeatsHorizontally, bool repeatsVertically,
                bool selfObscuring, bool automaticLevelCount, U32 levelCount, std::string& extension) override
    {
        m_parent->Create(object, m_prefix + name, height, width, redBits, greenBits, blueBits, alphaBits,
                         transparency, paletted, paletteColourCount, individualPalettes, repeatsHorizontally,
                         repeatsVertically, selfObscuring, automaticLevelCount, levelCount, extension);
    }

private:
    Util::CountedPointer<CreateMip> m_parent;
    std::string m_prefix;
};
} // namespace Velmo::Papy
