#include "Util/FileSystem.h"

#include <algorithm>
#include <cerrno>
#include <climits>
#include <cstring>
#include <dirent.h>
#include <sys/stat.h>
#include <unistd.h>

#include "Util/LookupPass.h"

namespace Velmo::Util
{
namespace
{
char FoldClassic(char c)
{
    return c >= 'A' && c <= 'Z' ? char(c - 'A' + 'a') : c;
}

// Lower-cases one character through the locale. The classic locale changes A to Z only; a
// character over 127 is never used as an index or passed as a negative int.
struct Folder
{
    explicit Folder(const std::locale& locale)
        : classic(locale == std::locale::classic()), ctype(&std::use_facet<std::ctype<char>>(locale))
    {
    }
    char operator()(char c) const { return classic ? FoldClassic(c) : ctype->tolower(c); }

    bool classic;
    const std::ctype<char>* ctype;
};

bool Exists(const std::string& path)
{
    struct stat info;
    return lstat(path.c_str(), &info) == 0;
}

std::uint64_t listings = 0;

// Sorts names in NameLess order, each folded once rather than at every comparison: the
// folded forms compare as CompareNoCase compares (characters as signed 8-bit values, a prefix
// first), the bytes break ties.
void SortNames(std::vector<std::string>& names)
{
    std::vector<std::string> folded(names.size());
    std::vector<std::size_t> order(names.size());
    for (std::size_t i = 0; i < names.size(); ++i)
    {
        folded[i] = names[i];
        for (char& c : folded[i])
            c = FoldClassic(c);
        order[i] = i;
    }
    auto signedLess = [](const std::string& a, const std::string& b) {
        const std::size_t common = std::min(a.size(), b.size());
        for (std::size_t i = 0; i < common; ++i)
            if (a[i] != b[i])
                return static_cast<signed char>(a[i]) < static_cast<signed char>(b[i]);
        return a.size() < b.size();
    };
    std::sort(order.begin(), order.end(), [&](std::size_t a, std::size_t b) {
        if (folded[a] != folded[b])
            return signedLess(folded[a], folded[b]);
        return names[a] < names[b];
    });
    std::vector<std::string> sorted;
    sorted.reserve(names.size());
    for (std::size_t i : order)
        sorted.push_back(std::move(names[i]));
    names = std::move(sorted);
}

void AppendComponent(std::string& path, const std::string& component)
{
    if (path.empty() || path.back() != '/')
        path += '/';
    path += component;
}
} // namespace

std::string ToLower(const std::string& text, const std::locale& locale)
{
    Folder fold(locale);
    std::string result(text);
    for (char& c : result)
        c = fold(c);
    return result;
}

int CompareNoCase(const std::string& a, const std::string& b, const std::locale& locale)
{
    Folder fold(locale);
    std::size_t common = std::min(a.size(), b.size());
    for (std::size_t i = 0; i < common; ++i)
    {
        int ca = static_cast<signed char>(fold(a[i]));
        int cb = static_cast<signed char>(fold(b[i]));
        if (ca != cb)
            return ca - cb;
    }
    if (a.size() == b.size())
        return 0;
    return a.size() < b.size() ? -int(std::min<std::size_t>(b.size() - a.size(), INT_MAX))
                               : int(std::min<std::size_t>(a.size() - b.size(), INT_MAX));
}

bool FileExists(const std::string& name)
{
    std::string path;
    if (!ResolvePath(name, path))
        return false;
    struct stat info;
    return stat(path.c_str(), &info) == 0 && !S_ISDIR(info.st_mode);
}

bool MakeAbsolutePath(const std::string& path, std::string& result)
{
    if (path.empty() || path.find('\0') != std::string::npos)
        return false;
    std::string text(path);
    std::replace(text.begin(), text.end(), '\\', '/');
    if (text[0] != '/')
    {
        char current[PATH_MAX];
        if (getcwd(current, sizeof current) == nullptr)
            return false;
        text = std::string(current) + "/" + text;
    }

    std::vector<std::string> components;
    std::size_t start = 0;
    while (start <= text.size())
    {
        std::size_t end = text.find('/', start);
        if (end == std::string::npos)
            end = text.size();
        std::string component = text.substr(start, end - start);
        if (component == "..")
        {
            if (!components.empty())
                components.pop_back();
        }
        else if (!component.empty() && component != ".")
            components.push_back(std::move(component));
        start = end + 1;
    }

    std::string absolute;
    for (const std::string& component : components)
    {
        absolute.push_back('/');
        absolute.append(component);
    }
    if (absolute.empty())
        absolute.push_back('/');
    bool fits = absolute.size() < PATH_MAX;
    result = std::move(absolute);
    return fits;
}

std::string ResolveCase(const std::string& absolutePath)
{
    int error = 0;
    return ResolveCase(absolutePath, error);
}

std::string ResolveCase(const std::string& absolutePath, int& listingError)
{
    listingError = 0;
    if (absolutePath.empty() || absolutePath[0] != '/' || Exists(absolutePath))
        return absolutePath;
    std::string remembered;
    if (LookupPass::FindMissing(absolutePath, remembered, listingError))
        return remembered;

    std::string resolved(1, '/');
    std::size_t start = 1;
    while (start < absolutePath.size())
    {
        std::size_t end = absolutePath.find('/', start);
        if (end == std::string::npos)
            end = absolutePath.size();
        std::string component = absolutePath.substr(start, end - start);
        std::string candidate = resolved;
        AppendComponent(candidate, component);
        if (!Exists(candidate))
        {
            const std::shared_ptr<const FolderIndex> index = LookupPass::IndexOf(resolved);
            const std::string* match = index->Match(component);
            if (match == nullptr)
            {
                listingError = index->GetError();
                AppendComponent(resolved, absolutePath.substr(start));
                LookupPass::RememberMissing(absolutePath, resolved, listingError);
                return resolved;
            }
            candidate = resolved;
            AppendComponent(candidate, *match);
        }
        resolved = std::move(candidate);
        start = end + 1;
    }
    return resolved;
}

bool ResolvePath(const std::string& path, std::string& result)
{
    std::string absolute;
    if (!MakeAbsolutePath(path, absolute))
    {
        result.clear();
        return false;
    }
    result = ResolveCase(absolute);
    return true;
}

bool HasCaseTwin(const std::string& absolutePath)
{
    const std::size_t separator = absolutePath.rfind('/');
    if (separator == std::string::npos || separator + 1 >= absolutePath.size())
        return false;
    const std::string folder = separator == 0 ? "/" : absolutePath.substr(0, separator);
    return LookupPass::IndexOf(folder)->HasTwin(absolutePath.substr(separator + 1));
}

bool NameLess(const std::string& a, const std::string& b)
{
    int order = CompareNoCase(a, b);
    return order != 0 ? order < 0 : a < b;
}

std::uint64_t FolderListings()
{
    return listings;
}

bool ReadFolderNames(const std::string& folder, std::vector<std::string>& names, int& error)
{
    names.clear();
    ++listings;
    DIR* dir = opendir(folder.c_str());
    if (dir == nullptr)
    {
        error = errno;
        return false;
    }
    for (;;)
    {
        errno = 0;
        dirent* entry = readdir(dir);
        if (entry == nullptr)
        {
            error = errno;
            break;
        }
        names.emplace_back(entry->d_name);
    }
    closedir(dir);
    if (error != 0)
    {
        names.clear();
        return false;
    }
    SortNames(names);
    return true;
}

bool MatchWildcard(const std::string& pattern, const std::string& name)
{
    // Greedy matching with one backtrack point: the last '*' seen and where it started
    // matching in name.
    std::size_t p = 0, n = 0;
    std::size_t star = std::string::npos, starName = 0;
    while (n < name.size())
    {
        if (p < pattern.size() && pattern[p] == '*')
        {
            star = p++;
            starName = n;
        }
        else if (p < pattern.size() &&
                 (pattern[p] == '?' || FoldClassic(pattern[p]) == FoldClassic(name[n])))
        {
            ++p;
            ++n;
        }
        else if (star != std::string::npos)
        {
            p = star + 1;
            n = ++starName;
        }
        else
            return false;
    }
    while (p < pattern.size() && pattern[p] == '*')
        ++p;
    return p == pattern.size();
}

std::string SystemErrorText(int error)
{
    return std::strerror(error);
}
} // namespace Velmo::Util
