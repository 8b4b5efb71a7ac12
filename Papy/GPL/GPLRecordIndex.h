#pragma once
// The records of a PRIM section by their offset, for lookups that do not search the node
// table. Records start at increasing offsets, most of them multiples of 4: one bit per word
// of the section says whether a record starts there, and the entries of those records are
// kept in offset order, so that a lookup is a bit test and a count of the bits before it
// (some 2.5 bytes per record and one bit per word, instead of a pointer per word).
#include <bit>
#include <cstddef>
#include <vector>

#include "Util/Types.h"

namespace Velmo::Papy
{
template <class Entry>
class GPLRecordIndex
{
public:
    // Starts an empty index for a section of size bytes.
    void Reset(U32 size)
    {
        m_bits.assign((std::size_t(size) / 4 + 63) / 64, 0);
        m_ranks.assign(m_bits.size(), 0);
        m_entries.clear();
        m_ranked = 0;
    }
    // Adds the record at offset, which lies beyond every offset added before and inside the
    // section; an offset that is no multiple of 4 is left to the table.
    void Add(U32 offset, const Entry& entry)
    {
        if (offset % 4 != 0)
            return;
        const std::size_t slot = offset / 4;
        const std::size_t word = slot / 64;
        // The records before a word are all known once the first record of the word comes.
        for (; m_ranked <= word; ++m_ranked)
            m_ranks[m_ranked] = U32(m_entries.size());
        m_bits[word] |= U64(1) << (slot % 64);
        m_entries.push_back(entry);
    }
    // Gives back the room kept for more records.
    void Shrink() { m_entries.shrink_to_fit(); }
    // The entry of the record at offset id, or null.
    const Entry* Find(int id) const
    {
        if (id < 0 || id % 4 != 0)
            return nullptr;
        const std::size_t slot = std::size_t(id) / 4;
        const std::size_t word = slot / 64;
        if (word >= m_bits.size())
            return nullptr;
        const U64 bit = U64(1) << (slot % 64);
        const U64 bits = m_bits[word];
        if ((bits & bit) == 0)
            return nullptr;
        return &m_entries[m_ranks[word] + std::popcount(bits & (bit - 1))];
    }

private:
    std::vector<U64> m_bits;
    // The number of records before each word of m_bits.
    std::vector<U32> m_ranks;
    std::vector<Entry> m_entries;
    // The words whose rank is set.
    std::size_t m_ranked = 0;
};
} // namespace Velmo::Papy
