// The timing of the benchmarks that report a best and a median time against a target.
#pragma once

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <functional>
#include <vector>

namespace BenchTiming
{
// The time one run of the work takes.
inline double Milliseconds(const std::function<void()>& work)
{
    auto start = std::chrono::steady_clock::now();
    work();
    return std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
}

// Runs the work runs times and prints the best and the median time against the target, the
// label in a column of width characters.
inline void Report(const char* what, const std::function<void()>& work, double target, int runs, int width)
{
    std::vector<double> times;
    for (int i = 0; i < runs; ++i)
        times.push_back(Milliseconds(work));
    std::sort(times.begin(), times.end());
    std::printf("%-*s best %8.2f ms  median %8.2f ms  (target < %.0f ms)\n", width, what, times.front(),
                times[runs / 2], target);
}
} // namespace BenchTiming
