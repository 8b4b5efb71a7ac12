// Look-ups of names in a large folder: an object naming 100 textures that a folder of 100,000
// files does not hold (target 1 s), looked up through the folder's MIP facet as the 3D pane and
// Check look them up: each name on its own, then all 100 in one look-up pass; first just after
// the folder changed (a file made and removed), then once it has settled (its times older
// than any step of the file system's clock, as a game's folder that nobody writes to). Also
// 100 textures that are there, written in another case. Each figure is one run of the 100
// names on a factory of its own (made before the clock starts), with the folder listings the
// names made.
//
//   LookupBench [folder for the temporary files, default $TMPDIR or /tmp]
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <fcntl.h>
#include <filesystem>
#include <functional>
#include <string>
#include <sys/stat.h>
#include <thread>
#include <unistd.h>

#include "Papy/FacetSets/GameRecognizers.h"
#include "Papy/Factory/FileFactoryRegistry.h"
#include "Papy/Factory/MakeFacets.h"
#include "Util/Exception.h"
#include "Util/FileSystem.h"
#if __has_include("Util/LookupPass.h")
#include "Util/LookupPass.h"
#define VELMO_BENCH_LOOKUP_PASS 1
#endif

using namespace Velmo;
using namespace Velmo::Papy;

namespace
{
constexpr int files = 100000;
constexpr int names = 100;

std::uint64_t Listings()
{
#ifdef VELMO_BENCH_LOOKUP_PASS
    return Util::FolderListings();
#else
    return 0;
#endif
}

// Makes the 100 names through a new factory of the folder; the seconds they take.
double LookUp(const std::string& folder, const std::function<std::string(int)>& name, bool present, bool onePass,
              const std::function<void()>& changeFirst, int& failures, std::uint64_t& listings)
{
    FileFactoryRegistry registry;
    GameRecognizers recognizers(registry);
    Util::CountedPointer<FileFactory> factory = registry.GetFactory(folder, false);
    if (changeFirst)
        changeFirst();
    const std::uint64_t before = Listings();
    MakeMip& mip = *factory->GetFacet<MakeMip>();
    MakeUnknown& unknown = *factory->GetFacet<MakeUnknown>();
    failures = 0;
    auto start = std::chrono::steady_clock::now();
    auto all = [&] {
        for (int i = 0; i < names; ++i)
        {
            try
            {
                // The files that are there are empty: they are opened, not read as bitmaps.
                if (present)
                {
                    Util::CountedPointer<Util::BinaryStream> made;
                    unknown.Make(made, name(i), "mip", false);
                }
                else
                {
                    Util::CountedPointer<MipFile> made;
                    mip.Make(made, name(i), "", false);
                }
            }
            catch (const Util::Exception&)
            {
                ++failures;
            }
        }
    };
#ifdef VELMO_BENCH_LOOKUP_PASS
    if (onePass)
    {
        Util::LookupPass pass;
        all();
    }
    else
        all();
#else
    (void)onePass;
    all();
#endif
    const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    listings = Listings() - before;
    return seconds;
}

void Report(const char* what, const std::string& folder, const std::function<std::string(int)>& name, bool present,
            bool onePass, const std::function<void()>& changeFirst = {})
{
    const int expectedFailures = present ? 0 : names;
    int failures = 0;
    std::uint64_t listings = 0;
    const double seconds = LookUp(folder, name, present, onePass, changeFirst, failures, listings);
    const double ms = seconds * 1000;
#ifdef VELMO_BENCH_LOOKUP_PASS
    const std::string counted = std::to_string(listings);
#else
    const std::string counted = "(uncounted)";
    (void)listings;
#endif
    std::printf("%-60s %9.1f ms, %s listings (target < 1000 ms) %s%s\n", what, ms, counted.c_str(),
                ms < 1000 ? "ok" : "SLOW",
                failures == expectedFailures ? "" : "  (unexpected answers)");
}

// Waits until the folder's times are further in the past than any clock step of its file
// system: the state of a game's folder that nobody is writing to.
void WaitUntilSettled(const std::string& folder)
{
    for (;;)
    {
        struct stat info;
        if (stat(folder.c_str(), &info) != 0)
            return;
        timespec now{};
        clock_gettime(CLOCK_REALTIME, &now);
        const bool fractions = info.st_mtim.tv_nsec != 0 || info.st_ctim.tv_nsec != 0;
        const double latest = std::max(info.st_mtim.tv_sec + info.st_mtim.tv_nsec * 1e-9,
                                       info.st_ctim.tv_sec + info.st_ctim.tv_nsec * 1e-9);
        if (latest + (fractions ? 0.15 : 2.5) < now.tv_sec + now.tv_nsec * 1e-9)
            return;
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
    }
}

// Fills the folder with empty files tex00000.mip to tex99999.mip.
void Fill(const std::string& folder)
{
    for (int i = 0; i < files; ++i)
    {
        char name[32];
        std::snprintf(name, sizeof name, "/tex%05d.mip", i);
        int fd = open((folder + name).c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
        if (fd >= 0)
            close(fd);
    }
}
} // namespace

int main(int argc, char** argv)
{
    const char* base = argc > 1 ? argv[1] : (std::getenv("TMPDIR") ? std::getenv("TMPDIR") : "/tmp");
    std::string root = std::string(base) + "/lookup-bench-XXXXXX";
    if (mkdtemp(root.data()) == nullptr)
        return 1;
    const std::string folder = root + "/Monza";
    std::filesystem::create_directories(folder);
    Fill(folder);
    // Changes the folder now: one file more, then one less.
    auto change = [&] {
        const std::string extra = folder + "/extra.tmp";
        close(open(extra.c_str(), O_WRONLY | O_CREAT, 0644));
        unlink(extra.c_str());
    };

    auto missing = [](int i) { return "missing" + std::to_string(i); };
    auto otherCase = [](int i) {
        char name[32];
        std::snprintf(name, sizeof name, "TEX%05d", i * 997);
        return std::string(name);
    };
    std::printf("A folder of %d files, %d texture names:\n", files, names);
    WaitUntilSettled(folder);
    Report("missing, just after the folder changed, each name alone", folder, missing, false, false, change);
    Report("missing, just after the folder changed, one pass", folder, missing, false, true, change);
    WaitUntilSettled(folder);
    Report("missing, settled folder, each name alone (3D pane, Check)", folder, missing, false, false);
    Report("missing, settled folder, one pass", folder, missing, false, true);
    Report("present in another case, settled folder, each name alone", folder, otherCase, true, false);

    std::filesystem::remove_all(root);
    return 0;
}
