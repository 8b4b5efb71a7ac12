#pragma once
// A snapshot of every entry of a folder except "." and "..", each with its folder flag, in one
// fixed order (names compared without regard to case, see NameLess).
#include <cstddef>
#include <vector>

#include "Util/PathName.h"

namespace Velmo::Util
{
class DirectoryListing
{
public:
    // A folder that does not exist lists nothing; one that exists but cannot be read throws
    // XFileOpen with the folder and the system's text.
    explicit DirectoryListing(const PathName& folder);

    std::size_t GetCount() const { return m_entries.size(); }
    const PathName& GetEntry(std::size_t index) const;
    // True for a folder, or a link to one.
    bool IsDirectory(std::size_t index) const;
    const PathName& GetFolder() const { return m_folder; }

private:
    struct Entry
    {
        PathName path;
        bool directory;
    };

    PathName m_folder;
    std::vector<Entry> m_entries;
};
} // namespace Velmo::Util
