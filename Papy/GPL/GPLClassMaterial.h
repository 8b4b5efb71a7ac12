#pragma once
// Type 5, sub-type 12: a material for a display class over one child.
#include "Papy/GPL/GPLMaterialNode.h"
#include "Papy/Model/Colour.h"
#include "Papy/Model/DisplayClass.h"
#include "Papy/Model/ThreeDObjectClassMaterial.h"
#include "Util/RecordReader.h"

namespace Velmo::Papy
{
class GPLClassMaterial : public GPLMaterialNode<ThreeDObjectClassMaterial, 12>
{
public:
    // Reads the fields behind the sub-type word; childId is the record's child word.
    GPLClassMaterial(GPLTdoFile& file, int id, U32 childId, Util::RecordReader& reader)
        : GPLMaterialNode(file, id, childId, reader)
    {
    }
    // The specular colour is given by its components (alpha has no part in the grey level).
    GPLClassMaterial(GPLTdoFile& file, int id, U32 classNumber, double shininess, double red,
                     double green, double blue, U32 childId)
        : GPLMaterialNode(file, id, childId)
    {
        m_record.Class = classNumber;
        SetMaterial(shininess, red, green, blue);
    }

    DisplayClass GetClass() const override { return Class(); }
    double GetShininess() const override { return Shininess(); }
    // (s, s, s, 1) for the stored grey level s.
    Colour GetSpecularShade() const override { return SpecularShade(); }
};
} // namespace Velmo::Papy
