#include "Papy/Race/LapBook.h"

#include "Util/Exception.h"

namespace Velmo::Papy
{
LapBook::LapBook() : m_laps{{0, 0, -1, 0}}
{
}

void LapBook::Add(S32 time)
{
    m_laps.push_back({time, 0, -1, 0});
}

void LapBook::Continue()
{
    VELMO_ASSERT(m_current == m_laps.size());
    const S32 first = m_laps.back().end;
    m_laps.push_back({OpenTime, 0, first, first + 1});
}

LapBook::Lap& LapBook::GetCurrent()
{
    VELMO_ASSERT(HasCurrent());
    return m_laps[m_current];
}

void LapBook::Leave(U32 frame)
{
    Lap& lap = GetCurrent();
    if (lap.status != 0)
    {
        lap.status |= Left;
        if (HasNext())
            m_laps[m_current + 1].status |= Entered;
    }
    if (lap.first >= 0 && U32(lap.first) < frame)
        lap.end = S32(frame);
    else if (lap.first >= 0)
    {
        lap.first = -1;
        lap.end = 0;
    }
    ++m_current;
}

void LapBook::Enter(U32 frame)
{
    if (HasCurrent() && m_laps[m_current].first < 0)
    {
        m_laps[m_current].first = S32(frame);
        m_laps[m_current].end = S32(frame) + 1;
    }
}

void LapBook::SetFrames(std::size_t lap, S32 first, S32 end)
{
    VELMO_ASSERT(lap < m_laps.size());
    m_laps[lap].first = first;
    m_laps[lap].end = end;
}

void LapBook::Finish()
{
    for (std::size_t i = 1; i < m_laps.size(); ++i)
        m_laps[i].status = FinalStatus(m_laps[i].status);
}

S32 LapBook::FinalStatus(S32 bits)
{
    return bits == (Present | Entered | Left) ? 2 : (bits & Present) != 0 ? 1 : 0;
}
} // namespace Velmo::Papy
