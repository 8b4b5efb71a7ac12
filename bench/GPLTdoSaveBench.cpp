// Loads a large GPL .3do file and saves it, and prints the save times.
//
//   GPLTdoSaveBench [FILE] [--records N] [--runs R] [--keep]
//
// Without FILE, the independent generator writes a track-shaped file of about N records
// (250000 by default: some 10 MB, lists sharing their children, a few thousand object
// locators) into the temporary folder. Each run loads the file afresh (not timed) and saves
// it through a replacing file stream beside it: "save" is the Save call (checks, compaction,
// the three passes and every write into the stream's buffer), "commit" the flush, sync and
// rename that put the new file in place. A second save of the same file object (tables
// already compact) is timed too. With --keep the saved file stays beside FILE as FILE.saved
// (for the independent checker).
#include <sys/resource.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "Papy/GPL/GPLTdoFile.h"
#include "Util/BinaryFile.h"
#include "Util/CountedPointer.h"
#include "Util/Exception.h"

using namespace Velmo;

namespace
{
typedef std::chrono::steady_clock Clock;

double Since(Clock::time_point start)
{
    return std::chrono::duration<double>(Clock::now() - start).count();
}

bool Generate(const std::string& path, long records)
{
    std::string command = std::string(VELMO_PYTHON3) + " \"" + VELMO_GPL3DO_SCRIPT + "\" large \"" + path +
                          "\" --records " + std::to_string(records);
    return std::system(command.c_str()) == 0;
}

struct Times
{
    double save = 0;
    double commit = 0;
};

Times SaveOnce(Papy::GPLTdoFile& file, const std::string& target)
{
    Times times;
    auto start = Clock::now();
    Util::BinaryFile* out = Util::BinaryFile::CreateAlways(target);
    Util::CountedPointer<Util::BinaryStream> stream(out);
    file.Save(stream);
    times.save = Since(start);
    start = Clock::now();
    out->Commit();
    times.commit = Since(start);
    return times;
}

double Median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}
} // namespace

int main(int argc, char** argv)
{
    std::string path;
    long records = 250000;
    int runs = 5;
    bool keep = false;
    for (int i = 1; i < argc; ++i)
    {
        std::string arg = argv[i];
        if (arg == "--records" && i + 1 < argc)
            records = std::atol(argv[++i]);
        else if (arg == "--runs" && i + 1 < argc)
            runs = std::max(1, std::atoi(argv[++i]));
        else if (arg == "--keep")
            keep = true;
        else
            path = arg;
    }
    if (path.empty())
    {
        const char* tmp = std::getenv("TMPDIR");
        path = std::string(tmp != nullptr ? tmp : "/tmp") + "/GPLTdoSaveBench.3do";
        if (!Generate(path, records))
            return 1;
    }
    const std::string target = path + ".saved";

    std::vector<double> save, commit, again;
    std::size_t nodes = 0, bytes = 0;
    try
    {
        for (int run = 0; run < runs; ++run)
        {
            Util::CountedPointer<Util::BinaryStream> in(Util::BinaryFile::OpenRead(path));
            Papy::GPLTdoFile file(in);
            in = Util::CountedPointer<Util::BinaryStream>();
            nodes = file.GetSubObjects().size();
            Times first = SaveOnce(file, target);
            save.push_back(first.save);
            commit.push_back(first.commit);
            again.push_back(SaveOnce(file, target).save);
        }
        Util::CountedPointer<Util::BinaryStream> saved(Util::BinaryFile::OpenRead(target));
        bytes = std::size_t(saved->Size());
    }
    catch (const Util::Exception& e)
    {
        std::printf("failed: %s", e.GetText().c_str());
        return 1;
    }
    struct rusage usage;
    getrusage(RUSAGE_SELF, &usage);
    std::printf("file %s: %zu nodes, saved as %zu bytes\n", path.c_str(), nodes, bytes);
    std::printf("save of a loaded file: best %.3f s, median %.3f s of %d (target 0.5 s)\n",
                *std::min_element(save.begin(), save.end()), Median(save), runs);
    std::printf("commit (flush, sync, rename): median %.3f s\n", Median(commit));
    std::printf("second save of the same file object: median %.3f s\n", Median(again));
    std::printf("peak memory (ru_maxrss): %.1f MB\n", usage.ru_maxrss / 1024.0);
    if (keep)
        std::printf("saved file kept: %s\n", target.c_str());
    else
        std::remove(target.c_str());
    return 0;
}
