#pragma once
// The entries of one folder that match a delimited list of wildcard patterns ("*.3do|*.trk"),
// pattern by pattern in list order. Within a pattern the entries come in one fixed order
// (names compared without regard to case, see NameLess), whatever order the file system keeps
// them in, because the first match may decide which game a folder belongs to. An entry that
// matches two patterns is reported twice.
#include <ctime>
#include <exception>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "Util/FolderIndex.h"
#include "Util/Types.h"

namespace Velmo::Util
{
// An error of the operating system, outside the library's own error tree.
class os_exception : public std::exception
{
public:
    const char* what() const noexcept override { return "operating system exception"; }
};

// An error of the host system: its error number and the system's text for it, without
// trailing blanks and dots ("Out of memory" for ENOMEM).
class system_exception : public os_exception
{
public:
    explicit system_exception(int code);
    const char* what() const noexcept override { return m_text.c_str(); }
    int GetCode() const { return m_code; }

private:
    int m_code;
    std::string m_text;
};

class FileSearch
{
public:
    // Flags; with neither IncludeFolders nor IncludeFiles both are taken.
    static constexpr U32 IncludeDots = 0x08;          // the entries "." and ".."
    static constexpr U32 IncludeFolders = 0x10;
    static constexpr U32 IncludeFiles = 0x20;
    static constexpr U32 SkipLinkedFolders = 0x100;   // with IncludeFolders: not symbolic links
    static constexpr U32 IncludeHidden = 0x200;       // no effect: every entry is reported
    static constexpr U32 IncludeSystem = 0x400;       // no effect
    static constexpr U32 KeepFolderAsGiven = 0x800;   // the folder is not made absolute

    // Attribute bits of an entry, as the host's permission bits and kind give them.
    static constexpr U32 AttributeReadOnly = 0x01;  // nobody may write it
    static constexpr U32 AttributeDirectory = 0x10; // a folder, or a link to one

    // One reported entry (of a link, what it leads to).
    struct Entry
    {
        std::string name;   // as the folder holds it
        std::string path;   // the folder searched (as on disk; as given with KeepFolderAsGiven), /, name
        bool directory;     // a folder, or a link to one
        U64 size;
        std::time_t modified; // last write
        std::time_t accessed; // last access
        std::time_t changed;  // last change of the contents or of the entry itself
        U32 attributes;
    };

    class Iterator
    {
    public:
        Iterator() = default;
        const Entry& Current() const { return (*m_matches)[m_index]; }
        const Entry& operator*() const { return Current(); }
        const Entry* operator->() const { return &Current(); }
        void Next();
        Iterator& operator++()
        {
            Next();
            return *this;
        }
        // Equal when both have run out, or both stand on the same entry of the same listing.
        bool operator==(const Iterator& other) const
        {
            return m_matches == other.m_matches && (m_matches == nullptr || m_index == other.m_index);
        }

    private:
        friend class FileSearch;
        void Advance();

        const FileSearch* m_search = nullptr;
        std::size_t m_nextToken = 0;
        // The matches of the current pattern, shared by copies of the iterator.
        std::shared_ptr<const std::vector<Entry>> m_matches;
        std::size_t m_index = 0;
    };

    // An empty folder means the current one. Unless KeepFolderAsGiven, the folder is made
    // absolute and matched without regard to case; a folder holding <, >, |, * or ?, one that
    // cannot be made absolute, or one that is too long throws system_exception. A folder in
    // double quotes is taken without them. A folder that does not exist matches nothing.
    FileSearch(const std::string& folder, const std::string& patterns, char delimiter, U32 flags);

    Iterator Begin() const;
    Iterator End() const { return Iterator(); }
    Iterator begin() const { return Begin(); }
    Iterator end() const { return End(); }

    // The search folder, ending in '/'.
    const std::string& GetFolder() const { return m_folder; }

private:
    // The matches of one pattern (a token of the list); empty when none.
    std::vector<Entry> Search(const std::string& token) const;
    bool Passes(const std::string& name, bool directory, bool link) const;

    std::string m_folder;
    // The listing of each folder searched so far.
    mutable std::map<std::string, std::shared_ptr<const FolderIndex>> m_indexes;
    std::string m_patterns;
    char m_delimiter;
    U32 m_flags;
};
} // namespace Velmo::Util
