#pragma once
// A file path made absolute once and split into its parts, so that nobody parses it again.
// For /games/track/monza.trk: full path /games/track/monza.trk, path as folder
// /games/track/monza.trk/, folder /games/track/, file name monza.trk, base name monza,
// extension trk, folder and base /games/track/monza.
#include <string>

namespace Velmo::Util
{
class PathName
{
public:
    // The empty path: every part empty, not a root.
    PathName();
    // '\' reads as '/'; one trailing separator is dropped; the path is made absolute without
    // looking at the disk. A path that cannot be made absolute (the current folder is gone)
    // or is PATH_MAX characters or longer fails an assertion.
    explicit PathName(const std::string& path);

    const std::string& GetFullPath() const { return m_fullPath; }
    const std::string& GetPathAsFolder() const { return m_pathAsFolder; }
    // The file name up to its last dot (all of it when there is none).
    const std::string& GetBaseName() const { return m_baseName; }
    // The text after the last dot of the file name; empty when there is no dot.
    const std::string& GetExtension() const { return m_extension; }
    // The folder holding the file, ending in '/'; empty for the root.
    const std::string& GetDirectory() const { return m_directory; }
    const std::string& GetFileName() const { return m_fileName; }
    const std::string& GetFolderAndBase() const { return m_folderAndBase; }
    // True for the root "/", which has no file-name part: full path, path as folder, base
    // name, file name and folder and base are then all "/", extension and folder empty.
    bool IsRoot() const { return m_root; }

private:
    std::string m_fullPath;
    std::string m_pathAsFolder;
    std::string m_baseName;
    std::string m_extension;
    std::string m_directory;
    std::string m_fileName;
    std::string m_folderAndBase;
    bool m_root;
};
} // namespace Velmo::Util
