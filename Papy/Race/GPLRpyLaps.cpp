#include "Papy/Race/GPLRpyLaps.h"

#include <algorithm>

namespace Velmo::Papy
{
GPLRpyLaps::GPLRpyLaps(std::map<int, LapBook>* table, const std::vector<Samples>& samples)
    : m_samples(samples), m_books(samples.size(), nullptr)
{
    m_seen.reserve(samples.size());
    m_lastSeen.reserve(samples.size());
    if (table == nullptr)
        return;
    for (auto& [d, book] : *table)
        if (d >= 0 && std::size_t(d) < m_books.size())
            m_books[std::size_t(d)] = &book;
}

void GPLRpyLaps::Adding(int d, const GPLRpySample* previous, const GPLRpySample& sample)
{
    if (m_clocked && previous != nullptr && CrossesLine(*previous, sample))
        if (LapBook* book = m_books[std::size_t(d)]; book != nullptr && book->HasNext())
            book->CrossLine(sample.frame);
    m_seen.push_back(d);
}

void GPLRpyLaps::EndFrame(U32 frame, bool hasClock, S64 clock)
{
    if (hasClock)
    {
        PassClock(frame, clock);
        if (!m_clocked)
        {
            for (std::size_t d = 0; d < m_books.size(); ++d)
                WalkBack(int(d), frame);
            m_clocked = true;
        }
    }
    if (m_clocked)
        for (int d : m_seen)
            if (LapBook* book = m_books[std::size_t(d)]; book != nullptr)
                book->Extend(frame);
    m_lastSeen.swap(m_seen);
    m_seen.clear();
}

void GPLRpyLaps::PassClock(U32 frame, S64 clock)
{
    const S64 time = clock * 10;
    for (std::size_t d = 0; d < m_books.size(); ++d)
    {
        LapBook* book = m_books[d];
        if (book == nullptr || !book->HasCurrent())
            continue;
        const bool seen = !m_samples[d].empty() && m_samples[d].back().frame == frame;
        const std::size_t before = book->GetCurrentIndex();
        for (;;)
        {
            LapBook::Lap& lap = book->GetCurrent();
            const bool last = !book->HasNext();
            // The open last lap runs with the clock while its car is seen.
            if (last && seen)
                lap.time = S32(time);
            if (lap.time >= time || last)
                break;
            book->Leave(frame);
        }
        if (book->GetCurrentIndex() != before)
            book->Enter(frame);
        book->Mark(seen);
    }
}

// The walk stops at lap 1: a crossing before it is the way to the start.
void GPLRpyLaps::WalkBack(int d, U32 frame)
{
    LapBook* book = m_books[std::size_t(d)];
    if (book == nullptr || !book->HasCurrent())
        return;
    const Samples& samples = m_samples[std::size_t(d)];
    std::size_t lap = book->GetCurrentIndex();
    S32 end = S32(frame) + 1;
    for (std::size_t i = samples.size(); i-- > 1;)
    {
        if (CrossesLine(samples[i - 1], samples[i]))
        {
            book->SetFrames(lap, S32(samples[i].frame), end);
            end = S32(samples[i].frame);
            if (lap <= 1)
                return;
            --lap;
        }
    }
    if (!samples.empty())
    {
        const S32 first = S32(samples.front().frame);
        book->SetFrames(lap, first, std::max(end, first));
    }
}

void GPLRpyLaps::Finish(U32 frameCount)
{
    if (frameCount == 0)
        return;
    for (int d : m_lastSeen)
        if (LapBook* book = m_books[std::size_t(d)]; book != nullptr)
            book->Enter(frameCount - 1);
}
} // namespace Velmo::Papy
