#pragma once
// The node table of a GPL .3do file: every node under its id, iterated in the order of the ids
// taken as unsigned (file offsets first, then the editor's ids, then the handles, most recent
// first, then -2 and -1). An entry reads as a map entry: first the id, second the node.
//
// Most nodes are the records of the PRIM section, whose ids are their offsets there: multiples
// of 4, increasing, dense in the section. They are kept in a flat array in offset order (in
// blocks, so that the array never moves while it grows) and found by id through one bit per
// word of the section and, for every 64 words, the number of records before them: a lookup is
// a bit test, a population count and an index, and a record costs its entry and about a bit
// per word, not a tree node. Every other id (the null node, the root, the handles, the
// editor's nodes) lives in an ordered map. Nothing is ever removed: entering a node under an
// id that is there replaces the node in place.
#include <cstddef>
#include <map>
#include <utility>
#include <vector>

#include "Papy/Model/ThreeDObject.h"
#include "Util/CountedPointer.h"
#include "Util/Types.h"

namespace Velmo::Papy
{
class GPLNodeTable
{
public:
    typedef Util::CountedPointer<ThreeDObject> Node;
    typedef std::pair<const int, Node> value_type;

    // Ids in the table's order: as unsigned numbers.
    struct IdOrder
    {
        bool operator()(int a, int b) const { return U32(a) < U32(b); }
    };
    typedef std::map<int, Node, IdOrder> OtherMap;

    static constexpr std::size_t NoRecord = ~std::size_t(0);

    // Walks the records and the other entries together, in id order.
    class const_iterator
    {
    public:
        typedef std::forward_iterator_tag iterator_category;
        typedef GPLNodeTable::value_type value_type;
        typedef std::ptrdiff_t difference_type;
        typedef const value_type* pointer;
        typedef const value_type& reference;

        const_iterator() = default;
        reference operator*() const { return RecordFirst() ? m_table->Record(m_record) : *m_other; }
        pointer operator->() const { return &**this; }
        const_iterator& operator++()
        {
            if (RecordFirst())
                ++m_record;
            else
                ++m_other;
            return *this;
        }
        const_iterator operator++(int)
        {
            const_iterator old = *this;
            ++*this;
            return old;
        }
        bool operator==(const const_iterator& other) const
        {
            return m_record == other.m_record && m_other == other.m_other;
        }

    private:
        friend class GPLNodeTable;
        const_iterator(const GPLNodeTable* table, std::size_t record, OtherMap::const_iterator other)
            : m_table(table), m_record(record), m_other(other)
        {
        }
        bool RecordFirst() const
        {
            if (m_record == m_table->m_recordCount)
                return false;
            return m_other == m_table->m_others.end() ||
                   U32(m_table->Record(m_record).first) < U32(m_other->first);
        }

        const GPLNodeTable* m_table = nullptr;
        std::size_t m_record = 0;
        OtherMap::const_iterator m_other;
    };
    typedef const_iterator iterator;

    GPLNodeTable() = default;
    GPLNodeTable(const GPLNodeTable&) = delete;
    GPLNodeTable& operator=(const GPLNodeTable&) = delete;

    std::size_t size() const { return m_recordCount + m_others.size(); }
    bool empty() const { return size() == 0; }
    const_iterator begin() const { return const_iterator(this, 0, m_others.begin()); }
    const_iterator end() const { return const_iterator(this, m_recordCount, m_others.end()); }
    // The entry of id, or end().
    const_iterator find(int id) const;

    // The node of id, or null.
    const Node* Find(int id) const
    {
        const std::size_t record = RecordSlot(id);
        if (record != NoRecord)
            return &Record(record).second;
        if (m_others.empty())
            return nullptr;
        const auto p = m_others.find(id);
        return p == m_others.end() ? nullptr : &p->second;
    }

    // Enters node under id, replacing the node there.
    void Enter(int id, const Node& node);

    // Makes room for the records of a PRIM section of size bytes, before the first of them is
    // added; the table holds no records yet.
    void StartRecords(U32 size);
    // Adds the record read at offset, the first one at an offset beyond all the records added
    // before, inside the section. (An offset that is no multiple of 4, which no record has,
    // is entered as any other id.)
    void AddRecord(U32 offset, Node node);

    // The records, in offset order, and the position of a record by its id (NoRecord when id
    // is no record's).
    std::size_t RecordCount() const { return m_recordCount; }
    const value_type& Record(std::size_t i) const { return m_blocks[i / BlockSize][i % BlockSize]; }
    std::size_t RecordSlot(int id) const
    {
        const U32 offset = U32(id);
        if (offset % 4 != 0)
            return NoRecord;
        const std::size_t word = offset / 4;
        const std::size_t group = word / 64;
        if (group >= m_groups.size())
            return NoRecord;
        const Group& g = m_groups[group];
        const U64 bit = U64(1) << (word % 64);
        if ((g.bits & bit) == 0)
            return NoRecord;
        return g.before + PopCount(g.bits & (bit - 1));
    }
    // The entries that are not records.
    const OtherMap& Others() const { return m_others; }

private:
    // One bit per word of PRIM: whether a record starts there; before: the records in the
    // groups before this one.
    struct Group
    {
        U64 bits;
        U64 before;
    };
    static constexpr std::size_t BlockSize = 4096;

    // The number of set bits (without relying on a population-count instruction).
    static unsigned PopCount(U64 v)
    {
        v = v - ((v >> 1) & 0x5555555555555555ull);
        v = (v & 0x3333333333333333ull) + ((v >> 2) & 0x3333333333333333ull);
        v = (v + (v >> 4)) & 0x0F0F0F0F0F0F0F0Full;
        return unsigned((v * 0x0101010101010101ull) >> 56);
    }
    // The number of records at offsets below limit.
    std::size_t RecordsBelow(U32 limit) const;

    std::vector<Group> m_groups;
    // The records in blocks of BlockSize entries, each allocated whole (the last one filling).
    std::vector<std::vector<value_type>> m_blocks;
    std::size_t m_recordCount = 0;
    // The groups whose count is set.
    std::size_t m_counted = 0;
    OtherMap m_others;
};
} // namespace Velmo::Papy
