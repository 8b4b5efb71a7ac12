#include "Util/PathName.h"

#include <cerrno>

#include "Util/Exception.h"
#include "Util/FileSystem.h"

namespace Velmo::Util
{
PathName::PathName() : m_root(false)
{
}

PathName::PathName(const std::string& path) : m_root(false)
{
    if (path.empty())
        return;

    // A name a user types or a file holds: one that names nothing (it holds a NUL) or is too
    // long for the system is refused as the system would refuse it.
    std::string absolute;
    if (!MakeAbsolutePath(path, absolute))
        throw XFileOpen(path, absolute.empty() ? "File not found" : SystemErrorText(ENAMETOOLONG));

    if (absolute == "/")
    {
        m_root = true;
        m_fullPath = m_pathAsFolder = m_baseName = m_fileName = m_folderAndBase = absolute;
        return;
    }

    std::size_t lastSeparator = absolute.rfind('/');
    m_fullPath = absolute;
    m_pathAsFolder = absolute + "/";
    m_fileName = absolute.substr(lastSeparator + 1);
    m_directory = absolute.substr(0, lastSeparator + 1);
    std::size_t dot = m_fileName.rfind('.');
    if (dot == std::string::npos)
        m_baseName = m_fileName;
    else
    {
        m_baseName = m_fileName.substr(0, dot);
        m_extension = m_fileName.substr(dot + 1);
    }
    m_folderAndBase = m_directory + m_baseName;
}
} // namespace Velmo::Util
