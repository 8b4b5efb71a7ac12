// Recognizes untrusted folders: the input is written into a folder of its own, once as the
// folder's DAT (named after the folder) and once as its first game file (the first byte picks
// the extension: .3do, .trk, .rpy, .rpl or .ptf), and the registry of the four game
// recognizers builds the folder's factory each time, and the DAT file's own. Each build either
// gives a factory or throws one of the library's errors.
//
// Seeds: the DAT samples of datfile.py and the 3D objects, tracks and replays of the other
// generators, e.g.
//   python3 tests/Papy/FacetSets/folders.py build /tmp/folders && cp /tmp/folders/dats/* corpus/
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <unistd.h>

#include "Papy/FacetSets/GameRecognizers.h"
#include "Papy/Factory/FileFactoryRegistry.h"
#include "Util/CountedPointer.h"
#include "Util/Exception.h"

using namespace Velmo;
using namespace Velmo::Papy;

namespace
{
std::string Folder()
{
    const char* tmp = std::getenv("TMPDIR");
    static const std::string folder = std::string(tmp != nullptr && *tmp ? tmp : "/tmp") + "/RecognizerFuzz-" +
                                      std::to_string(getpid()) + "/Oval";
    return folder;
}

void Build(const std::string& path)
{
    FileFactoryRegistry registry;
    GameRecognizers recognizers(registry);
    try
    {
        Util::CountedPointer<FileFactory> factory = registry.GetFactory(path, false);
        if (!factory && !std::filesystem::is_regular_file(path))
            std::abort(); // a folder always gets a factory
    }
    catch (const Util::Exception&)
    {
    }
}

// The folder is made once; each input replaces the file it lays there (a new file each time:
// truncating one in place makes the file system write it out at close) and takes it away again.
void Place(const std::string& path, const uint8_t* data, size_t size)
{
    static const bool made = std::filesystem::create_directories(Folder()) || true;
    static_cast<void>(made);
    std::remove(path.c_str());
    if (std::FILE* file = std::fopen(path.c_str(), "wb"))
    {
        std::fwrite(data, 1, size, file);
        std::fclose(file);
    }
}
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const std::string dat = Folder() + "/oval.dat";
    Place(dat, data, size);
    Build(Folder());
    Build(dat);
    std::remove(dat.c_str());

    static const char* extensions[] = {"3do", "trk", "rpy", "rpl", "ptf"};
    const std::string file = Folder() + "/a." + extensions[size > 0 ? data[0] % 5 : 0];
    Place(file, data, size);
    Build(Folder());
    std::remove(file.c_str());
    return 0;
}
