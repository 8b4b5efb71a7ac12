#pragma once
// What the ten type-5 nodes share: their record (GPLMaterialRecord), the type text, the
// writing and the one child. The answers of the fields a sub-type has are here once; each
// node class names the ones of its kind.
#include <string>

#include "Papy/GPL/GPLChildReferences.h"
#include "Papy/GPL/GPLMaterialRecord.h"
#include "Papy/GPL/GPLNode.h"
#include "Papy/Model/Colour.h"
#include "Papy/Model/DisplayClass.h"
#include "Util/RecordReader.h"

namespace Velmo::Papy
{
template <class Kind, U32 SubType>
class GPLMaterialNode : public GPLNode<Kind>, public GPLChildReferences
{
public:
    void AppendChildIds(std::vector<U32>& ids) const override { ids.push_back(m_record.ChildId); }

    std::string GetType() const override { return m_record.GetTypeText(); }

    void Write(Util::BinaryStream& stream, U32 offset) override
    {
        this->SetFileOffset(offset);
        m_record.Write(this->GetFile(), stream);
    }

    Util::CountedPointer<ThreeDObject> GetChild() const override { return this->Child(m_record.ChildId); }

protected:
    // Reads the fields behind the sub-type word; the decoder hands over the child word.
    GPLMaterialNode(GPLTdoFile& file, int id, U32 childId, Util::RecordReader& reader)
        : GPLNode<Kind>(file, id, U32(id)), m_record(SubType, childId, reader)
    {
    }
    GPLMaterialNode(GPLTdoFile& file, int id, U32 childId) : GPLNode<Kind>(file, id, 0), m_record(SubType, childId) {}

    // The class number mapped by the file at each call (Strict decides about unknown numbers).
    DisplayClass Class() const { return this->GetFile().GetDisplayClass(int(m_record.Class)); }
    double Shininess() const { return double(m_record.Shininess); }
    Colour SpecularShade() const
    {
        float s = m_record.GetSpecularShade();
        return Colour(s, s, s, 1.0f);
    }
    std::string TextureName() const { return this->GetFile().GetString(m_record.TextureName); }
    void SetTexture(const std::string& name) { m_record.TextureName = this->GetFile().AddString(name); }
    // The value constructors' material: shininess rounded, the shade the grey of the colour.
    void SetMaterial(double shininess, double red, double green, double blue)
    {
        m_record.Shininess = GPLMaterialRecord::ShininessFromDouble(shininess);
        m_record.SpecularShadeBits = GPLMaterialRecord::ShadeFromColour(red, green, blue);
    }

    GPLMaterialRecord m_record;
};
} // namespace Velmo::Papy
