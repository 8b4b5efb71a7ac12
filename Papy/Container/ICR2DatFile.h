#pragma once
// The ICR2 archive, also the DAT container of GPL and N2 folders: flat, entries stored.
//
//   offset 0   S16 count of entries, above 0
//   offset 2   count records of 27 bytes: U8 signature 5, U8 method 0, U32 size, U32 size again,
//              13-byte name (8.3, NUL-terminated unless 13 characters long), U32 absolute offset
//   then       the entries' bytes at their offsets
//
// Saving refuses names of more than 12 characters, more than 32767 entries or none, and
// archives beyond 4 GB (XUsage).
#include <string>
#include <vector>

#include "Papy/Container/DatArchive.h"
#include "Util/RecordReader.h"

namespace Velmo::Papy
{
class ICR2DatFile : public DatArchive
{
public:
    // Reads the directory of the archive at path, opened for update or for reading only.
    ICR2DatFile(const std::string& path, bool forUpdate);
    // A new, empty archive, held in memory: its file must not exist, and its first Save makes it.
    explicit ICR2DatFile(const std::string& path);
    // Reads the directory of an archive held in a stream, named as the stream is; read only.
    explicit ICR2DatFile(const Util::CountedPointer<Util::BinaryStream>& stream);

    // Whether a file whose first bytes reader gives opens an archive of this layout: a positive
    // entry count, the first record signed 5 and stored. Reads the first four bytes only; a
    // shorter file fails with the reader's short read.
    static bool IsArchiveHead(Util::RecordReader& reader);

    // ICR2 archives have no folders: always empty.
    std::string GetEntryFolder(int i) const override;
    // Takes the files of the archive's folder (not its sub-folders) with 8.3 names and a game
    // file's extension, or named setup with a known setup extension.
    void Build(bool report) override;

private:
    void ReadDirectory();
    void WriteDirectory(Util::BinaryStream& output, const std::vector<Entry>& entries) const override;
};
} // namespace Velmo::Papy
