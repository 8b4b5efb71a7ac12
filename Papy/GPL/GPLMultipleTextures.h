#pragma once
// Type 5, sub-type 17: a list of textures (names in the string table) over one child.
#include <string>

#include "Papy/GPL/GPLMaterialNode.h"
#include "Papy/Model/ThreeDObjectMultipleTextures.h"
#include "Util/Exception.h"
#include "Util/RecordReader.h"
#include "Util/WalkMeter.h"

namespace Velmo::Papy
{
class GPLMultipleTextures : public GPLMaterialNode<ThreeDObjectMultipleTextures, 17>
{
public:
    // Reads the count and the names behind the sub-type word; childId is the record's child word.
    GPLMultipleTextures(GPLTdoFile& file, int id, U32 childId, Util::RecordReader& reader)
        : GPLMaterialNode(file, id, childId, reader)
    {
    }

    int GetTextureCount() const override { return int(m_record.TextureNames.size()); }
    // Cuts the list, or fills it up with the empty string.
    void SetTextureCount(int count) override
    {
        std::size_t n = count < 0 ? 0 : std::size_t(count);
        if (n <= m_record.TextureNames.size())
            m_record.TextureNames.resize(n);
        else
        {
            U32 empty = GetFile().AddString("");
            m_record.TextureNames.resize(n, empty);
        }
    }
    std::string GetTextureName(int i) const override { return GetFile().GetString(m_record.TextureNames[Name(i)]); }
    void SetTextureName(int i, const std::string& name) override
    {
        m_record.TextureNames[Name(i)] = GetFile().AddString(name);
    }

private:
    // A name index checked against the count; every read of a name is a step of the walk meter.
    std::size_t Name(int i) const
    {
        Util::WalkMeter::Tick();
        VELMO_ASSERT(i >= 0 && i < GetTextureCount());
        return std::size_t(i);
    }
};
} // namespace Velmo::Papy
