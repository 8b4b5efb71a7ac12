#pragma once
// Type 5, sub-type 32: selects a texture slot over one child.
#include "Papy/GPL/GPLMaterialNode.h"
#include "Papy/Model/ThreeDObjectTextureSelector.h"
#include "Util/RecordReader.h"

namespace Velmo::Papy
{
class GPLTextureSelector : public GPLMaterialNode<ThreeDObjectTextureSelector, 32>
{
public:
    // Reads the fields behind the sub-type word; childId is the record's child word.
    GPLTextureSelector(GPLTdoFile& file, int id, U32 childId, Util::RecordReader& reader)
        : GPLMaterialNode(file, id, childId, reader)
    {
    }

    U32 GetTextureSlot() const override { return m_record.TextureSlot; }
};
} // namespace Velmo::Papy
