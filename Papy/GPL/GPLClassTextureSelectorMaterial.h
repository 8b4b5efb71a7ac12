#pragma once
// Type 5, sub-type 44: a texture slot and a material for a display class over one child.
#include "Papy/GPL/GPLMaterialNode.h"
#include "Papy/Model/Colour.h"
#include "Papy/Model/DisplayClass.h"
#include "Papy/Model/ThreeDObjectClassTextureSelectorMaterial.h"
#include "Util/RecordReader.h"

namespace Velmo::Papy
{
class GPLClassTextureSelectorMaterial : public GPLMaterialNode<ThreeDObjectClassTextureSelectorMaterial, 44>
{
public:
    // Reads the fields behind the sub-type word; childId is the record's child word.
    GPLClassTextureSelectorMaterial(GPLTdoFile& file, int id, U32 childId, Util::RecordReader& reader)
        : GPLMaterialNode(file, id, childId, reader)
    {
    }

    DisplayClass GetClass() const override { return Class(); }
    double GetShininess() const override { return Shininess(); }
    // (s, s, s, 1) for the stored grey level s.
    Colour GetSpecularShade() const override { return SpecularShade(); }
    U32 GetTextureSlot() const override { return m_record.TextureSlot; }
};
} // namespace Velmo::Papy
