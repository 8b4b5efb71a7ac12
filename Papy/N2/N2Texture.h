#pragma once
// Type 5, sub-kind 1: a texture, named by a STRN string, over its child.
#include "Papy/Model/ThreeDObjectTexture.h"
#include "Papy/N2/N2MaterialNode.h"

namespace Velmo::Papy
{
class N2Texture : public N2MaterialNode<ThreeDObjectTexture, 1>
{
public:
    N2Texture(N2TdoFile& file, Util::RecordReader& reader, int id, int childId);

    std::string GetTextureName() const override;
    // Fails the assertion "false": the name cannot be changed.
    void SetTextureName(const std::string& name) override;

private:
    void WriteRest(N2Record::Writer& record) const override { record.Word(m_nameOffset); }

    S32 m_nameOffset;
};
} // namespace Velmo::Papy
