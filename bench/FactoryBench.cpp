// Game recognition and first factories:
//   - recognize a folder of 5,000 files and build its factory (target 200 ms): files of no game
//     (every recognizer searches the folder, the default takes it), and 5,000 N4 3D objects
//     (GPL and N2 refuse at the first, N4 claims);
//   - the first factory of an N4 track folder whose sibling shared folder has a shared.dat of
//     10,000 entries (target 100 ms): the shared folder is recognized and its DAT read too.
// Every run uses a registry of its own (nothing cached); best and median of the runs are printed.
//
//   FactoryBench [folder for the temporary files, default $TMPDIR or /tmp]
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>
#include <unistd.h>

#include "Papy/Container/DatFile.h"
#include "Papy/FacetSets/GameRecognizers.h"
#include "Papy/FacetSets/N4MakeFacets.h"
#include "Papy/Factory/FileFactoryRegistry.h"
#include "Papy/Factory/MakeFacets.h"

using namespace Velmo;
using namespace Velmo::Papy;

namespace
{
typedef std::chrono::steady_clock Clock;

struct Figures
{
    std::vector<double> runs;
    void Print(const char* what, double target) const
    {
        std::vector<double> sorted = runs;
        std::sort(sorted.begin(), sorted.end());
        double best = sorted.front() * 1000, median = sorted[sorted.size() / 2] * 1000;
        std::printf("%-58s best %8.2f ms, median %8.2f ms (target %g ms) %s\n", what, best, median, target,
                    median < target ? "ok" : "SLOW");
    }
};

void Write(const std::string& path, const std::string& bytes)
{
    std::filesystem::create_directories(std::filesystem::path(path).parent_path());
    std::ofstream(path, std::ios::binary).write(bytes.data(), std::streamsize(bytes.size()));
}

std::string Le32(uint32_t v)
{
    return std::string{char(v), char(v >> 8), char(v >> 16), char(v >> 24)};
}

// An N4 archive of stored entries.
std::string N4Dat(int count)
{
    std::string directory;
    std::string data;
    std::vector<std::string> names;
    for (int i = 0; i < count; ++i)
        names.push_back("textures\\tex" + std::to_string(i) + ".mip");
    std::size_t directorySize = 0;
    for (const std::string& name : names)
        directorySize += 15 + name.size() + 1;
    uint32_t offset = uint32_t(10 + directorySize);
    for (const std::string& name : names)
    {
        const std::string content = "MIP " + name;
        directory += std::string{5, 0} + Le32(uint32_t(content.size())) + Le32(uint32_t(content.size())) +
                     Le32(offset) + char(name.size()) + name + '\0';
        data += content;
        offset += uint32_t(content.size());
    }
    int16_t negative = int16_t(-count);
    return std::string{char(negative), char(negative >> 8)} + Le32(uint32_t(directorySize)) + Le32(0) + directory +
           data;
}

Figures FirstFactory(const std::string& folder, int runs, const char* expectedKind)
{
    Figures figures;
    for (int run = 0; run < runs; ++run)
    {
        FileFactoryRegistry registry;
        GameRecognizers recognizers(registry);
        Clock::time_point start = Clock::now();
        Util::CountedPointer<FileFactory> factory = registry.GetFactory(folder, false);
        figures.runs.push_back(std::chrono::duration<double>(Clock::now() - start).count());
        bool n4 = factory->HasFacet<MakePtf>();
        if (n4 != (std::string(expectedKind) == "N4"))
            std::printf("unexpected facet set for %s\n", folder.c_str());
    }
    return figures;
}
} // namespace

int main(int argc, char** argv)
{
    const char* base = argc > 1 ? argv[1] : (std::getenv("TMPDIR") ? std::getenv("TMPDIR") : "/tmp");
    std::string root = std::string(base) + "/factory-bench-XXXXXX";
    if (mkdtemp(root.data()) == nullptr)
        return 1;

    const std::string n4Head = Le32(1) + Le32(2) + std::string(24, '\0');
    for (int i = 0; i < 5000; ++i)
    {
        char name[32];
        std::snprintf(name, sizeof name, "/file%04d.txt", i);
        Write(root + "/plain" + name, "nothing of any game");
        std::snprintf(name, sizeof name, "/obj%04d.3do", i);
        Write(root + "/n4objects" + name, n4Head);
    }
    FirstFactory(root + "/plain", 2, "GPL"); // warm the file system's caches
    FirstFactory(root + "/plain", 15, "GPL").Print("5,000 files of no game: recognize + build", 200);
    FirstFactory(root + "/n4objects", 15, "N4").Print("5,000 N4 3D objects: recognize + build", 200);

    Write(root + "/tracks/shared/shared.dat", N4Dat(10000));
    Write(root + "/tracks/Oval/oval.ptf", "");
    Write(root + "/tracks/Oval/car.3do", n4Head);
    FirstFactory(root + "/tracks/Oval", 2, "N4");
    FirstFactory(root + "/tracks/Oval", 15, "N4").Print("N4 folder, shared.dat of 10,000 entries: first factory", 100);
    {
        FileFactoryRegistry registry;
        GameRecognizers recognizers(registry);
        auto factory = registry.GetFactory(root + "/tracks/Oval", false);
        auto& mip = dynamic_cast<N4MakeMip&>(*factory->GetFacet<MakeMip>());
        std::printf("(shared folder found: %s, its DAT holds %d entries)\n", mip.HasShared() ? "yes" : "no",
                    mip.GetShared().GetDat() ? mip.GetShared().GetDat()->GetEntryCount() : 0);
    }

    std::filesystem::remove_all(root);
    return 0;
}
