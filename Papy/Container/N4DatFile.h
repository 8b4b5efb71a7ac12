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
//
// Saving refuses names of more than 255 characters, more than 32767 entries, and sizes or
// offsets beyond 4 GB (XUsage).
#include <string>
#include <vector>

#include "Papy/Container/DatArchive.h"
#include "Util/RecordReader.h"

namespace Velmo::Papy
{
class N4DatFile : public DatArchive
{
public:
    // Reads the directory of the archive at path, opened for update or for reading only.
    N4DatFile(const std::string& path, bool forUpdate);
    // A new, empty archive, held in memory: its file must not exist, and its first Save makes it.
    explicit N4DatFile(const std::string& path);
    // Reads the directory of an archive held in a stream, named as the stream is; read only.
    explicit N4DatFile(const Util::CountedPointer<Util::BinaryStream>& stream);

    // Whether a file whose first bytes reader gives opens an archive of this layout: a negative
    // entry count, a directory size, the reserved word 0 and the first record's type 5. Reads
    // the first eleven bytes only; a shorter file fails with the reader's short read.
    static bool IsArchiveHead(Util::RecordReader& reader);

    // Takes the game files of the archive's folder and of its sub-folders art, bkgrnds, stamps,
    // trackmat and widgets (at any depth; links to folders are not followed); bitmaps are
    // stored, the rest imploded.
    void Build(bool report) override;

private:
    void ReadDirectory();
    // Appends the archived files of folder, their names starting with prefix.
    void Scan(const std::string& folder, const std::string& prefix, std::vector<Entry>& entries) const;
    void WriteDirectory(Util::BinaryStream& output, const std::vector<Entry>& entries) const override;
};
} // namespace Velmo::Papy
