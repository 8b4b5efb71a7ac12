// Loads a large GPL .3do file and prints the load time and the peak memory of the process.
//
//   GPLTdoLoadBench [FILE] [--records N] [--runs R]
//
// Without FILE, the independent generator writes a track-shaped file of about N records
// (250000 by default: some 10 MB, lists sharing their children, a few thousand object
// locators) into the temporary folder.
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <string>

#include "Papy/GPL/GPLTdoFile.h"
#include "Util/BinaryFile.h"
#include "Util/CountedPointer.h"
#include "Util/Exception.h"
#include "bench/LoadBench.h"

using namespace Velmo;

namespace
{
bool Generate(const std::string& path, long records)
{
    std::string command = std::string(VELMO_PYTHON3) + " \"" + VELMO_GPL3DO_SCRIPT + "\" large \"" + path +
                          "\" --records " + std::to_string(records);
    return std::system(command.c_str()) == 0;
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

    if (path.empty())
    {
        const char* tmp = std::getenv("TMPDIR");
        path = std::string(tmp != nullptr ? tmp : "/tmp") + "/GPLTdoLoadBench.3do";
        if (!Generate(path, records))
            return 1;
    }

    return VelmoBench::TimeLoads(path, runs, 0.12, 80, [&] {
        Util::CountedPointer<Util::BinaryStream> stream(Util::BinaryFile::OpenRead(path));
        return std::make_unique<Papy::GPLTdoFile>(stream);
    });
}
