#include "Papy/GPL/GPLObjectLocatorList.h"

#include "Papy/GPL/GPLRecord.h"
#include "Util/Exception.h"

namespace Velmo::Papy
{
GPLObjectLocatorList::GPLObjectLocatorList(GPLTdoFile& file, ThreeDObjectObjectList& list)
    : GPLNode(file, list.GetId(), U32(list.GetFileOffset()))
{
    const int count = list.GetChildCount();
    if (count < 2)
        throw Util::XFileFormat("", "GPL 3DO ObjectLocatorList count less than 2");
    if (list.GetChild(count - 1)->GetId() != -1)
        throw Util::XFileFormat("", "GPL 3DO ObjectLocatorList last object not -1");
    m_childIds.reserve(count - 1);
    for (int i = 0; i < count - 1; ++i)
        m_childIds.push_back(U32(list.GetChild(i)->GetId()));
}

GPLObjectLocatorList::GPLObjectLocatorList(GPLTdoFile& file, int id, std::vector<U32> childIds)
    : GPLNode(file, id, 0), m_childIds(std::move(childIds))
{
}

int GPLObjectLocatorList::GetChildCount() const
{
    return int(m_childIds.size());
}

Util::CountedPointer<ThreeDObject> GPLObjectLocatorList::GetChild(int i) const
{
    VELMO_ASSERT(i >= 0 && i < GetChildCount());
    return Child(m_childIds[i]);
}

void GPLObjectLocatorList::AddChild(const Util::CountedPointer<ThreeDObject>& child)
{
    m_childIds.push_back(U32(child->GetId()));
}

void GPLObjectLocatorList::Write(Util::BinaryStream& stream, U32 offset)
{
    SetFileOffset(offset);
    GPLRecord::Writer record(12 + 4 * m_childIds.size());
    record.U32(4).U32(U32(m_childIds.size() + 1));
    for (U32 child : m_childIds)
        record.U32(OffsetOf(child));
    record.U32(0xFFFFFFFF);
    record.WriteTo(stream);
}
} // namespace Velmo::Papy
