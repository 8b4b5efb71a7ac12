#include "Papy/N2/N2ObjectList.h"

#include "Papy/N2/N2Record.h"

namespace Velmo::Papy
{
N2ObjectList::N2ObjectList(N2TdoFile& file, Util::RecordReader& reader, int id) : N2Node(file, id, U32(id))
{
    N2Record::ReadWords(reader, reader.ReadS32(), m_childIds);
}

void N2ObjectList::InsertChild(const Util::CountedPointer<ThreeDObject>& child, int i)
{
    VELMO_ASSERT(i >= 0 && i <= GetChildCount());
    m_childIds.insert(m_childIds.begin() + i, child->GetId());
}

void N2ObjectList::RemoveChild(int i)
{
    m_childIds.erase(m_childIds.begin() + std::ptrdiff_t(At(m_childIds, i)));
}

void N2ObjectList::AppendChildIds(std::vector<U32>& ids) const
{
    for (int id : m_childIds)
        ids.push_back(U32(id));
}

void N2ObjectList::Write(Util::BinaryStream& stream, U32 offset)
{
    SetFileOffset(offset);
    WriteList(GetFile(), m_childIds, stream);
}

void N2ObjectList::WriteList(const N2TdoFile& file, const std::vector<int>& childIds, Util::BinaryStream& stream)
{
    N2Record::Writer record(Type, 12 + 4 * childIds.size());
    record.Word(S32(childIds.size()));
    for (int id : childIds)
        record.Word(U32(file.GetSubObject(id)->GetFileOffset()));
    record.WriteTo(stream);
}
} // namespace Velmo::Papy
