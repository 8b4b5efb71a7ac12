#include "Papy/GPL/GPLObjectList.h"

#include "Papy/GPL/GPLRecord.h"
#include "Util/Exception.h"

namespace Velmo::Papy
{
GPLObjectList::GPLObjectList(GPLTdoFile& file, int id, Util::RecordReader& reader) : GPLNode(file, id, U32(id))
{
    U32 count = reader.ReadCount(4);
    m_childIds.resize(count);
    reader.ReadArray(m_childIds.data(), count);
    for (U32 child : m_childIds)
        if (child == U32(id))
            throw Util::XFileFormat(reader.GetName(), "GPL 3do Object List self reference");
}

GPLObjectList::GPLObjectList(GPLTdoFile& file, int id, std::vector<U32> childIds)
    : GPLNode(file, id, 0), m_childIds(std::move(childIds))
{
}

int GPLObjectList::GetChildCount() const
{
    return int(m_childIds.size());
}

Util::CountedPointer<ThreeDObject> GPLObjectList::GetChild(int i) const
{
    VELMO_ASSERT(i >= 0 && i < GetChildCount());
    return Child(m_childIds[i]);
}

void GPLObjectList::InsertChild(const Util::CountedPointer<ThreeDObject>& child, int i)
{
    VELMO_ASSERT(i >= 0 && i <= GetChildCount());
    m_childIds.insert(m_childIds.begin() + i, U32(child->GetId()));
}

void GPLObjectList::RemoveChild(int i)
{
    VELMO_ASSERT(i >= 0 && i < GetChildCount());
    m_childIds.erase(m_childIds.begin() + i);
}

void GPLObjectList::Write(Util::BinaryStream& stream, U32 offset)
{
    SetFileOffset(offset);
    GPLRecord::Writer record(8 + 4 * m_childIds.size());
    record.U32(TypeWord).U32(U32(m_childIds.size()));
    for (U32 child : m_childIds)
        record.U32(OffsetOf(child));
    record.WriteTo(stream);
}
} // namespace Velmo::Papy
