#include "Papy/N2/N2Root.h"

#include <utility>

#include "Papy/N2/N2TdoFile.h"
#include "Util/Exception.h"

namespace Velmo::Papy
{
N2Root::N2Root(N2TdoFile& file, int id, std::vector<int> children)
    : m_file(&file), m_children(std::move(children)), m_id(id)
{
}

Util::CountedPointer<ThreeDObject> N2Root::GetChild(int i) const
{
    VELMO_ASSERT(i >= 0 && i < GetChildCount());
    return m_file->GetSubObject(m_children[std::size_t(i)]);
}

void N2Root::AppendChildIds(std::vector<U32>& ids) const
{
    for (int id : m_children)
        ids.push_back(U32(id));
}

U64 N2Root::GetFileOffset() const
{
    Util::ThrowAssertion("false", VELMO_SOURCE_UNIT, __LINE__);
}
} // namespace Velmo::Papy
