#pragma once
// What the DAT container tests share: the archives of the independent writer (datfile.py) with
// their manifests, and small helpers.
#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <iterator>
#include <sstream>
#include <string>
#include <vector>

#include "Papy/Container/DatFile.h"
#include "Papy/Container/ICR2DatFile.h"
#include "Papy/Container/N4DatFile.h"
#include "Util/MemoryStream.h"
#include "Papy/Model/Options.h"
#include "Util/BinaryStream.h"
#include "Util/CountedPointer.h"
#include "Util/Exception.h"

namespace VelmoTest
{
struct DatSampleEntry
{
    std::string name; // as stored, with '\'
    int method;
    std::uint32_t size;
    bool bad; // the entry cannot be opened
    std::string bytes;
};

struct DatSample
{
    std::string file, format;
    std::vector<DatSampleEntry> entries;
};

// An archive made to fail: at load, or when entry openIndex is opened.
struct DatCrafted
{
    std::string file, format;
    bool strict;
    int openIndex;
    std::string message;
};

inline std::string DatSamplePath(const std::string& file)
{
    return std::string(VELMO_DAT_SAMPLE_DIR) + "/" + file;
}

inline std::string Unhex(const std::string& hex)
{
    std::string bytes;
    if (hex == "-")
        return bytes;
    for (std::size_t i = 0; i + 1 < hex.size(); i += 2)
        bytes.push_back(char(std::stoi(hex.substr(i, 2), nullptr, 16)));
    return bytes;
}

inline std::vector<DatSample> ReadDatSamples(const std::string& format)
{
    std::vector<DatSample> samples;
    std::ifstream list(DatSamplePath("samples.list"));
    std::string line;
    while (std::getline(list, line))
    {
        std::istringstream words(line);
        std::string kind;
        words >> kind;
        if (kind == "archive")
        {
            DatSample sample;
            words >> sample.file >> sample.format;
            samples.push_back(sample);
        }
        else
        {
            DatSampleEntry entry;
            std::string data;
            words >> entry.name >> entry.method >> entry.size >> data;
            entry.bad = data == "bad";
            entry.bytes = entry.bad ? "" : Unhex(data);
            samples.back().entries.push_back(entry);
        }
    }
    std::vector<DatSample> chosen;
    for (const DatSample& sample : samples)
        if (sample.format == format)
            chosen.push_back(sample);
    EXPECT_FALSE(chosen.empty()) << "no " << format << " samples";
    return chosen;
}

inline std::vector<DatCrafted> ReadDatCrafted(const std::string& format)
{
    std::vector<DatCrafted> cases;
    std::ifstream list(DatSamplePath("messages.list"));
    std::string line;
    while (std::getline(list, line))
    {
        std::vector<std::string> fields;
        std::istringstream parts(line);
        for (std::string field; std::getline(parts, field, '|');)
            fields.push_back(field);
        if (fields.size() != 5 || fields[1] != format)
            continue;
        int openIndex = fields[3] == "load" ? -1 : std::stoi(fields[3].substr(5));
        cases.push_back(DatCrafted{fields[0], fields[1], fields[2] == "1", openIndex, fields[4]});
    }
    EXPECT_FALSE(cases.empty()) << "no " << format << " crafted archives";
    return cases;
}

inline Velmo::Util::CountedPointer<Velmo::Papy::DatFile> OpenDat(const std::string& format, const std::string& path,
                                                                bool forUpdate = false)
{
    if (format == "icr2")
        return Velmo::Util::CountedPointer<Velmo::Papy::DatFile>(new Velmo::Papy::ICR2DatFile(path, forUpdate));
    return Velmo::Util::CountedPointer<Velmo::Papy::DatFile>(new Velmo::Papy::N4DatFile(path, forUpdate));
}

inline Velmo::Util::CountedPointer<Velmo::Papy::DatFile> NewDat(const std::string& format, const std::string& path)
{
    if (format == "icr2")
        return Velmo::Util::CountedPointer<Velmo::Papy::DatFile>(new Velmo::Papy::ICR2DatFile(path));
    return Velmo::Util::CountedPointer<Velmo::Papy::DatFile>(new Velmo::Papy::N4DatFile(path));
}

inline std::string ReadAll(Velmo::Util::BinaryStream& stream)
{
    std::string bytes(std::size_t(stream.Size()), '\0');
    stream.Seek(0);
    stream.Read(Velmo::U32(bytes.size()), bytes.data());
    return bytes;
}

inline std::string FileBytes(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

// The entry's stored name put together again from its parts.
inline std::string EntryPath(const Velmo::Papy::DatFile& dat, int i)
{
    std::string folder = dat.GetEntryFolder(i);
    std::string extension = dat.GetEntryExtension(i);
    return (folder.empty() ? "" : folder + "\\") + dat.GetEntryName(i) + (extension.empty() ? "" : "." + extension);
}

// The independent checker's verdict on an archive written from the files of folder.
inline bool IndependentCheck(const std::string& archive, const std::string& format, const std::string& folder)
{
    std::string command = std::string(VELMO_PYTHON3) + " " + VELMO_DATFILE_PY + " check '" + archive + "' " + format +
                          " '" + folder + "'";
    return std::system(command.c_str()) == 0;
}

// Turns the strict checks on or off for one scope.
class StrictScope
{
public:
    explicit StrictScope(bool strict) : m_was(Velmo::Papy::Options::Instance()->Strict)
    {
        Velmo::Papy::Options::Instance()->Strict = strict;
    }
    ~StrictScope() { Velmo::Papy::Options::Instance()->Strict = m_was; }

private:
    bool m_was;
};

// The samples of one format load as their manifest says; bad entries fail alone.
// Read from its file, and from a stream of its bytes in memory (read only).
inline void CheckDatSamples(const std::string& format)
{
    for (const DatSample& sample : ReadDatSamples(format))
    for (bool inMemory : {false, true})
    {
        SCOPED_TRACE(sample.file + (inMemory ? " in memory" : ""));
        auto dat = OpenDat(format, DatSamplePath(sample.file));
        if (inMemory)
        {
            const std::string bytes = FileBytes(DatSamplePath(sample.file));
            Velmo::Util::CountedPointer<Velmo::Util::BinaryStream> stream(
                new Velmo::Util::MemoryStream(std::vector<Velmo::U8>(bytes.begin(), bytes.end()), sample.file));
            if (format == "icr2")
                dat = Velmo::Util::CountedPointer<Velmo::Papy::DatFile>(new Velmo::Papy::ICR2DatFile(stream));
            else
                dat = Velmo::Util::CountedPointer<Velmo::Papy::DatFile>(new Velmo::Papy::N4DatFile(stream));
            EXPECT_THROW(dat->Save(), Velmo::Util::RuntimeError); // it has no file to write
        }
        ASSERT_EQ(dat->GetEntryCount(), int(sample.entries.size()));
        for (int i = 0; i < dat->GetEntryCount(); ++i)
        {
            const DatSampleEntry& expected = sample.entries[std::size_t(i)];
            SCOPED_TRACE(expected.name);
            EXPECT_EQ(EntryPath(*dat, i), expected.name);
            EXPECT_EQ(dat->GetEntrySize(i), expected.size);
            if (expected.bad)
            {
                EXPECT_THROW(dat->OpenEntry(i), Velmo::Util::Exception);
                continue;
            }
            try
            {
                EXPECT_EQ(ReadAll(*dat->OpenEntry(i)), expected.bytes);
            }
            catch (const Velmo::Util::Exception& e)
            {
                ADD_FAILURE() << e.GetText();
            }
            if (expected.method == 0)
            {
                EXPECT_EQ(dat->GetEntryCompressedSize(i), expected.size);
            }
        }
    }
}

// Every crafted archive of one format fails with its message, word for word.
inline void CheckDatMessages(const std::string& format)
{
    for (const DatCrafted& crafted : ReadDatCrafted(format))
    {
        SCOPED_TRACE(crafted.file);
        StrictScope strict(crafted.strict);
        try
        {
            auto dat = OpenDat(format, DatSamplePath(crafted.file));
            ASSERT_GE(crafted.openIndex, 0) << "loaded";
            dat->OpenEntry(crafted.openIndex);
            ADD_FAILURE() << "opened";
        }
        catch (const Velmo::Util::XFileFormat& e)
        {
            EXPECT_EQ(e.GetMessage(), crafted.message);
        }
    }
}
} // namespace VelmoTest
