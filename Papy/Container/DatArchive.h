#pragma once
// What both DAT formats share: the archive's path and its open stream (shared with the stored
// entries that are open), the lexical split of entry names at '\', the folded-name index of
// OpenEntry(name), the bounds of an entry's data, and saving by replacement with entry files
// read from the archive's folder only.
#include <functional>
#include <string>
#include <unordered_map>

#include "Util/BinaryStream.h"
#include "Util/CountedPointer.h"
#include "Util/PathName.h"
#include "Util/Types.h"

namespace Velmo::Papy
{
class DatArchive
{
public:
    enum class Open { Read, Update, New };

    // format names the format in messages ("ICR2", "N4").
    DatArchive(const std::string& path, Open open, std::string format);

    const Util::PathName& GetPathName() const { return m_path; }
    // The archive's full path, the file named by its format errors.
    const std::string& GetFileName() const { return m_path.GetFullPath(); }
    const Util::CountedPointer<Util::BinaryStream>& GetStream() const;

    // The parts of an entry name ("art\sub\logo.mip"): the text after the last '\'
    // ("logo.mip"), before the last '\' ("art\sub"), and the file name's base and extension
    // split at its last '.'.
    static std::string FileNameOf(const std::string& name);
    static std::string FolderOf(const std::string& name);
    static std::string BaseNameOf(const std::string& name);
    static std::string ExtensionOf(const std::string& name);

    // The index of the first of count names (nameOf(i)) equal to name ignoring case; -1 when
    // none. The index is built on first use and kept until ForgetNames.
    int Find(const std::string& name, int count, const std::function<const std::string&(int)>& nameOf);
    void ForgetNames() { m_index.clear(); }

    // Fails with the format error message unless size bytes at offset lie inside the archive.
    void CheckInside(U64 offset, U64 size, const char* message) const;

    // The file that an entry of that name is saved from: the name relative to the archive's
    // folder, '\' read as '/'. An unsafe name, or one that passes through a link to a folder, is
    // refused with XUsage.
    std::string SourcePath(const std::string& name) const;

    // Writes a new archive with write, in place of the old one; committed runs once the new
    // archive is in place, before the container reopens it for update. Refused before anything
    // is touched when the archive is open for reading only (XFileWrite) or stored entries are
    // still open (XUsage). When anything fails the old archive stays as it was, and open.
    void Replace(const std::function<void(Util::BinaryStream&)>& write, const std::function<void()>& committed);

    // Standard output, for the builders' reports.
    static void Report(const std::string& text);

private:
    void Reopen();

    Util::PathName m_path;
    Util::CountedPointer<Util::BinaryStream> m_stream;
    std::string m_format;
    bool m_writable;
    std::unordered_map<std::string, int> m_index;
};
} // namespace Velmo::Papy
