#pragma once
// The ICR2 archive, also the DAT container of GPL and N2 folders: flat, entries stored.
//
//   offset 0   S16 count of entries, above 0
//   offset 2   count records of 27 bytes: U8 signature 5, U8 method 0, U32 size, U32 size again,
//              13-byte name (8.3, NUL-terminated unless 13 characters long), U32 absolute offset
//   then       the entries' bytes at their offsets
#include <string>
#include <vector>

#include "Papy/Container/DatArchive.h"
#include "Papy/Container/DatFile.h"

namespace Velmo::Papy
{
class ICR2DatFile : public DatFile
{
public:
    // Reads the directory of the archive at path, opened for update or for reading only.
    ICR2DatFile(const std::string& path, bool forUpdate);
    // A new, empty archive: the file is created and must not exist.
    explicit ICR2DatFile(const std::string& path);

    const Util::PathName& GetPathName() const override { return m_archive.GetPathName(); }
    int GetEntryCount() const override { return int(m_entries.size()); }
    std::string GetEntryName(int i) const override;
    std::string GetEntryExtension(int i) const override;
    // ICR2 archives have no folders: always empty.
    std::string GetEntryFolder(int i) const override;
    U32 GetEntrySize(int i) const override;
    U32 GetEntryCompressedSize(int i) const override;
    Util::CountedPointer<Util::BinaryStream> OpenEntry(int i) override;
    Util::CountedPointer<Util::BinaryStream> OpenEntry(const std::string& name) override;
    // Takes the files of the archive's folder (not its sub-folders) with 8.3 names and a game
    // file's extension, or named setup with a known setup extension.
    void Build(bool report) override;
    // Names of more than 12 characters, more than 32767 entries (or none) and archives beyond
    // 4 GB are refused with XUsage before anything is written.
    void Save() override;

private:
    struct Entry
    {
        std::string name;
        U32 offset;
        U32 size;
    };

    const Entry& EntryAt(int i) const;
    void ReadDirectory();

    DatArchive m_archive;
    std::vector<Entry> m_entries;
};
} // namespace Velmo::Papy
