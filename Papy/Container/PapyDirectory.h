#pragma once
// A folder resolved once: the folder a path names, or the folder that holds (or would hold)
// the file it names. Names are matched without regard to case.
#include <string>

namespace Velmo::Papy
{
class PapyDirectory
{
public:
    // The current folder.
    PapyDirectory();
    // Resolves path (see the constructor's comment in the source); a missing path below a file
    // fails an assertion.
    explicit PapyDirectory(const std::string& path);

    // The folder's last component; for the root, "/".
    const std::string& GetName() const { return m_name; }
    // The absolute path ending in '/'; for the root, "/".
    const std::string& GetPath() const { return m_path; }
    bool IsRoot() const { return m_root; }
    // The parent's absolute path ending in '/'. Fails an assertion for the root.
    const std::string& GetParent() const;

private:
    void Resolve(const std::string& path);

    bool m_root;
    std::string m_name;
    std::string m_path;
    std::string m_parent;
};
} // namespace Velmo::Papy
