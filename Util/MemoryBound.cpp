#include "Util/MemoryBound.h"

#include <algorithm>
#include <sstream>
#include <utility>

namespace Velmo::Util
{
namespace
{
struct Counts
{
    U64 bound = MemoryBound::DefaultBound;
    U64 taken = 0;
    U64 peak = 0;
    U64 granted = 0;
};

Counts& State()
{
    static Counts counts;
    return counts;
}
} // namespace

XMemoryBound::XMemoryBound(std::string name, U64 needed, U64 left)
    : m_name(std::move(name)), m_needed(needed), m_left(left)
{
}

std::string XMemoryBound::GetText() const
{
    std::ostringstream text;
    text << m_name << " needs " << m_needed << " bytes, more than the " << m_left
         << " bytes left of the memory bound\n";
    return text.str();
}

U64 MemoryBound::GetBound()
{
    return State().bound;
}

void MemoryBound::SetBound(U64 bound)
{
    State().bound = bound;
}

U64 MemoryBound::GetTaken()
{
    return State().taken;
}

U64 MemoryBound::GetPeak()
{
    return State().peak;
}

void MemoryBound::ResetPeak()
{
    State().peak = State().taken;
}

U64 MemoryBound::GetLeft()
{
    const Counts& counts = State();
    return counts.taken >= counts.bound ? 0 : counts.bound - counts.taken;
}

U64 MemoryBound::GetGranted()
{
    return State().granted;
}

void MemoryBound::Take(const std::string& name, U64 bytes)
{
    const U64 left = GetLeft();
    if (bytes > left)
        throw XMemoryBound(name, bytes, left);
    Counts& counts = State();
    counts.taken += bytes;
    counts.granted += bytes;
    counts.peak = std::max(counts.peak, counts.taken);
}

void MemoryBound::Give(U64 bytes)
{
    Counts& counts = State();
    counts.taken -= std::min(counts.taken, bytes);
}

MemoryBound::Reservation::Reservation(const std::string& name, U64 bytes)
{
    Take(name, bytes);
    m_bytes = bytes;
}

MemoryBound::Reservation::Reservation(Reservation&& other) noexcept : m_bytes(std::exchange(other.m_bytes, 0)) {}

MemoryBound::Reservation& MemoryBound::Reservation::operator=(Reservation&& other) noexcept
{
    if (this != &other)
    {
        Release();
        m_bytes = std::exchange(other.m_bytes, 0);
    }
    return *this;
}

void MemoryBound::Reservation::Resize(const std::string& name, U64 bytes)
{
    if (bytes > m_bytes)
        Take(name, bytes - m_bytes);
    else
        Give(m_bytes - bytes);
    m_bytes = bytes;
}

void MemoryBound::Reservation::Release()
{
    Give(std::exchange(m_bytes, 0));
}

MemoryBound::Scope::Scope(U64 bound) : m_outer(GetBound())
{
    SetBound(bound);
}

MemoryBound::Scope::~Scope()
{
    SetBound(m_outer);
}
} // namespace Velmo::Util
