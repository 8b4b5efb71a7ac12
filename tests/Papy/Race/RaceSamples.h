#pragma once
// The files of the independent generator (race.py) and small helpers to load and save the
// race files from memory.
#include <fstream>
#include <functional>
#include <iterator>
#include <memory>
#include <sstream>
#include <string>
#include <utility>
#include <vector>

#include "Support/ByteBuilder.h"
#include "Util/Exception.h"
#include "Util/MemoryStream.h"

namespace VelmoTest
{
typedef std::vector<std::uint8_t> Bytes;

inline std::string RaceSampleFolder()
{
    return VELMO_RACE_SAMPLE_DIR;
}

inline Bytes ReadRaceSample(const std::string& name)
{
    std::ifstream in(RaceSampleFolder() + "/" + name, std::ios::binary);
    return Bytes(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

// The lines of a listing, each split into words.
inline std::vector<std::vector<std::string>> ReadListing(const std::string& name)
{
    std::vector<std::vector<std::string>> lines;
    std::ifstream in(RaceSampleFolder() + "/" + name);
    std::string line;
    while (std::getline(in, line))
    {
        std::istringstream words(line);
        std::vector<std::string> split;
        for (std::string word; words >> word;)
            split.push_back(word);
        if (!split.empty())
            lines.push_back(std::move(split));
    }
    return lines;
}

// The crafted files and the message each must be refused with.
inline std::vector<std::pair<std::string, std::string>> CraftedFiles()
{
    std::vector<std::pair<std::string, std::string>> files;
    std::ifstream in(RaceSampleFolder() + "/crafted.list");
    std::string line;
    while (std::getline(in, line))
    {
        auto blank = line.find(' ');
        if (blank != std::string::npos)
            files.emplace_back(line.substr(0, blank), line.substr(blank + 1));
    }
    return files;
}

// Loads a file object of type T from bytes in memory.
template <class T>
std::unique_ptr<T> LoadRace(const Bytes& bytes, const std::string& name = "test")
{
    Velmo::Util::MemoryStream stream(bytes, name);
    return std::make_unique<T>(stream);
}

// What a file object writes with Save.
template <class T>
Bytes SaveRace(const T& file)
{
    Velmo::Util::MemoryStream stream("saved");
    file.Save(stream);
    return stream.GetBytes();
}

// The expression of the assertion that action raises, or "" when it raises none.
inline std::string AssertionOf(const std::function<void()>& action)
{
    try
    {
        action();
    }
    catch (const Velmo::Util::XAssertion& e)
    {
        return e.GetExpression();
    }
    return "";
}

// The four letters of a chunk id as they stand in a file (reversed).
inline std::string Letters(const std::string& id)
{
    return std::string(id.rbegin(), id.rend());
}
} // namespace VelmoTest
