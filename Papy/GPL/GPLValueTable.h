#pragma once
// One of the value tables of a GPL .3do file (vertices, planes, normals): the values by index,
// and an index by value for adding a value once. The index is brought up to date when a value
// is added (so loading pays nothing for it) and thrown away when the table is replaced.
#include <cstddef>
#include <functional>
#include <unordered_map>
#include <vector>

#include "Papy/Model/Normal.h"
#include "Papy/Model/Plane.h"
#include "Papy/Model/Vertex.h"

namespace Velmo::Papy
{
namespace Detail
{
// Equal values (==, so 0 and -0 alike) hash alike.
inline std::size_t HashValues(std::initializer_list<double> values)
{
    std::size_t hash = 0;
    for (double v : values)
        hash = hash * 1000003u ^ (v == 0 ? 0 : std::hash<double>()(v));
    return hash;
}

struct GPLValueHash
{
    std::size_t operator()(const Vertex& v) const { return HashValues({v.GetX(), v.GetY(), v.GetZ()}); }
    std::size_t operator()(const Normal& n) const { return HashValues({n.GetX(), n.GetY(), n.GetZ()}); }
    std::size_t operator()(const Plane& p) const { return HashValues({p.GetA(), p.GetB(), p.GetC(), p.GetD()}); }
};
} // namespace Detail

template <class T>
class GPLValueTable
{
public:
    const std::vector<T>& Values() const { return m_values; }
    std::size_t Size() const { return m_values.size(); }
    const T& operator[](std::size_t i) const { return m_values[i]; }

    void Reserve(std::size_t size) { m_values.reserve(size); }
    // Adds the value at the end, even when the table has it.
    void Append(const T& value) { m_values.push_back(value); }
    // The index of the first value equal to value, added at the end when there is none.
    int Add(const T& value)
    {
        for (; m_indexed < m_values.size(); ++m_indexed)
            m_index.emplace(m_values[m_indexed], int(m_indexed));
        auto [entry, added] = m_index.emplace(value, int(m_values.size()));
        if (added)
        {
            m_values.push_back(value);
            ++m_indexed;
        }
        return entry->second;
    }
    // Puts values in place of the table's; the old values are handed back in values.
    void Swap(std::vector<T>& values)
    {
        m_values.swap(values);
        m_index.clear();
        m_indexed = 0;
    }

private:
    std::vector<T> m_values;
    std::unordered_map<T, int, Detail::GPLValueHash> m_index;
    // How many of the values the index holds.
    std::size_t m_indexed = 0;
};
} // namespace Velmo::Papy
