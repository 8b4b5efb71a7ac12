#include "Papy/Container/PapyDirectory.h"

#include <cerrno>
#include <sys/stat.h>

#include "Util/Exception.h"
#include "Util/FileSystem.h"

namespace Velmo::Papy
{
namespace
{
enum class Kind { Missing, File, Folder };

Kind KindOf(const std::string& path)
{
    struct stat info;
    if (stat(path.c_str(), &info) != 0)
        return Kind::Missing;
    return S_ISDIR(info.st_mode) ? Kind::Folder : Kind::File;
}

// The path without its last component; the root for a component right under it.
std::string CutLast(const std::string& path)
{
    std::size_t separator = path.rfind('/');
    return separator == 0 ? "/" : path.substr(0, separator);
}

std::string LastComponent(const std::string& path)
{
    return path.substr(path.rfind('/') + 1);
}
} // namespace

PapyDirectory::PapyDirectory() : m_root(false)
{
    Resolve(".");
}

PapyDirectory::PapyDirectory(const std::string& path) : m_root(false)
{
    Resolve(path);
}

// The folder is found thus:
// - a path that exists is the folder itself, or, naming a file, the folder holding it;
// - a missing path whose parent is a folder is a folder not yet made when its last
//   component has no dot, else a file to be made in the parent;
// - a missing path whose parent is a file lies in the file's folder, unless it is given as a
//   folder's own path (with a trailing separator): it is then that folder;
// - a missing path whose parent is missing too is a name inside that missing parent, which
//   is taken as the folder, whatever lies above it: missing folders (a folder known only to a
//   DAT may lie inside another such folder) or a file; a path whose folders were moved away,
//   or that goes on below a file, is then a file that its folder's factory does not find. Given
//   with a trailing separator (a folder's own path, as GetPath gives it), it is that folder
//   itself.
void PapyDirectory::Resolve(const std::string& path)
{
    const bool asFolder = !path.empty() && (path.back() == '/' || path.back() == '\\');
    std::string folder;
    // A path that names nothing, or one too long for the system, is refused as the system
    // would refuse it.
    if (!Util::ResolvePath(path, folder))
        throw Util::XFileOpen(path, path.empty() ? "File not found" : Util::SystemErrorText(ENAMETOOLONG));
    Kind kind = KindOf(folder);

    if (kind == Kind::Missing)
    {
        VELMO_ASSERT_TEXT(folder != "/", "path_sep[depth] != 0");
        std::string parent = CutLast(folder);
        kind = KindOf(parent);
        if (kind == Kind::Missing)
        {
            // Whatever lies above, a missing folder or a file below which nothing lies, the
            // missing parent is the folder, one whose factory finds no file.
            if (!asFolder)
                folder = parent;
        }
        else if (kind == Kind::File && asFolder)
            kind = Kind::Missing; // a folder's own path below a file: that folder, with nothing in it
        else if (kind != Kind::Folder || LastComponent(folder).find('.') != std::string::npos)
            folder = parent;
    }

    if (kind == Kind::File)
    {
        folder = CutLast(folder);
        VELMO_ASSERT_TEXT(KindOf(folder) == Kind::Folder,
                          "attributes != 0xFFFFFFFF && (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0");
    }

    if (folder == "/")
    {
        m_root = true;
        m_name = m_path = folder;
        m_parent.clear();
    }
    else
    {
        m_root = false;
        m_name = LastComponent(folder);
        m_path = folder + "/";
        m_parent = CutLast(folder);
        if (m_parent != "/")
            m_parent += "/";
    }
}

const std::string& PapyDirectory::GetParent() const
{
    VELMO_ASSERT_AT(!m_root, "!Root", ".\\PapyDirectory.cpp", 153);
    return m_parent;
}
} // namespace Velmo::Papy
