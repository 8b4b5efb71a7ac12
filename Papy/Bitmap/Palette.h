#pragma once
// The indexed colour table of the paletted pixel stores, with an exact reverse look-up from a
// colour to its index. Only entries written through SetColour take part in the look-up.
#include <array>
#include <set>
#include <vector>

#include "Papy/Model/Colour.h"
#include "Util/CountedPointer.h"
#include "Util/Types.h"

namespace Velmo::Papy
{
class Palette
{
public:
    // count entries, each (0, 0, 0, 0), none of them found by FindColour.
    explicit Palette(U32 count = 0);
    // count opaque greys from black to white (count at least 2): entry i is grey i / (count - 1).
    static Util::CountedPointer<Palette> MakeGreys(U32 count);

    U32 GetColourCount() const { return U32(m_colours.size()); }
    // Entry index; callers keep index < GetColourCount().
    const Colour& operator[](U32 index) const { return m_colours[index]; }
    const Colour& GetColour(U32 index) const { return m_colours[index]; }
    // The entry, or the default colour for an index beyond the table (a short palette).
    Colour GetColourOrDefault(U32 index) const { return index < m_colours.size() ? m_colours[index] : Colour(); }

    void SetColour(U32 index, const Colour& colour);

    // The index of an entry that holds exactly this colour (when several do, the first in the
    // look-up order, which for small indices is the smallest).
    bool FindColour(const Colour& colour, U32& index) const;
    // As FindColour; an absent colour fails the assertion "FindColour(colour, index)".
    U32 GetIndex(const Colour& colour) const;

private:
    // A look-up key: the four floats as stored and the index, little-endian, 20 bytes in all,
    // ordered as unsigned bytes with the first byte most significant.
    typedef std::array<U8, 20> Key;
    static Key MakeKey(const Colour& colour, U32 index);
    static Colour KeyColour(const Key& key);
    static U32 KeyIndex(const Key& key);

    std::vector<Colour> m_colours;
    std::set<Key> m_keys;
};
} // namespace Velmo::Papy
