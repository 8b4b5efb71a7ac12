#pragma once
// Type 5, sub-kind 12: a display class and a u32 value (the shininess) over its child; the
// specular shade is always white.
#include "Papy/Model/ThreeDObjectClassMaterial.h"
#include "Papy/N2/N2MaterialNode.h"

namespace Velmo::Papy
{
class N2ClassMaterial : public N2MaterialNode<ThreeDObjectClassMaterial, 12>
{
public:
    N2ClassMaterial(N2TdoFile& file, Util::RecordReader& reader, int id, int childId)
        : N2MaterialNode(file, id, childId)
    {
        S32 words[2];
        reader.ReadArray(words, 2);
        m_class = words[0];
        m_value = U32(words[1]);
    }

    DisplayClass GetClass() const override { return DisplayClass(GetFile().GetDisplayClass(m_class)); }
    double GetShininess() const override { return double(m_value); }
    Colour GetSpecularShade() const override { return Colour(1, 1, 1, 1); }

private:
    void WriteRest(N2Record::Writer& record) const override { record.Word(m_class).Word(m_value); }

    S32 m_class;
    U32 m_value;
};
} // namespace Velmo::Papy
