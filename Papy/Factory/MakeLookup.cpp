#include "Papy/Factory/MakeLookup.h"

#include <algorithm>
#include <cerrno>
#include <memory>
#include <sys/stat.h>

#include "Papy/Container/DatFile.h"
#include "Papy/Container/SafeName.h"
#include "Util/BinaryFile.h"
#include "Util/Exception.h"
#include "Util/FileSystem.h"
#include "Util/LookupPass.h"
#include "Util/PathName.h"

namespace Velmo::Papy::MakeLookup
{
std::string StandardFileName(const PapyDirectory& directory, const std::string& name, const std::string& extension,
                             const std::string& defaultExtension)
{
    std::string base = name;
    std::string ext;
    if (name.empty())
        base = directory.GetName();
    else if (auto dot = name.rfind('.'), folder = name.find_last_of("\\/");
             dot != std::string::npos && (folder == std::string::npos || dot > folder))
    {
        base = name.substr(0, dot);
        ext = name.substr(dot + 1);
    }
    if (!extension.empty())
        ext = extension;
    else if (ext.empty())
        ext = defaultExtension;
    return ext.empty() ? base : base + "." + ext;
}

std::string LooseFileName(const PapyDirectory& directory, const std::string& name, const std::string& extension,
                          const std::string& defaultExtension)
{
    return (name.empty() ? directory.GetName() : name) + "." + (extension.empty() ? defaultExtension : extension);
}

namespace
{
// The components of a file name without the empty and "." ones, joined by separator.
std::string Folded(const std::string& file, char separator)
{
    std::string folded;
    folded.reserve(file.size());
    std::size_t start = 0;
    for (;;)
    {
        const std::size_t end = file.find_first_of("\\/", start);
        const std::size_t length = (end == std::string::npos ? file.size() : end) - start;
        if (length != 0 && !(length == 1 && file[start] == '.'))
        {
            if (!folded.empty())
                folded += separator;
            folded.append(file, start, length);
        }
        if (end == std::string::npos)
            return folded;
        start = end + 1;
    }
}
} // namespace

std::string Key(const std::string& file)
{
    return Util::ToLower(Folded(file, '/'));
}

std::string DatName(const std::string& file)
{
    return Folded(file, '\\');
}

MakeOrigin DatOrigin(const DatFile& dat)
{
    MakeOrigin origin;
    origin.identity = Util::FileIdentity::Of(dat.GetPathName().GetFullPath());
    return origin;
}

MakeOrigin LooseOrigin(const PapyDirectory& directory, const std::string& file, std::string& entry, bool& twin)
{
    const LooseFile loose = FindLoose(directory, file);
    MakeOrigin origin;
    twin = loose.twin;
    entry = twin ? loose.name : Key(file);
    if (!loose.path.empty())
    {
        origin.path = loose.path;
        origin.identity = loose.identity;
        origin.size = origin.identity.GetSize();
    }
    return origin;
}

namespace
{
// Resolves a requested name in the folder and looks at what it names. True with its path and
// information when the system finds it; else false, with error 0 when the system says nothing
// is there (or the name is not a safe relative name), or the system's reason it cannot tell:
// the error of the look-up itself (a loop of links, a folder that may not be entered), or of
// the listing that a match without regard to case needed.
bool Reach(const PapyDirectory& directory, const std::string& file, std::string& path, struct stat& info,
           int& error)
{
    error = 0;
    path.clear();
    if (!IsSafeRelativeName(file))
        return false;
    std::string relative = file;
    std::replace(relative.begin(), relative.end(), '\\', '/');
    std::string absolute;
    if (!Util::MakeAbsolutePath(directory.GetPath() + relative, absolute))
        return false;
    int listingError = 0;
    path = Util::ResolveCase(absolute, listingError);
    if (stat(path.c_str(), &info) == 0)
        return true;
    error = errno == ENOENT || errno == ENOTDIR ? listingError : errno;
    return false;
}
} // namespace

LooseFile FindLoose(const PapyDirectory& directory, const std::string& file)
{
    Util::LookupPass pass;
    LooseFile found;
    std::string path;
    struct stat info;
    int error;
    if (!Reach(directory, file, path, info, error) || S_ISDIR(info.st_mode))
        return found;
    const std::string& folder = directory.GetPath();
    found.path = path;
    found.identity = Util::FileIdentity::Of(info);
    // The folder is resolved already, so the file's path begins with it.
    std::string relative = file;
    std::replace(relative.begin(), relative.end(), '\\', '/');
    found.name = path.compare(0, folder.size(), folder) == 0 ? path.substr(folder.size()) : relative;
    for (std::size_t end = found.name.find('/'); !found.twin; end = found.name.find('/', end + 1))
    {
        found.twin = Util::HasCaseTwin(folder + found.name.substr(0, end));
        if (end == std::string::npos)
            break;
    }
    return found;
}

Util::CountedPointer<Util::BinaryStream> OpenLoose(const LooseFile& file)
{
    if (file.path.empty())
        return {};
    try
    {
        return Util::CountedPointer<Util::BinaryStream>(Util::BinaryFile::OpenRead(file.path));
    }
    catch (const Util::XFileOpen&)
    {
        // A file that cannot be opened counts as missing: the DAT may have it.
        return {};
    }
}

Util::CountedPointer<Util::BinaryStream> OpenEntry(const Util::CountedPointer<DatFile>& dat, const std::string& key)
{
    return dat ? dat->OpenEntry(key) : Util::CountedPointer<Util::BinaryStream>();
}

void ThrowIfUnopenable(const PapyDirectory& directory, const std::string& file)
{
    Util::LookupPass pass;
    std::string path;
    struct stat info;
    int error;
    // Opened again, it raises the system's reason; one that opens now was missing a moment ago.
    if (Reach(directory, file, path, info, error))
        std::unique_ptr<Util::BinaryFile>(Util::BinaryFile::OpenRead(path));
    else if (error != 0)
        throw Util::XFileOpen(path, Util::SystemErrorText(error));
}

void ThrowNotFound(const PapyDirectory& directory, const std::string& file)
{
    ThrowIfUnopenable(directory, file);
    throw Util::XFileOpen(directory.GetPath() + file, "File not found");
}
} // namespace Velmo::Papy::MakeLookup
