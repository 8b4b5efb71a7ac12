// A container of a few named entries held in memory, found without regard to case, for the
// Make mechanism's tests: a test may change its entries and count how often one was opened.
// Its path may be a real file's, whose identity then stands for the container's.
#pragma once

#include <map>
#include <string>
#include <utility>
#include <vector>

#include "Papy/Container/DatFile.h"
#include "Util/FileSystem.h"
#include "Util/MemoryStream.h"
#include "Util/PathName.h"

namespace VelmoTest
{
class EntriesDat : public Velmo::Papy::DatFile
{
public:
    explicit EntriesDat(const std::string& path, std::map<std::string, std::string> given = {})
        : entries(std::move(given)), m_path(path)
    {
    }
    const Velmo::Util::PathName& GetPathName() const override { return m_path; }
    int GetEntryCount() const override { return int(entries.size()); }
    std::string GetEntryName(int) const override { return ""; }
    std::string GetEntryExtension(int) const override { return ""; }
    std::string GetEntryFolder(int) const override { return ""; }
    Velmo::U32 GetEntrySize(int) const override { return 0; }
    Velmo::U32 GetEntryCompressedSize(int) const override { return 0; }
    Velmo::Util::CountedPointer<Velmo::Util::BinaryStream> OpenEntry(int) override { return {}; }
    Velmo::Util::CountedPointer<Velmo::Util::BinaryStream> OpenEntry(const std::string& name) override
    {
        ++opened;
        for (const auto& [entry, text] : entries)
            if (Velmo::Util::CompareNoCase(entry, name) == 0)
                return Velmo::Util::CountedPointer<Velmo::Util::BinaryStream>(new Velmo::Util::MemoryStream(
                    std::vector<Velmo::U8>(text.begin(), text.end()), "dat:" + entry));
        return {};
    }
    void Build(bool) override {}
    void Save() override {}

    std::map<std::string, std::string> entries;
    int opened = 0;

private:
    Velmo::Util::PathName m_path;
};
} // namespace VelmoTest
