#pragma once
// A game archive: one file holding many game files, its entries. The rest of the system sees
// this interface only: it lists the entries (name, extension, folder, sizes), opens an entry as
// a read-only stream, builds a new entry list from what lies in the archive's own folder, and
// writes the archive. ICR2DatFile (flat, stored) and N4DatFile (folders, imploded) implement it.
//
// Entry names keep the archive's case and its '\' separators. Entry indices run from 0 to
// GetEntryCount() - 1; any other index fails an assertion.
//
// Saving never writes into the archive in place: the new archive is written beside it and put
// in its place once complete (BinaryFile::CreateAlways, Commit), then the container reads from
// the new file. A save that fails at any point leaves the archive byte for byte as it was. The
// container's stream, which stored entries that are open share, locks the file: a container
// whose entry streams are still open refuses to save (XUsage), as does one opened for reading
// only (XFileWrite). Entry files are read relative to the archive's folder only, through names
// that pass IsSafeRelativeName and folders that are not links.
#include <string>

#include "Util/BinaryStream.h"
#include "Util/CountedPointer.h"
#include "Util/PathName.h"
#include "Util/Types.h"

namespace Velmo::Papy
{
class DatFile
{
public:
    virtual ~DatFile() = default;

    virtual const Util::PathName& GetPathName() const = 0;
    virtual int GetEntryCount() const = 0;
    // The entry's file name without its extension and folder.
    virtual std::string GetEntryName(int i) const = 0;
    // The text after the last '.' of the entry's file name; empty when there is none.
    virtual std::string GetEntryExtension(int i) const = 0;
    // The entry's folder (before its last '\'); empty when it has none.
    virtual std::string GetEntryFolder(int i) const = 0;
    // The entry's size unpacked.
    virtual U32 GetEntrySize(int i) const = 0;
    // The bytes the entry takes in the archive.
    virtual U32 GetEntryCompressedSize(int i) const = 0;
    // The entry as a read-only stream at position 0. A damaged entry (beyond the archive, or
    // unpacking to more than its packed bytes can give) fails here, leaving the others readable.
    virtual Util::CountedPointer<Util::BinaryStream> OpenEntry(int i) = 0;
    // The first entry whose whole name equals name ignoring case (A to Z); empty when none.
    virtual Util::CountedPointer<Util::BinaryStream> OpenEntry(const std::string& name) = 0;
    // Replaces the entry list by the suitable files of the archive's folder; with report, lists
    // what was taken (and what not) on standard output. The archive is written by Save.
    virtual void Build(bool report) = 0;
    // Writes the archive from the files its entries name, in the archive's folder.
    virtual void Save() = 0;

protected:
    DatFile() = default;
    DatFile(const DatFile&) = delete;
    DatFile& operator=(const DatFile&) = delete;
};
} // namespace Velmo::Papy
