#include "Papy/GPL/GPLRoot.h"

#include "Papy/GPL/GPLTdoFile.h"
#include "Util/Exception.h"

namespace Velmo::Papy
{
Util::CountedPointer<ThreeDObject> GPLRoot::GetChild(int i) const
{
    VELMO_ASSERT(i >= 0 && i < GetChildCount());
    return m_file->GetSubObject(m_children[i]);
}

U64 GPLRoot::GetFileOffset() const
{
    VELMO_ASSERT_TEXT(false, "false");
    return 0;
}
} // namespace Velmo::Papy
