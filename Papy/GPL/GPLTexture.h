#pragma once
// Type 5, sub-type 1: a texture (a name in the string table) over one child.
#include <string>

#include "Papy/GPL/GPLMaterialNode.h"
#include "Papy/Model/ThreeDObjectTexture.h"
#include "Util/RecordReader.h"

namespace Velmo::Papy
{
class GPLTexture : public GPLMaterialNode<ThreeDObjectTexture, 1>
{
public:
    // Reads the fields behind the sub-type word; childId is the record's child word.
    GPLTexture(GPLTdoFile& file, int id, U32 childId, Util::RecordReader& reader)
        : GPLMaterialNode(file, id, childId, reader)
    {
    }
    GPLTexture(GPLTdoFile& file, int id, U32 childId, U32 textureName)
        : GPLMaterialNode(file, id, childId)
    {
        m_record.TextureName = textureName;
    }

    std::string GetTextureName() const override { return TextureName(); }
    // The name is entered into the file's string table (an equal string is reused).
    void SetTextureName(const std::string& name) override { SetTexture(name); }
};
} // namespace Velmo::Papy
