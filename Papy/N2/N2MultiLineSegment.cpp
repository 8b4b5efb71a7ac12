#include "Papy/N2/N2MultiLineSegment.h"

#include "Papy/N2/N2TdoFile.h"
#include "Util/Exception.h"

namespace Velmo::Papy
{
Vertex N2MultiLineSegment::GetFromVertex() const
{
    return m_file->GetVertex(U32(m_from));
}

Vertex N2MultiLineSegment::GetToVertex() const
{
    return m_file->GetVertex(U32(m_to));
}

Colour N2MultiLineSegment::GetColour() const
{
    return m_file->GetColour(U32(m_colourIndex));
}

U64 N2MultiLineSegment::GetFileOffset() const
{
    Util::ThrowAssertion("false", VELMO_SOURCE_UNIT, __LINE__);
}
} // namespace Velmo::Papy
