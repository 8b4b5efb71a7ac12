#include "Papy/GPL/GPLNodeTable.h"

namespace Velmo::Papy
{
GPLNodeTable::const_iterator GPLNodeTable::find(int id) const
{
    const std::size_t record = RecordSlot(id);
    if (record != NoRecord)
        return const_iterator(this, record, m_others.lower_bound(id));
    const auto p = m_others.find(id);
    if (p == m_others.end())
        return end();
    return const_iterator(this, RecordsBelow(U32(id)), p);
}

void GPLNodeTable::Enter(int id, const Node& node)
{
    const std::size_t record = RecordSlot(id);
    if (record != NoRecord)
        m_blocks[record / BlockSize][record % BlockSize].second = node;
    else
        m_others[id] = node;
}

void GPLNodeTable::StartRecords(U32 size)
{
    m_groups.assign((std::size_t(size) / 4 + 63) / 64, Group{0, 0});
    m_blocks.clear();
    m_recordCount = 0;
    m_counted = 0;
}

void GPLNodeTable::AddRecord(U32 offset, Node node)
{
    const std::size_t word = offset / 4;
    const std::size_t group = word / 64;
    const bool inOrder = m_recordCount == 0 || U32(Record(m_recordCount - 1).first) < offset;
    if (offset % 4 != 0 || group >= m_groups.size() || !inOrder || m_others.count(int(offset)) != 0)
    {
        Enter(int(offset), node);
        return;
    }
    // The records before a group are all known once the first record of the group comes.
    for (; m_counted <= group; ++m_counted)
        m_groups[m_counted].before = m_recordCount;
    m_groups[group].bits |= U64(1) << (word % 64);
    if (m_recordCount % BlockSize == 0)
    {
        m_blocks.emplace_back();
        m_blocks.back().reserve(BlockSize);
    }
    m_blocks.back().emplace_back(int(offset), std::move(node));
    ++m_recordCount;
}

std::size_t GPLNodeTable::RecordsBelow(U32 limit) const
{
    // The records at words below (limit + 3) / 4.
    const U64 words = (U64(limit) + 3) / 4;
    const U64 group = words / 64;
    // No record lies in a group whose count is not set, nor beyond it.
    if (group >= m_counted)
        return m_recordCount;
    const Group& g = m_groups[std::size_t(group)];
    return std::size_t(g.before + PopCount(g.bits & ((U64(1) << (words % 64)) - 1)));
}
} // namespace Velmo::Papy
