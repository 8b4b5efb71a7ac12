#include "Vantrel/View/HexScrollModel.h"

#include <algorithm>

using Velmo::U64;

void CHexScrollModel::SetSize(U64 bytes)
{
    m_lines = bytes / 16 + (bytes % 16 != 0 ? 1 : 0);
    m_top = std::min(m_top, GetMaxTop());
}

void CHexScrollModel::SetPageLines(U64 lines)
{
    m_pageLines = std::max<U64>(lines, 1);
    m_top = std::min(m_top, GetMaxTop());
}

U64 CHexScrollModel::GetMaxTop() const
{
    return m_lines > m_pageLines ? m_lines - m_pageLines : 0;
}

bool CHexScrollModel::ScrollTo(U64 top)
{
    top = std::min(top, GetMaxTop());
    if (top == m_top)
        return false;
    m_top = top;
    return true;
}

bool CHexScrollModel::ScrollBy(long long lines)
{
    if (lines >= 0)
        return ScrollTo(GetMaxTop() - m_top < U64(lines) ? GetMaxTop() : m_top + U64(lines));
    const U64 up = U64(-(lines + 1)) + 1;
    return ScrollTo(m_top > up ? m_top - up : 0);
}

bool CHexScrollModel::Wheel(int rotation, int delta, int linesPerNotch)
{
    delta = std::max(delta, 1);
    linesPerNotch = std::max(linesPerNotch, 1);
    // A notch of another size: what was gathered in the old units is dropped.
    if (delta != m_wheelDelta)
    {
        m_wheelDelta = delta;
        m_wheelRest = 0;
    }
    // In 1 / delta of a line: a notch is delta x linesPerNotch of them.
    const long long gathered = m_wheelRest + static_cast<long long>(rotation) * linesPerNotch;
    const long long lines = gathered / delta;
    m_wheelRest = gathered - lines * delta;
    return lines != 0 && ScrollBy(-lines);
}

U64 CHexScrollModel::GetScale() const
{
    return m_lines <= BarLimit ? 1 : (m_lines + BarLimit - 1) / BarLimit;
}

int CHexScrollModel::GetBarRange() const
{
    const U64 scale = GetScale();
    return int((m_lines + scale - 1) / scale);
}

int CHexScrollModel::GetBarThumb() const
{
    const U64 thumb = m_pageLines / GetScale();
    return int(std::clamp<U64>(thumb, 1, U64(std::max(GetBarRange(), 1))));
}

int CHexScrollModel::GetBarPosition() const
{
    if (m_top == GetMaxTop())
        return std::max(GetBarRange() - GetBarThumb(), 0);
    return int(std::min<U64>(m_top / GetScale(), U64(std::max(GetBarRange() - GetBarThumb(), 0))));
}

bool CHexScrollModel::ScrollToBarPosition(int position)
{
    if (position <= 0)
        return Home();
    const int last = std::max(GetBarRange() - GetBarThumb(), 0);
    if (position >= last)
        return End();
    return ScrollTo(U64(position) * GetScale());
}
