#include "Vantrel/Doc/FileIdentity.h"

#include <sys/stat.h>

FileIdentity FileIdentity::Of(const std::string& path)
{
    FileIdentity identity;
    struct stat info;
    if (path.empty() || stat(path.c_str(), &info) != 0)
        return identity;
    identity.Exists = true;
    identity.Device = std::uint64_t(info.st_dev);
    identity.Inode = std::uint64_t(info.st_ino);
    identity.Size = std::uint64_t(info.st_size);
    identity.Seconds = std::int64_t(info.st_mtim.tv_sec);
    identity.Nanoseconds = std::int64_t(info.st_mtim.tv_nsec);
    return identity;
}
