#include "Papy/GPL/GPLProxy.h"

#include "Papy/GPL/GPLTdoFile.h"

namespace Velmo::Papy
{
Util::CountedPointer<ThreeDObject> GPLProxy::GetTarget() const
{
    return m_file->GetSubObject(m_targetId);
}

Util::CountedPointer<ThreeDObject> GPLProxy::GetChild() const
{
    return m_file->GetSubObject(m_targetId);
}

U64 GPLProxy::GetFileOffset() const
{
    return m_file->GetSubObject(m_targetId)->GetFileOffset();
}
} // namespace Velmo::Papy
