#pragma once
// The N4 archive: entries in folders (names with '\'), most of them imploded.
//
//   offset 0    S16 minus the number of entries
//   offset 2    U32 directory size: the bytes of directory after this header
//   offset 6    U32 reserved, 0
//   offset 10   the directory, records back to back: U8 type 5, U8 method (0 stored,
//               2 imploded), U32 size unpacked, U32 size in the archive (equal when stored),
//               U32 absolute offset, U8 name length L, L characters and a NUL
//   then        the entries' bytes at their offsets
#include <string>
#include <vector>

#include "Papy/Container/DatArchive.h"
#include "Papy/Container/DatFile.h"

namespace Velmo::Papy
{
class N4DatFile : public DatFile
{
public:
    // Reads the directory of the archive at path, opened for update or for reading only.
    N4DatFile(const std::string& path, bool forUpdate);
    // A new, empty archive: the file is created and must not exist.
    explicit N4DatFile(const std::string& path);

    const Util::PathName& GetPathName() const override { return m_archive.GetPathName(); }
    int GetEntryCount() const override { return int(m_entries.size()); }
    std::string GetEntryName(int i) const override;
    std::string GetEntryExtension(int i) const override;
    std::string GetEntryFolder(int i) const override;
    U32 GetEntrySize(int i) const override;
    U32 GetEntryCompressedSize(int i) const override;
    // A stored entry is a window on the archive; an imploded one is unpacked into memory here.
    Util::CountedPointer<Util::BinaryStream> OpenEntry(int i) override;
    Util::CountedPointer<Util::BinaryStream> OpenEntry(const std::string& name) override;
    // Takes the game files of the archive's folder and of its sub-folders art, bkgrnds, stamps,
    // trackmat and widgets (at any depth; links to folders are not followed); bitmaps are
    // stored, the rest imploded.
    void Build(bool report) override;
    // Names of more than 255 characters, more than 32767 entries and sizes or offsets beyond
    // 4 GB are refused with XUsage before anything is kept.
    void Save() override;

private:
    struct Entry
    {
        U8 method;
        U32 size;
        U32 compressedSize;
        U32 offset;
        std::string name;
    };

    const Entry& EntryAt(int i) const;
    void ReadDirectory();
    void Scan(const std::string& folder, const std::string& prefix);

    DatArchive m_archive;
    std::vector<Entry> m_entries;
};
} // namespace Velmo::Papy
