#pragma once
// Type 5, sub-type 8: a material (shininess and a grey specular shade) over one child.
#include "Papy/GPL/GPLMaterialNode.h"
#include "Papy/Model/Colour.h"
#include "Papy/Model/ThreeDObjectMaterial.h"
#include "Util/RecordReader.h"

namespace Velmo::Papy
{
class GPLMaterial : public GPLMaterialNode<ThreeDObjectMaterial, 8>
{
public:
    // Reads the fields behind the sub-type word; childId is the record's child word.
    GPLMaterial(GPLTdoFile& file, int id, U32 childId, Util::RecordReader& reader)
        : GPLMaterialNode(file, id, childId, reader)
    {
    }

    double GetShininess() const override { return Shininess(); }
    // (s, s, s, 1) for the stored grey level s.
    Colour GetSpecularShade() const override { return SpecularShade(); }
};
} // namespace Velmo::Papy
