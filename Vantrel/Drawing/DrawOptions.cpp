#include "Vantrel/Drawing/DrawOptions.h"

namespace
{
void Set(std::vector<bool>& set, bool fill, unsigned index, bool value)
{
    if (set.size() <= index)
        set.resize(static_cast<std::size_t>(index) + 1, fill);
    set[index] = value;
}

bool Get(const std::vector<bool>& set, bool fill, unsigned index)
{
    return index < set.size() ? set[index] : fill;
}

void SetAll(std::vector<bool>& set, bool& fill, bool value)
{
    set.assign(set.size(), value);
    fill = value;
}
} // namespace

void DrawOptions::SetDraw(unsigned displayClass, bool value) { Set(m_draw, m_defaultDraw, displayClass, value); }
bool DrawOptions::GetDraw(unsigned displayClass) const { return Get(m_draw, m_defaultDraw, displayClass); }
void DrawOptions::SetTexture(unsigned displayClass, bool value) { Set(m_texture, m_defaultTexture, displayClass, value); }
bool DrawOptions::GetTexture(unsigned displayClass) const { return Get(m_texture, m_defaultTexture, displayClass); }
void DrawOptions::SetAllDraw(bool value) { SetAll(m_draw, m_defaultDraw, value); }
void DrawOptions::SetAllTexture(bool value) { SetAll(m_texture, m_defaultTexture, value); }
