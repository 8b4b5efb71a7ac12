#pragma once
// Type 5, sub-kind 5: a texture named by a STRN string and a display class over its child.
#include "Papy/Model/ThreeDObjectClassTexture.h"
#include "Papy/N2/N2MaterialNode.h"

namespace Velmo::Papy
{
class N2ClassTexture : public N2MaterialNode<ThreeDObjectClassTexture, 5>
{
public:
    N2ClassTexture(N2TdoFile& file, Util::RecordReader& reader, int id, int childId);

    DisplayClass GetClass() const override;
    std::string GetTextureName() const override;
    // Fails the assertion "false": the name cannot be changed.
    void SetTextureName(const std::string& name) override;

private:
    void WriteRest(N2Record::Writer& record) const override { record.Word(m_nameOffset).Word(m_class); }

    S32 m_nameOffset;
    S32 m_class;
};
} // namespace Velmo::Papy
