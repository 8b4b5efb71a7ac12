#pragma once
// What tells one state of a file on disk from another: the device and inode of the file a path
// names (through links), its size, and its modification and change times to the nanosecond. A
// file written again, replaced by another (renamed onto, deleted and made anew), or given back
// its old modification time by a copying tool has another identity; a file merely read or
// opened keeps its own.
//
// Caches of objects read from files keep the identity of the file each object was read from
// and read the file again when the identity changed; a document can compare the identity of
// its file when it was opened with the file's identity now before it writes over it.
//
// Two changes within one step of the file system's clock (a few milliseconds) that leave the
// size as it was may leave the identity as it was too: an identity tells changes apart, not
// every write.
#include <string>

#include "Util/Types.h"

struct stat;

namespace Velmo::Util
{
class FileIdentity
{
public:
    // The identity of nothing: no file was there (or it could not be looked at).
    FileIdentity() = default;

    // The identity of what path names now, following links; the identity of nothing (with the
    // system's error code in error, when given) when the system cannot look at it.
    static FileIdentity Of(const std::string& path);
    static FileIdentity Of(const std::string& path, int& error);
    // The identity of what a successful stat described.
    static FileIdentity Of(const struct stat& info);

    // Whether a file was there when the identity was taken.
    bool Exists() const { return m_exists; }
    // Whether it was a folder.
    bool IsFolder() const { return m_folder; }
    U64 GetSize() const { return m_size; }
    // The modification time, nanoseconds since 1970.
    S64 GetModified() const { return m_modified; }

    // Two identities of nothing are equal; an identity of nothing equals no file's.
    bool operator==(const FileIdentity& other) const = default;

private:
    bool m_exists = false;
    bool m_folder = false;
    U64 m_device = 0;
    U64 m_inode = 0;
    U64 m_size = 0;
    S64 m_modified = 0;
    S64 m_changed = 0;
};
} // namespace Velmo::Util
