#include "Util/WalkMeter.h"

#include <utility>

namespace Velmo::Util
{
namespace
{
thread_local WalkMeter::Scope* armed = nullptr;
// The steps counted up to the last look.
thread_local std::int64_t counted = 0;
// The steps that the last look allowed until the next one.
thread_local std::int64_t allowed = WalkMeter::Interval;
} // namespace

WalkMeter::Scope::Scope(std::function<bool()> check) : m_check(std::move(check)), m_outer(armed)
{
    armed = this;
}

WalkMeter::Scope::~Scope()
{
    armed = m_outer;
}

void WalkMeter::Look()
{
    counted += allowed - s_left;
    allowed = Interval;
    s_left = Interval;
    Scope* scope = armed;
    if (scope == nullptr || scope->m_stopped || !scope->m_check)
        return;
    if (scope->m_check())
    {
        // Once: what runs while the walk unwinds (a destructor that reads a list) must not throw.
        scope->m_stopped = true;
        throw XDeadline();
    }
}

bool WalkMeter::IsPast()
{
    const Scope* scope = armed;
    if (scope == nullptr)
        return false;
    return scope->m_stopped || (scope->m_check && scope->m_check());
}

bool WalkMeter::IsArmed()
{
    return armed != nullptr;
}

std::int64_t WalkMeter::GetCount()
{
    return counted + (allowed - s_left);
}
} // namespace Velmo::Util
