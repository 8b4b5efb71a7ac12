#include "Papy/N2/N2ExtObjectList.h"

#include "Papy/N2/N2Record.h"

namespace Velmo::Papy
{
N2ExtObjectList::N2ExtObjectList(N2TdoFile& file, Util::RecordReader& reader, int id) : N2Node(file, id, U32(id))
{
    S32 words[2];
    reader.ReadArray(words, 2);
    m_childId = words[0];
    N2Record::ReadWords(reader, words[1], m_entryIds);
}

void N2ExtObjectList::AppendChildIds(std::vector<U32>& ids) const
{
    ids.push_back(U32(m_childId));
    for (int id : m_entryIds)
        ids.push_back(U32(id));
}

void N2ExtObjectList::Write(Util::BinaryStream& stream, U32 offset)
{
    SetFileOffset(offset);
    N2Record::Writer record(Type, 16 + 4 * m_entryIds.size());
    record.Word(OffsetOf(m_childId)).Word(S32(m_entryIds.size()));
    for (int id : m_entryIds)
        record.Word(OffsetOf(id));
    record.WriteTo(stream);
}
} // namespace Velmo::Papy
