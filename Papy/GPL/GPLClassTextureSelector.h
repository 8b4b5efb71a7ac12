#pragma once
// Type 5, sub-type 36: a texture slot for a display class over one child.
#include "Papy/GPL/GPLMaterialNode.h"
#include "Papy/Model/DisplayClass.h"
#include "Papy/Model/ThreeDObjectClassTextureSelector.h"
#include "Util/RecordReader.h"

namespace Velmo::Papy
{
class GPLClassTextureSelector : public GPLMaterialNode<ThreeDObjectClassTextureSelector, 36>
{
public:
    // Reads the fields behind the sub-type word; childId is the record's child word.
    GPLClassTextureSelector(GPLTdoFile& file, int id, U32 childId, Util::RecordReader& reader)
        : GPLMaterialNode(file, id, childId, reader)
    {
    }

    U32 GetTextureSlot() const override { return m_record.TextureSlot; }
    DisplayClass GetClass() const override { return Class(); }
};
} // namespace Velmo::Papy
