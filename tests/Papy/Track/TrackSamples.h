#pragma once
// The sample files the independent generator (trk.py) writes at build time, and small helpers
// to load tracks and lines from bytes.
#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <sstream>
#include <string>
#include <vector>

#include "Papy/Model/Options.h"
#include "Papy/Track/GPLTrkFile.h"
#include "Papy/Track/ICR2TrkFile.h"
#include "Papy/Track/TrkTrack.h"
#include "Util/CountedPointer.h"
#include "Util/MemoryStream.h"

namespace VelmoTest
{
typedef std::vector<std::uint8_t> Bytes;

inline std::string TrackSamplePath(const std::string& name)
{
    return std::string(VELMO_TRACK_SAMPLE_DIR) + "/" + name;
}

inline Bytes ReadTrackSample(const std::string& name)
{
    std::ifstream in(TrackSamplePath(name), std::ios::binary);
    EXPECT_TRUE(in.good()) << name;
    return Bytes(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

// The lines of a text sample split at tabs (or spaces when tabs is false).
inline std::vector<std::vector<std::string>> ReadTrackTable(const std::string& name, bool tabs = true)
{
    std::vector<std::vector<std::string>> rows;
    std::ifstream in(TrackSamplePath(name));
    std::string line;
    while (std::getline(in, line))
    {
        if (line.empty())
            continue;
        std::vector<std::string> row;
        std::string field;
        std::istringstream fields(line);
        while (std::getline(fields, field, tabs ? '\t' : ' '))
            row.push_back(field);
        rows.push_back(row);
    }
    return rows;
}

template <class File>
Velmo::Util::CountedPointer<File> LoadTrk(const Bytes& bytes, const std::string& name = "sample.trk")
{
    Velmo::Util::MemoryStream stream(bytes, name);
    return Velmo::Util::CountedPointer<File>(new File(stream));
}

inline Bytes SaveTrk(const Velmo::Papy::TrkFile& file)
{
    Velmo::Util::MemoryStream stream("saved.trk");
    file.Save(stream);
    return stream.GetBytes();
}

// Switches the Strict checks on for one scope.
class StrictScope
{
public:
    explicit StrictScope(bool strict = true) : m_was(Velmo::Papy::Options::Instance()->Strict)
    {
        Velmo::Papy::Options::Instance()->Strict = strict;
    }
    ~StrictScope() { Velmo::Papy::Options::Instance()->Strict = m_was; }

private:
    bool m_was;
};
} // namespace VelmoTest
