#include "Papy/N2/N2Texture.h"

namespace Velmo::Papy
{
N2Texture::N2Texture(N2TdoFile& file, Util::RecordReader& reader, int id, int childId)
    : N2MaterialNode(file, id, childId), m_nameOffset(reader.ReadS32())
{
}

std::string N2Texture::GetTextureName() const
{
    return GetFile().GetString(U32(m_nameOffset));
}

void N2Texture::SetTextureName(const std::string&)
{
    Util::ThrowAssertion("false", VELMO_SOURCE_UNIT, __LINE__);
}
} // namespace Velmo::Papy
