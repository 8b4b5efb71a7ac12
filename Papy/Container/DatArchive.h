#pragma once
// What both DAT formats share: the archive's path and its open stream (shared with the stored
// entries that are open), the entry list with the lexical split of entry names at '\', the
// folded-name index of OpenEntry(name), opening an entry (a window on the archive, or the
// entry unpacked into memory) after checking its bounds, and saving: the entries' files read
// from the archive's folder only, stored or imploded, into a new archive put in place of the
// old one. A format supplies its directory reader, its builder and its directory writer.
#include <string>
#include <unordered_map>
#include <vector>

#include "Papy/Container/DatFile.h"
#include "Util/BinaryStream.h"
#include "Util/CountedPointer.h"
#include "Util/PathName.h"
#include "Util/Types.h"

namespace Velmo::Papy
{
class DatArchive : public DatFile
{
public:
    const Util::PathName& GetPathName() const override { return m_path; }
    int GetEntryCount() const override { return int(m_entries.size()); }
    std::string GetEntryName(int i) const override;
    std::string GetEntryExtension(int i) const override;
    // The part of the entry's name before its last '\'; empty when it has none.
    std::string GetEntryFolder(int i) const override;
    U32 GetEntrySize(int i) const override;
    U32 GetEntryCompressedSize(int i) const override;
    // A stored entry is a window on the archive; an imploded one is unpacked into memory here.
    Util::CountedPointer<Util::BinaryStream> OpenEntry(int i) override;
    Util::CountedPointer<Util::BinaryStream> OpenEntry(const std::string& name) override;
    // Too few or too many entries, names too long for a directory record and archives beyond
    // 4 GB are refused with XUsage; nothing of the old archive changes unless the new one is
    // complete.
    void Save() override;

protected:
    static constexpr U8 stored = 0;
    static constexpr U8 imploded = 2;

    struct Entry
    {
        U8 method;           // stored or imploded
        U32 size;            // unpacked
        U32 compressedSize;  // in the archive
        U32 offset;          // absolute
        std::string name;    // as stored, folders separated by '\'
    };

    // What a format's directory can hold.
    struct Limits
    {
        const char* format;      // "ICR2", "N4": the start of every message
        std::size_t longestName; // the characters of an entry name a record holds
        bool needsEntries;       // a directory without records cannot be read back
    };

    enum class Open { Read, Update, New };

    DatArchive(const std::string& path, Open open, const Limits& limits);
    // An archive read from a stream of its bytes, named after the stream; it cannot be saved.
    DatArchive(const Util::CountedPointer<Util::BinaryStream>& stream, const Limits& limits);

    // The archive's full path, the file named by its format errors.
    const std::string& GetFileName() const { return m_path.GetFullPath(); }
    const Util::CountedPointer<Util::BinaryStream>& GetStream() const;
    const Entry& EntryAt(int i) const;
    // Puts a complete entry list in place of the old one (a reader's, or a build's).
    void SetEntries(std::vector<Entry> entries);

    // Writes the header and the directory of entries at the stream's position (0). Called
    // twice by Save: before the data, with sizes and offsets 0, and after it.
    virtual void WriteDirectory(Util::BinaryStream& output, const std::vector<Entry>& entries) const = 0;

    // Standard output, for the builders' reports.
    static void Report(const std::string& text);

private:
    // The index of the first entry whose name equals name ignoring case; -1 when none. The
    // index is built on first use and kept until the entries change.
    int Find(const std::string& name);
    // An entry that does not lie inside the archive, or claims more than it can unpack to.
    [[noreturn]] void ThrowSizeError() const;
    // The file that an entry of that name is saved from: the name relative to the archive's
    // folder, '\' read as '/'. An unsafe name, or one that passes through a link to a folder, is
    // refused with XUsage.
    std::string SourcePath(const std::string& name) const;
    // Writes the new archive from the files sources names into output; entries get their sizes
    // and offsets.
    void WriteArchive(Util::BinaryStream& output, std::vector<Entry>& entries, const std::vector<std::string>& sources) const;

    Util::CountedPointer<Util::BinaryStream> m_stream;
    Util::PathName m_path;
    Limits m_limits;
    bool m_writable;
    bool m_onDisk; // false for a new archive until its first save makes its file
    std::vector<Entry> m_entries;
    std::unordered_map<std::string, int> m_index;
};
} // namespace Velmo::Papy
