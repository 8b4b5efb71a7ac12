#include "Util/FileSearch.h"

#include <cerrno>
#include <sys/stat.h>

#include "Util/FileSystem.h"
#include "Util/LookupPass.h"

namespace Velmo::Util
{
system_exception::system_exception(int code) : m_code(code)
{
    if (code == ENOMEM)
        m_text = "Out of memory";
    else
    {
        m_text = SystemErrorText(code);
        while (!m_text.empty() && std::string(" \t\r\n.").find(m_text.back()) != std::string::npos)
            m_text.pop_back();
    }
}

FileSearch::FileSearch(const std::string& folder, const std::string& patterns, char delimiter, U32 flags)
    : m_patterns(patterns), m_delimiter(delimiter), m_flags(flags)
{
    if ((m_flags & (IncludeFolders | IncludeFiles)) == 0)
        m_flags |= IncludeFolders | IncludeFiles;

    std::string text = folder;
    if (text.size() >= 2 && text.front() == '"' && text.back() == '"')
        text = text.substr(1, text.size() - 2);
    if (text.empty())
        text.assign(1, '.');
    for (char& c : text)
        if (c == '\\')
            c = '/';

    if ((m_flags & KeepFolderAsGiven) == 0)
    {
        if (text.find_first_of("<>|*?") != std::string::npos)
            throw system_exception(EINVAL);
        std::string absolute;
        errno = 0;
        if (!MakeAbsolutePath(text, absolute))
            throw system_exception(!absolute.empty() ? ENAMETOOLONG : errno != 0 ? errno : EINVAL);
        text = ResolveCase(absolute);
    }
    if (text.back() != '/')
        text += '/';
    m_folder = text;
}

FileSearch::Iterator FileSearch::Begin() const
{
    Iterator iterator;
    iterator.m_search = this;
    iterator.Advance();
    return iterator;
}

void FileSearch::Iterator::Next()
{
    if (m_matches == nullptr)
        return;
    if (++m_index < m_matches->size())
        return;
    Advance();
}

// Moves to the first match of the next pattern that has any; the end when none is left.
void FileSearch::Iterator::Advance()
{
    m_matches.reset();
    m_index = 0;
    const std::string& list = m_search->m_patterns;
    while (m_nextToken < list.size())
    {
        std::size_t start = m_nextToken;
        if (list[start] == m_search->m_delimiter)
        {
            m_nextToken = start + 1;
            continue;
        }
        std::size_t end = list.find(m_search->m_delimiter, start);
        if (end == std::string::npos)
            end = list.size();
        m_nextToken = end;
        std::vector<Entry> matches = m_search->Search(list.substr(start, end - start));
        if (!matches.empty())
        {
            m_matches = std::make_shared<const std::vector<Entry>>(std::move(matches));
            return;
        }
    }
}

std::vector<FileSearch::Entry> FileSearch::Search(const std::string& token) const
{
    std::string text = token;
    for (char& c : text)
        if (c == '\\')
            c = '/';
    // A pattern with a folder part searches that folder: below the search folder, or as
    // given when it is absolute.
    std::string searchText = text[0] == '/' ? text : m_folder + text;
    std::size_t separator = searchText.rfind('/');
    std::string reportFolder = searchText.substr(0, separator);
    std::string pattern = searchText.substr(separator + 1);

    std::vector<Entry> matches;
    std::string folder;
    if (!ResolvePath(reportFolder.empty() ? "/" : reportFolder, folder))
        return matches;
    if (folder != "/")
        folder += '/';
    // Entries are reported under the folder as found (absolute, its names as the disk has
    // them), or under the folder as given when the search keeps it so.
    if ((m_flags & KeepFolderAsGiven) == 0)
        reportFolder = folder.substr(0, folder.size() - 1);

    auto add = [&](const std::string& name) {
        struct stat info;
        std::string path = folder + name;
        if (lstat(path.c_str(), &info) != 0)
            return;
        bool link = S_ISLNK(info.st_mode);
        if (link && stat(path.c_str(), &info) != 0)
            info.st_mode = S_IFREG; // a link to nothing counts as a file
        bool directory = S_ISDIR(info.st_mode);
        if (!Passes(name, directory, link))
            return;
        U32 attributes = directory ? AttributeDirectory : 0;
        if ((info.st_mode & (S_IWUSR | S_IWGRP | S_IWOTH)) == 0)
            attributes |= AttributeReadOnly;
        matches.push_back(Entry{name, reportFolder + "/" + name, directory, directory ? 0 : U64(info.st_size),
                                info.st_mtime, info.st_atime, info.st_ctime, attributes});
    };

    if (text == "." || text == "..")
        add(text);
    else
    {
        // Every pattern of the list that searches one folder reads the one listing of it.
        std::shared_ptr<const FolderIndex>& index = m_indexes[folder];
        if (!index)
            index = LookupPass::IndexOf(folder);
        for (const std::string& name : index->GetNames())
            if (MatchWildcard(pattern, name))
                add(name);
    }
    return matches;
}

bool FileSearch::Passes(const std::string& name, bool directory, bool link) const
{
    if (!directory)
        return (m_flags & IncludeFiles) != 0;
    if (name == "." || name == "..")
        return (m_flags & IncludeDots) != 0;
    if ((m_flags & IncludeFolders) == 0)
        return false;
    return !(link && (m_flags & SkipLinkedFolders) != 0);
}
} // namespace Velmo::Util
