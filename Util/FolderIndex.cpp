#include "Util/FolderIndex.h"

#include "Util/FileSystem.h"

namespace Velmo::Util
{
FolderIndex::FolderIndex(const std::string& folder)
{
    if (!ReadFolderNames(folder, m_names, m_error))
        return;
    // NameLess puts the names of one folded form next to each other.
    m_runs.reserve(m_names.size());
    for (std::size_t i = 0; i < m_names.size(); ++i)
    {
        auto [run, added] = m_runs.try_emplace(ToLower(m_names[i]), Run{U32(i), 0});
        ++run->second.count;
    }
}

const std::string* FolderIndex::Match(const std::string& name) const
{
    auto run = m_runs.find(ToLower(name));
    return run == m_runs.end() ? nullptr : &m_names[run->second.first];
}

bool FolderIndex::HasTwin(const std::string& name) const
{
    auto run = m_runs.find(ToLower(name));
    if (run == m_runs.end())
        return false;
    for (U32 i = 0; i < run->second.count; ++i)
        if (m_names[run->second.first + i] != name)
            return true;
    return false;
}
} // namespace Velmo::Util
