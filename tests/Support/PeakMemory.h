// The memory an operation takes at its peak, read from the process's own figures: the high-water
// mark of its resident set is reset to the present (clear_refs 5), the operation runs, and the
// mark's rise is its peak. Linux only; where the mark cannot be reset, nothing is measured.
#pragma once

#include <malloc.h>

#include <cstdint>
#include <fstream>
#include <optional>
#include <string>

namespace TestSupport
{
// Under AddressSanitizer freed blocks wait in its quarantine and stay resident, so figures of
// the resident set say nothing of what the code keeps.
#if defined(__SANITIZE_ADDRESS__)
inline constexpr bool ResidentFiguresHold = false;
#else
inline constexpr bool ResidentFiguresHold = true;
#endif

// A figure of /proc/self/status in bytes ("VmRSS", "VmHWM"); nothing when absent.
inline std::optional<std::uint64_t> StatusBytes(const std::string& field)
{
    std::ifstream in("/proc/self/status");
    std::string name;
    while (in >> name)
    {
        if (name == field + ":")
        {
            std::uint64_t kib = 0;
            if (in >> kib)
                return kib * 1024;
            return std::nullopt;
        }
        std::getline(in, name);
    }
    return std::nullopt;
}

// How far the resident set rose above its size at the start while operation ran; nothing when
// the system does not let the mark be reset.
template <class Operation>
std::optional<std::uint64_t> PeakRise(Operation operation)
{
    {
        std::ofstream reset("/proc/self/clear_refs");
        if (!(reset << "5" << std::flush))
            return std::nullopt;
    }
    const std::optional<std::uint64_t> start = StatusBytes("VmRSS");
    operation();
    const std::optional<std::uint64_t> peak = StatusBytes("VmHWM");
    if (!start || !peak)
        return std::nullopt;
    return *peak > *start ? *peak - *start : 0;
}

// The benchmarks' figure: the peak resident memory since the last call, in MB (0 when the
// system gives none). Freed blocks go back to the system first, so that the next peak starts
// from what is in use.
inline double PeakMegabytesSinceLastCall()
{
    const std::optional<std::uint64_t> peak = StatusBytes("VmHWM");
    malloc_trim(0);
    std::ofstream("/proc/self/clear_refs") << "5";
    return peak ? double(*peak) / (1024 * 1024) : 0;
}
} // namespace TestSupport
