#pragma once
// The timing loop and the report of the 3D-object load benchmarks.
#include <sys/resource.h>

#include <chrono>
#include <cstdio>
#include <string>

#include "Util/Exception.h"

namespace VelmoBench
{
// Calls load() runs times; it opens and reads the file and returns the file object, whose
// destruction is not timed. Prints the file's size and node count, the first and the best
// time and the peak memory of the process, each with its target; a failed load prints the
// error text instead. Returns the exit code: 1 after a failed load.
template <class Load>
int TimeLoads(const std::string& path, int runs, double targetSeconds, int targetMegabytes, Load load)
{
    std::size_t nodes = 0;
    double best = 1e9, first = 0;
    for (int run = 0; run < runs; ++run)
    {
        double seconds = 0;
        try
        {
            const auto start = std::chrono::steady_clock::now();
            auto file = load();
            seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
            nodes = file->GetSubObjects().size();
        }
        catch (const Velmo::Util::Exception& e)
        {
            std::printf("load failed: %s", e.GetText().c_str());
            return 1;
        }
        if (run == 0)
            first = seconds;
        best = seconds < best ? seconds : best;
    }
    struct rusage usage;
    getrusage(RUSAGE_SELF, &usage);
    std::FILE* f = std::fopen(path.c_str(), "rb");
    long bytes = 0;
    if (f != nullptr)
    {
        std::fseek(f, 0, SEEK_END);
        bytes = std::ftell(f);
        std::fclose(f);
    }
    std::printf("file %s: %ld bytes, %zu nodes\n", path.c_str(), bytes, nodes);
    std::printf("load: first %.3f s, best of %d %.3f s (target %.2f s)\n", first, runs, best, targetSeconds);
    std::printf("peak memory (ru_maxrss): %.1f MB (target %d MB)\n", usage.ru_maxrss / 1024.0, targetMegabytes);
    return 0;
}
} // namespace VelmoBench
