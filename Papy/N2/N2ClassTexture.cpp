#include "Papy/N2/N2ClassTexture.h"

namespace Velmo::Papy
{
N2ClassTexture::N2ClassTexture(N2TdoFile& file, Util::RecordReader& reader, int id, int childId)
    : N2MaterialNode(file, id, childId)
{
    S32 words[2];
    reader.ReadArray(words, 2);
    m_nameOffset = words[0];
    m_class = words[1];
}

DisplayClass N2ClassTexture::GetClass() const
{
    return DisplayClass(GetFile().GetDisplayClass(m_class));
}

std::string N2ClassTexture::GetTextureName() const
{
    return GetFile().GetString(U32(m_nameOffset));
}

void N2ClassTexture::SetTextureName(const std::string&)
{
    Util::ThrowAssertion("false", VELMO_SOURCE_UNIT, __LINE__);
}
} // namespace Velmo::Papy
