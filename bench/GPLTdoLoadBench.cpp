// Loads a large GPL .3do file and prints the load time and the peak memory of the process.
//
//   GPLTdoLoadBench [FILE] [--records N] [--runs R]
//
// Without FILE, the independent generator writes a track-shaped file of about N records
// (250000 by default: some 10 MB, lists sharing their children, a few thousand object
// locators) into the temporary folder.
#include <sys/resource.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "Papy/GPL/GPLTdoFile.h"
#include "Util/BinaryFile.h"
#include "Util/CountedPointer.h"
#include "Util/Exception.h"

using namespace Velmo;

namespace
{
bool Generate(const std::string& path, long records)
{
    std::string command = std::string(VELMO_PYTHON3) + " \"" + VELMO_GPL3DO_SCRIPT + "\" large \"" + path +
                          "\" --records " + std::to_string(records);
    return std::system(command.c_str()) == 0;
}

// Loads the file once (opening the file and reading it, not destroying the result); returns
// the seconds taken, or a negative value with the error text.
double LoadOnce(const std::string& path, std::size_t& nodes, std::string& error)
{
    double seconds = 0;
    try
    {
        auto start = std::chrono::steady_clock::now();
        Util::CountedPointer<Util::BinaryStream> stream(Util::BinaryFile::OpenRead(path));
        Papy::GPLTdoFile file(stream);
        seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
        nodes = file.GetSubObjects().size();
    }
    catch (const Util::Exception& e)
    {
        error = e.GetText();
        return -1;
    }
    return seconds;
}
} // namespace

int main(int argc, char** argv)
{
    std::string path;
    long records = 250000;
    int runs = 5;
    for (int i = 1; i < argc; ++i)
    {
        std::string arg = argv[i];
        if (arg == "--records" && i + 1 < argc)
            records = std::atol(argv[++i]);
        else if (arg == "--runs" && i + 1 < argc)
            runs = std::atoi(argv[++i]);
        else
            path = arg;
    }

    std::size_t nodes = 0;
    std::string error;
    if (path.empty())
    {
        const char* tmp = std::getenv("TMPDIR");
        path = std::string(tmp != nullptr ? tmp : "/tmp") + "/GPLTdoLoadBench.3do";
        if (!Generate(path, records))
            return 1;
    }

    double best = 1e9, first = 0;
    for (int run = 0; run < runs; ++run)
    {
        double seconds = LoadOnce(path, nodes, error);
        if (seconds < 0)
        {
            std::printf("load failed: %s", error.c_str());
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
    std::printf("load: first %.3f s, best of %d %.3f s (target 0.5 s)\n", first, runs, best);
    std::printf("peak memory (ru_maxrss): %.1f MB (target 250 MB)\n", usage.ru_maxrss / 1024.0);
    return 0;
}
