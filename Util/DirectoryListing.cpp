#include "Util/DirectoryListing.h"

#include <sys/stat.h>

#include "Util/Exception.h"
#include "Util/FileSystem.h"
#include "Util/LookupPass.h"

namespace Velmo::Util
{
DirectoryListing::DirectoryListing(const PathName& folder) : m_folder(folder)
{
    std::string path;
    if (!ResolvePath(folder.GetFullPath(), path))
        return;
    const std::shared_ptr<const FolderIndex> index = LookupPass::IndexOf(path);
    struct stat info;
    if (index->GetError() != 0)
    {
        if (stat(path.c_str(), &info) == 0 && S_ISDIR(info.st_mode))
            throw XFileOpen(path == "/" ? path : path + "/", SystemErrorText(index->GetError()));
        return;
    }
    if (path != "/")
        path += '/';
    for (const std::string& name : index->GetNames())
    {
        if (name == "." || name == "..")
            continue;
        std::string entry = path + name;
        bool directory = stat(entry.c_str(), &info) == 0 && S_ISDIR(info.st_mode);
        m_entries.push_back(Entry{PathName(entry), directory});
    }
}

const PathName& DirectoryListing::GetEntry(std::size_t index) const
{
    VELMO_ASSERT(index < m_entries.size());
    return m_entries[index].path;
}

bool DirectoryListing::IsDirectory(std::size_t index) const
{
    VELMO_ASSERT(index < m_entries.size());
    return m_entries[index].directory;
}
} // namespace Velmo::Util
