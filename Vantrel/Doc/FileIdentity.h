#pragma once
// What tells one state of a file on disk from another: its device and inode (a file renamed
// over it is another file), its size and its modification time to the nanosecond. Taken when a
// document reads its file and after each save, so that a save can tell whether another program
// has written the file since.
#include <cstdint>
#include <string>

struct FileIdentity
{
    bool Exists = false;
    std::uint64_t Device = 0;
    std::uint64_t Inode = 0;
    std::uint64_t Size = 0;
    std::int64_t Seconds = 0;
    std::int64_t Nanoseconds = 0;

    // The file a path names (through symbolic links); Exists is false when the system reaches
    // none there.
    static FileIdentity Of(const std::string& path);

    bool operator==(const FileIdentity&) const = default;
};
