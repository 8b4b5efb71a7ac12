#include "Papy/GPL/GPLGraphCheck.h"

#include <algorithm>
#include <vector>

#include "Papy/GPL/GPLTdoFile.h"
#include "Papy/Model/ThreeDObjectGraphCheck.h"

namespace Velmo::Papy
{
namespace
{
// The file's nodes numbered as its table holds them: the records in offset order, found by
// their offset through the table, then the other nodes in id order (taken as unsigned), found
// by a binary search. In a loaded file every other id lies above the records' offsets, so the
// numbers follow the ids.
class TableNodes : public ThreeDObjectGraphCheck::Nodes
{
public:
    explicit TableNodes(const GPLNodeTable& table) : m_table(table)
    {
        m_others.reserve(table.Others().size());
        for (const auto& [id, node] : table.Others())
            m_others.push_back({U32(id), node.Get()});
    }

    std::size_t Size() const override { return m_table.RecordCount() + m_others.size(); }

    ThreeDObject& At(std::size_t i) const override
    {
        const std::size_t records = m_table.RecordCount();
        return i < records ? *m_table.Record(i).second : *m_others[i - records].Node;
    }

    std::size_t Find(U32 id) const override
    {
        const std::size_t record = m_table.RecordSlot(int(id));
        if (record != GPLNodeTable::NoRecord)
            return record;
        auto p = std::lower_bound(m_others.begin(), m_others.end(), id,
                                  [](const ThreeDObjectGraphCheck::Entry& e, U32 v) { return e.Id < v; });
        if (p == m_others.end() || p->Id != id)
            return Size();
        return m_table.RecordCount() + std::size_t(p - m_others.begin());
    }

private:
    const GPLNodeTable& m_table;
    std::vector<ThreeDObjectGraphCheck::Entry> m_others;
};
} // namespace

void GPLGraphCheck::Check(GPLTdoFile& file)
{
    static constexpr ThreeDObjectGraphCheck::Messages messages = {
        "GPL 3do file node refers to itself or an ancestor", "GPL 3do file nodes nested too deeply", nullptr};
    ThreeDObjectGraphCheck::CheckNodes(TableNodes(file.GetSubObjects()), file.GetFileName(), messages);
}
} // namespace Velmo::Papy
