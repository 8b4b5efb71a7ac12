#pragma once
// The files of trkviews.py (tracks and replays made by the independent generators, with the
// rows and tree items the panes must show for them), written once per build folder and script
// version, and loaders for them.
#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <memory>
#include <sstream>
#include <string>
#include <vector>

#include "Papy/N4/N4ArchiverLists.h"
#include "Papy/N4/N4TdoFile.h"
#include "Papy/Race/GPLRpyFile.h"
#include "Papy/Race/N3RplFile.h"
#include "Papy/Track/GPLTrkFile.h"
#include "Papy/Track/ICR2TrkFile.h"
#include "Papy/Track/PtfTrack.h"
#include "Papy/Track/TrkTrack.h"
#include "Util/CountedPointer.h"
#include "Util/MemoryStream.h"

namespace VelmoTest
{
typedef std::vector<std::uint8_t> Bytes;

// One line of NAME.rows or NAME.tree: the hint, then the texts.
struct ExpectedLine
{
    int Depth = 0; // tree lines only
    int Hint = 0;
    std::string First;
    std::string Second;
};

// Runs `SCRIPT COMMAND FOLDER` once into a folder named after the times of the scripts it reads,
// so that a newer script writes afresh; concurrent test programs each write a copy of their own
// and keep the first that is in place.
inline std::string GeneratedFolder(const std::string& tag, const std::string& script, const std::string& command,
                                   const std::vector<std::string>& sources)
{
    namespace fs = std::filesystem;
    long long stamp = 0;
    for (const std::string& source : sources)
        stamp ^= (long long)fs::last_write_time(source).time_since_epoch().count();
    const std::string folder =
        std::string(VELMO_TEST_BINARY_DIR) + "/" + tag + "-" + std::to_string(stamp & 0xFFFFFFFFFF);
    if (fs::exists(folder + "/done"))
        return folder;
    const std::string scratch = folder + ".tmp" + std::to_string(getpid());
    const std::string line = std::string(VELMO_PYTHON3) + " \"" + script + "\" " + command + " \"" + scratch + "\"";
    if (std::system(line.c_str()) != 0)
        ADD_FAILURE() << "failed: " << line;
    std::ofstream(scratch + "/done") << "done\n";
    std::error_code error;
    fs::rename(scratch, folder, error);
    if (error)
    {
        fs::remove_all(scratch, error);
        return folder;
    }
    // What older scripts wrote is not read again.
    for (const auto& entry : fs::directory_iterator(VELMO_TEST_BINARY_DIR, error))
    {
        const std::string name = entry.path().filename().string();
        if (name.rfind(tag + "-", 0) == 0 && entry.path() != fs::path(folder) && name.find(".tmp") == std::string::npos &&
            name.find_first_not_of("0123456789", tag.size() + 1) == std::string::npos)
            fs::remove_all(entry.path(), error);
    }
    return folder;
}

// The files of trkviews.py: "samples" for the tests, "bench" for the benchmarks.
inline std::string TrkViewsFolder(const std::string& command = "samples")
{
    const std::string tests = VELMO_TEST_SOURCE_DIR;
    const std::string script = tests + "/Vantrel/Rows/trkviews.py";
    return GeneratedFolder("trkviews-" + command, script, command,
                           {script, tests + "/Papy/Track/trk.py", tests + "/Papy/Race/race.py",
                            tests + "/Papy/N4/n4archive.py", tests + "/Papy/FacetSets/folders.py"});
}

inline std::string TrkViewsPath(const std::string& name)
{
    return TrkViewsFolder() + "/" + name;
}

inline Bytes ReadBytes(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    EXPECT_TRUE(in.good()) << path;
    return Bytes(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

// NAME.rows (tree false) or NAME.tree (tree true).
inline std::vector<ExpectedLine> ReadExpected(const std::string& path, bool tree)
{
    std::vector<ExpectedLine> lines;
    std::ifstream in(path);
    EXPECT_TRUE(in.good()) << path;
    std::string text;
    while (std::getline(in, text))
    {
        std::vector<std::string> fields;
        std::size_t start = 0;
        for (std::size_t tab; (tab = text.find('\t', start)) != std::string::npos; start = tab + 1)
            fields.push_back(text.substr(start, tab - start));
        fields.push_back(text.substr(start));
        ExpectedLine line;
        if (tree && fields.size() == 3)
            line = {std::stoi(fields[0]), std::stoi(fields[1]), fields[2], ""};
        else if (!tree && fields.size() == 3)
            line = {0, std::stoi(fields[0]), fields[1], fields[2]};
        else
        {
            ADD_FAILURE() << path << ": " << text;
            continue;
        }
        lines.push_back(line);
    }
    return lines;
}

inline Velmo::Util::CountedPointer<Velmo::Papy::Track> LoadTrack(const std::string& path)
{
    using namespace Velmo;
    Util::MemoryStream stream(ReadBytes(path), path);
    Util::CountedPointer<Papy::TrkFile> file;
    if (path.find("icr2") != std::string::npos)
        file = Util::CountedPointer<Papy::TrkFile>(new Papy::ICR2TrkFile(stream));
    else
        file = Util::CountedPointer<Papy::TrkFile>(new Papy::GPLTrkFile(stream));
    return Util::CountedPointer<Papy::Track>(new Papy::TrkTrack(file));
}

inline Velmo::Util::CountedPointer<Velmo::Papy::Track> LoadPtfTrack(const std::string& path)
{
    using namespace Velmo;
    Util::CountedPointer<Util::BinaryStream> stream(new Util::MemoryStream(ReadBytes(path), path));
    Util::CountedPointer<Papy::TdoFile> ptf(new Papy::N4TdoFile(stream, Papy::GetN4PtfArchivers(), nullptr));
    return Util::CountedPointer<Papy::Track>(new Papy::PtfTrack(ptf, path));
}

inline std::unique_ptr<Velmo::Papy::RpyFile> LoadReplay(const std::string& path)
{
    using namespace Velmo;
    Util::MemoryStream stream(ReadBytes(path), path);
    if (path.size() > 4 && path.substr(path.size() - 4) == ".rpl")
        return std::make_unique<Papy::N3RplFile>(stream);
    return std::make_unique<Papy::GPLRpyFile>(stream);
}

// The N4 archive generator's sample of that name.
inline std::string N4SamplePath(const std::string& name)
{
    const std::string script = std::string(VELMO_TEST_SOURCE_DIR) + "/Papy/N4/n4archive.py";
    return GeneratedFolder("trkviews-n4", script, "samples", {script}) + "/" + name;
}
} // namespace VelmoTest
