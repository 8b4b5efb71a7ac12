#pragma once
// The samples of the file-pane tests: written by fileviews.py (which writes them with the
// independent generators' own writers) on first use and kept in the build folder, under a name
// made from the scripts' contents, so that every test process after the first reuses them and a
// changed generator gives fresh ones. Several test processes may ask at once: each writes into a
// folder of its own and the first to finish puts it in place.
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <sstream>
#include <stdexcept>
#include <string>
#include <vector>

#include <unistd.h>

#ifndef VELMO_PYTHON3
#define VELMO_PYTHON3 "python3"
#endif

namespace FileViewsTest
{
inline std::string ReadText(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

inline std::string Script()
{
    return std::string(VELMO_TEST_SOURCE_DIR) + "/Vantrel/Rows/fileviews.py";
}

// FNV-1a over the scripts, in hexadecimal.
inline std::string ScriptsStamp()
{
    const std::string papy = std::string(VELMO_TEST_SOURCE_DIR) + "/Papy/";
    std::uint64_t hash = 0xcbf29ce484222325ull;
    for (const std::string& path : {Script(), papy + "Container/datfile.py", papy + "Race/race.py",
                                    papy + "Bitmap/bitmap.py", papy + "FacetSets/folders.py"})
        for (unsigned char c : ReadText(path))
            hash = (hash ^ c) * 0x100000001b3ull;
    std::ostringstream text;
    text << std::hex << hash;
    return text.str();
}

// Runs fileviews.py with the arguments (the output folder last but one or last, as the command
// wants); throws when it fails.
inline void RunScript(const std::string& arguments)
{
    std::string command = std::string(VELMO_PYTHON3) + " \"" + Script() + "\" " + arguments;
    if (std::system(command.c_str()) != 0)
        throw std::runtime_error("failed: " + command);
}

// The folder of one part's samples (dat, cam, lyt, bitmap), made when missing.
inline std::string Samples(const std::string& part)
{
    namespace fs = std::filesystem;
    const fs::path folder = fs::path(VELMO_TEST_BINARY_DIR) / ("fileviews-" + ScriptsStamp()) / part;
    if (fs::exists(folder / "complete"))
        return fs::canonical(folder).string();
    fs::create_directories(folder.parent_path());
    const fs::path scratch = folder.string() + ".making-" + std::to_string(getpid());
    fs::remove_all(scratch);
    RunScript(part + " \"" + scratch.string() + "\"");
    std::ofstream(scratch / "complete") << "complete\n";
    std::error_code taken;
    fs::rename(scratch, folder, taken);
    if (taken)
        fs::remove_all(scratch); // another process was first
    return fs::canonical(folder).string();
}

// The lines of a tab-separated listing, each split at its tabs.
inline std::vector<std::vector<std::string>> ReadTable(const std::string& path)
{
    std::vector<std::vector<std::string>> rows;
    std::ifstream in(path);
    std::string line;
    while (std::getline(in, line))
    {
        std::vector<std::string> fields;
        std::size_t start = 0;
        for (;;)
        {
            std::size_t tab = line.find('\t', start);
            fields.push_back(line.substr(start, tab == std::string::npos ? std::string::npos : tab - start));
            if (tab == std::string::npos)
                break;
            start = tab + 1;
        }
        if (!line.empty())
            rows.push_back(fields);
    }
    return rows;
}
} // namespace FileViewsTest
