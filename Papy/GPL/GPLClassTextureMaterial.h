#pragma once
// Type 5, sub-type 13: a texture and a material for a display class over one child.
#include <string>

#include "Papy/GPL/GPLMaterialNode.h"
#include "Papy/Model/Colour.h"
#include "Papy/Model/DisplayClass.h"
#include "Papy/Model/ThreeDObjectClassTextureMaterial.h"
#include "Util/RecordReader.h"

namespace Velmo::Papy
{
class GPLClassTextureMaterial : public GPLMaterialNode<ThreeDObjectClassTextureMaterial, 13>
{
public:
    // Reads the fields behind the sub-type word; childId is the record's child word.
    GPLClassTextureMaterial(GPLTdoFile& file, int id, U32 childId, Util::RecordReader& reader)
        : GPLMaterialNode(file, id, childId, reader)
    {
    }
    // The specular colour is given by its components (alpha has no part in the grey level).
    GPLClassTextureMaterial(GPLTdoFile& file, int id, U32 classNumber, U32 textureName, double shininess,
                            double red, double green, double blue, U32 childId)
        : GPLMaterialNode(file, id, childId)
    {
        m_record.Class = classNumber;
        m_record.TextureName = textureName;
        SetMaterial(shininess, red, green, blue);
    }

    DisplayClass GetClass() const override { return Class(); }
    double GetShininess() const override { return Shininess(); }
    // (s, s, s, 1) for the stored grey level s.
    Colour GetSpecularShade() const override { return SpecularShade(); }
    std::string GetTextureName() const override { return TextureName(); }
    // The name is entered into the file's string table (an equal string is reused).
    void SetTextureName(const std::string& name) override { SetTexture(name); }
};
} // namespace Velmo::Papy
