#include "Papy/GPL/GPLTdoReSave.h"

#include "Papy/Model/ThreeDObjectObjectLocator.h"

namespace Velmo::Papy
{
GPLTdoReSave::GPLTdoReSave(const Util::CountedPointer<Util::BinaryStream>& stream, U32 base)
    : m_stream(stream), m_base(base)
{
}

bool GPLTdoReSave::Enter(ThreeDObject&)
{
    return false;
}

void GPLTdoReSave::LeaveObjectLocator(ThreeDObjectObjectLocator& node)
{
    U32 offset = U32(node.GetFileOffset());
    m_stream->Seek(U64(m_base) + offset);
    node.ClearFileOffset();
    node.Write(*m_stream, offset);
}
} // namespace Velmo::Papy
