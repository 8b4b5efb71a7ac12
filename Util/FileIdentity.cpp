#include "Util/FileIdentity.h"

#include <cerrno>
#include <sys/stat.h>

namespace Velmo::Util
{
FileIdentity FileIdentity::Of(const std::string& path)
{
    int error;
    return Of(path, error);
}

FileIdentity FileIdentity::Of(const std::string& path, int& error)
{
    error = 0;
    FileIdentity identity;
    struct stat info;
    if (path.empty() || stat(path.c_str(), &info) != 0)
    {
        error = path.empty() ? ENOENT : errno;
        return identity;
    }
    return Of(info);
}

FileIdentity FileIdentity::Of(const struct stat& info)
{
    FileIdentity identity;
    auto nanoseconds = [](const timespec& time) { return S64(time.tv_sec) * 1000000000 + time.tv_nsec; };
    identity.m_exists = true;
    identity.m_folder = S_ISDIR(info.st_mode);
    identity.m_device = U64(info.st_dev);
    identity.m_inode = U64(info.st_ino);
    identity.m_size = U64(info.st_size);
    identity.m_modified = nanoseconds(info.st_mtim);
    identity.m_changed = nanoseconds(info.st_ctim);
    return identity;
}
} // namespace Velmo::Util
