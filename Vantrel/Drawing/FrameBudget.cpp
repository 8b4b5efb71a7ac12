#include "Vantrel/Drawing/FrameBudget.h"

#include "Util/WalkMeter.h"

#include <algorithm>
#include <chrono>
#include <limits>
#include <utility>

// Measured with WalkBudgetBench in a pane of 1000 x 750 under the software renderer. The
// largest costs of the largest ordinary objects of one walk (a 50,000-polygon GPL object, the
// 300,000-triangle N4 mesh, the 5,000-segment track in 3D and in Track 3D, the 10 MB GPL object
// of the load benchmark) are in the comments; each limit leaves room above them, and a walk
// that reaches any one of them ends within about half a second of the two that a first picture
// may take.
const FrameBudget::Amounts FrameBudget::Limits = {
    1'000'000,   // Nodes: 165,000 (the track's drawing); a million take 0.1 to 0.3 s a walk
    100'000,     // Primitives: 50,000 polygons; immediate-mode polygons cost 10 to 20 us each
    8'000'000,   // Vertices: 1,050,000 (the mesh's list and indices); 8 million about 0.5 s
    100'000'000, // Pixels: 450,000 (the mesh fills the pane about once); 100 million about 0.2 s
    3'000'000,   // TrackPoints: 230,000 (the track's plan); the plan itself stops at 2 million
    25'000'000,  // SectionLookups: 2,530,000 (the same); about 20 ns each
    1'000'000,   // Names: 2,000 (a material of as many textures)
    5,           // Seconds: the deadline, beyond any ordinary object's frame
};

namespace
{
FrameBudget::Clock& DefaultClock()
{
    static FrameBudget::Clock clock = &FrameBudget::SteadySeconds;
    return clock;
}
} // namespace

FrameBudget::Amounts FrameBudget::WithoutDeadline(Amounts limits)
{
    limits[Seconds] = std::numeric_limits<double>::infinity();
    return limits;
}

double FrameBudget::SteadySeconds()
{
    return std::chrono::duration<double>(std::chrono::steady_clock::now().time_since_epoch()).count();
}

void FrameBudget::SetDefaultClock(Clock clock)
{
    DefaultClock() = clock ? std::move(clock) : Clock(&SteadySeconds);
}

FrameBudget::FrameBudget(const Amounts& limits) : FrameBudget(limits, DefaultClock())
{
}

FrameBudget::FrameBudget(const Amounts& limits, Clock clock) : m_limits(limits), m_clock(std::move(clock))
{
}

void FrameBudget::Tick()
{
    if (!m_clock)
        return;
    const double now = m_clock();
    if (!m_started)
    {
        m_started = true;
        m_start = now;
    }
    m_taken[Seconds] = now - m_start;
}

bool FrameBudget::IsPastDeadline()
{
    if (m_spent && m_spentOn == Seconds)
        return true;
    Tick();
    // Written so that a NaN time is past it too, as a NaN charge is over its limit.
    if (m_taken[Seconds] <= m_limits[Seconds])
        return false;
    Spend(Seconds);
    return true;
}

FrameBudget::Cost FrameBudget::FirstOver(const Amounts& amounts) const
{
    for (int i = 0; i < CostCount; ++i)
        // Written so that a NaN amount does not fit either.
        if (!(m_taken[i] + amounts[i] <= m_limits[i]))
            return Cost(i);
    return CostCount;
}

void FrameBudget::Spend(Cost cost)
{
    if (m_spent)
        return;
    m_spent = true;
    m_spentOn = cost;
}

bool FrameBudget::Take(const Amounts& amounts)
{
    if (m_spent)
        return false;
    Tick();
    const Cost over = FirstOver(amounts);
    if (over != CostCount)
    {
        Spend(over);
        return false;
    }
    for (int i = 0; i < CostCount; ++i)
        m_taken[i] += amounts[i];
    return true;
}

bool FrameBudget::Take(Cost cost, double amount)
{
    Amounts amounts{};
    amounts[cost] = amount;
    return Take(amounts);
}

std::size_t FrameBudget::TakeItems(std::size_t count, const Amounts& each, const std::vector<double>& pixels)
{
    if (m_spent || count == 0)
        return 0;
    Tick();
    const bool sized = !pixels.empty();
    // All of them at once when they fit (the usual case), else one by one up to the limit.
    Amounts all{};
    for (int i = 0; i < CostCount; ++i)
        all[i] = each[i] * double(count);
    if (sized)
        for (std::size_t k = 0; k < count && k < pixels.size(); ++k)
            all[Pixels] += pixels[k];
    if (FirstOver(all) == CostCount)
    {
        for (int i = 0; i < CostCount; ++i)
            m_taken[i] += all[i];
        return count;
    }
    std::size_t taken = 0;
    for (; taken < count; ++taken)
    {
        Amounts item = each;
        if (sized && taken < pixels.size())
            item[Pixels] += pixels[taken];
        const Cost over = FirstOver(item);
        if (over != CostCount)
        {
            Spend(over);
            break;
        }
        for (int i = 0; i < CostCount; ++i)
            m_taken[i] += item[i];
    }
    return taken;
}

FrameBudget FrameBudget::Part(double share)
{
    Tick();
    Amounts limits{};
    for (int i = 0; i < CostCount; ++i)
        limits[i] = std::max(m_limits[i] - m_taken[i], 0.0) * share;
    return FrameBudget(limits, m_clock);
}

void FrameBudget::Absorb(const FrameBudget& part)
{
    for (int i = 0; i < CostCount; ++i)
        if (i != Seconds)
            m_taken[i] += part.m_taken[i];
    Tick();
}

void FrameBudget::Restart()
{
    m_taken = Amounts{};
    m_started = false;
    m_spent = false;
    m_spentOn = CostCount;
}

const char* FrameBudget::NameOf(Cost cost)
{
    switch (cost)
    {
    case Nodes: return "nodes";
    case Primitives: return "primitives";
    case Vertices: return "vertices";
    case Pixels: return "pixels";
    case TrackPoints: return "track points";
    case SectionLookups: return "section look-ups";
    case Names: return "names";
    case Seconds: return "seconds";
    case CostCount: break;
    }
    return "none";
}

bool FrameBudget::KeepToDeadline(const std::function<void()>& walk)
{
    Velmo::Util::WalkMeter::Scope armed([this] { return IsPastDeadline(); });
    try
    {
        walk();
        return true;
    }
    catch (const Velmo::Util::WalkMeter::XDeadline&)
    {
        return false;
    }
}
