#pragma once
// Type 5, sub-type 5: a texture for a display class over one child.
#include <string>

#include "Papy/GPL/GPLMaterialNode.h"
#include "Papy/Model/DisplayClass.h"
#include "Papy/Model/ThreeDObjectClassTexture.h"
#include "Util/RecordReader.h"

namespace Velmo::Papy
{
class GPLClassTexture : public GPLMaterialNode<ThreeDObjectClassTexture, 5>
{
public:
    // Reads the fields behind the sub-type word; childId is the record's child word.
    GPLClassTexture(GPLTdoFile& file, int id, U32 childId, Util::RecordReader& reader)
        : GPLMaterialNode(file, id, childId, reader)
    {
    }
    GPLClassTexture(GPLTdoFile& file, int id, U32 classNumber, U32 textureName, U32 childId)
        : GPLMaterialNode(file, id, childId)
    {
        m_record.Class = classNumber;
        m_record.TextureName = textureName;
    }

    DisplayClass GetClass() const override { return Class(); }
    std::string GetTextureName() const override { return TextureName(); }
    // The name is entered into the file's string table (an equal string is reused).
    void SetTextureName(const std::string& name) override { SetTexture(name); }
};
} // namespace Velmo::Papy
