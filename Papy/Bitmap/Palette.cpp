#include "Papy/Bitmap/Palette.h"

#include "Papy/Bitmap/Quantise.h"
#include "Util/Exception.h"
#include "Util/StreamIO.h"

namespace Velmo::Papy
{
Palette::Palette(U32 count) : m_colours(count)
{
}

Util::CountedPointer<Palette> Palette::MakeGreys(U32 count)
{
    Util::CountedPointer<Palette> palette(new Palette(count));
    for (U32 i = 0; i < count; ++i)
    {
        float grey = ChannelValue(i, count - 1);
        palette->SetColour(i, Colour(grey, grey, grey, 1.0f));
    }
    return palette;
}

Palette::Key Palette::MakeKey(const Colour& colour, U32 index)
{
    Key key;
    Util::EncodeLE<float>(colour.GetRed(), key.data());
    Util::EncodeLE<float>(colour.GetGreen(), key.data() + 4);
    Util::EncodeLE<float>(colour.GetBlue(), key.data() + 8);
    Util::EncodeLE<float>(colour.GetAlpha(), key.data() + 12);
    Util::EncodeLE<U32>(index, key.data() + 16);
    return key;
}

Colour Palette::KeyColour(const Key& key)
{
    return Colour(Util::DecodeLE<float>(key.data()), Util::DecodeLE<float>(key.data() + 4),
                  Util::DecodeLE<float>(key.data() + 8), Util::DecodeLE<float>(key.data() + 12));
}

U32 Palette::KeyIndex(const Key& key)
{
    return Util::DecodeLE<U32>(key.data() + 16);
}

void Palette::SetColour(U32 index, const Colour& colour)
{
    VELMO_ASSERT(index < m_colours.size());
    m_keys.erase(MakeKey(m_colours[index], index));
    m_colours[index] = colour;
    m_keys.insert(MakeKey(colour, index));
}

bool Palette::FindColour(const Colour& colour, U32& index) const
{
    auto found = m_keys.lower_bound(MakeKey(colour, 0));
    if (found == m_keys.end())
        return false;
    Colour held = KeyColour(*found);
    // Float equality of all four components, as the colours compare everywhere else.
    if (!(held.GetRed() == colour.GetRed() && held.GetGreen() == colour.GetGreen() &&
          held.GetBlue() == colour.GetBlue() && held.GetAlpha() == colour.GetAlpha()))
        return false;
    index = KeyIndex(*found);
    return true;
}

U32 Palette::GetIndex(const Colour& colour) const
{
    U32 index = 0;
    VELMO_ASSERT(FindColour(colour, index));
    return index;
}
} // namespace Velmo::Papy
