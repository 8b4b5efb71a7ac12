#include "Papy/Factory/MakeLookup.h"

#include <algorithm>

#include "Papy/Container/DatFile.h"
#include "Papy/Container/SafeName.h"
#include "Util/BinaryFile.h"
#include "Util/Exception.h"
#include "Util/FileSystem.h"

namespace Velmo::Papy::MakeLookup
{
std::string StandardFileName(const PapyDirectory& directory, const std::string& name, const std::string& extension,
                             const std::string& defaultExtension)
{
    std::string base = name;
    std::string ext;
    if (name.empty())
        base = directory.GetName();
    else if (auto dot = name.rfind('.'); dot != std::string::npos)
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

std::string Key(const std::string& file)
{
    return Util::ToLower(file);
}

Util::CountedPointer<Util::BinaryStream> OpenLoose(const PapyDirectory& directory, const std::string& key)
{
    if (!IsSafeRelativeName(key))
        return {};
    std::string path = directory.GetPath() + key;
    std::replace(path.begin() + std::ptrdiff_t(directory.GetPath().size()), path.end(), '\\', '/');
    if (!Util::FileExists(path))
        return {};
    try
    {
        return Util::CountedPointer<Util::BinaryStream>(Util::BinaryFile::OpenRead(path));
    }
    catch (const Util::XFileOpen&)
    {
        // A file that cannot be opened counts as missing: the DAT may have it.
        return {};
    }
}

Util::CountedPointer<Util::BinaryStream> OpenStandard(const PapyDirectory& directory,
                                                      const Util::CountedPointer<DatFile>& dat,
                                                      const std::string& key, const std::string& file, bool datOnly)
{
    Util::CountedPointer<Util::BinaryStream> stream;
    if (!datOnly)
        stream = OpenLoose(directory, key);
    if (!stream && dat)
        stream = dat->OpenEntry(key);
    if (!stream)
        throw Util::XFileOpen(directory.GetPath() + file, "File not found");
    return stream;
}
} // namespace Velmo::Papy::MakeLookup
