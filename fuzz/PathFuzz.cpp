// Wildcards and path splitting on any bytes. The first byte splits the rest into a pattern
// and a name: the wildcard matcher must agree with a plain table-driven matcher. The whole
// input is then taken as a path: made absolute it must be stable, and its parts must put it
// back together, and resolved as a folder below a small folder made for the run, in which
// the pattern list is then searched.
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

#include "Papy/Container/PapyDirectory.h"
#include "Util/Exception.h"
#include "Util/FileSearch.h"
#include "Util/FileSystem.h"
#include "Util/PathName.h"

using namespace Velmo;
using namespace Velmo::Util;

namespace
{
void Fail(const char* what)
{
    std::fprintf(stderr, "%s\n", what);
    std::abort();
}

char Fold(char c)
{
    return c >= 'A' && c <= 'Z' ? char(c - 'A' + 'a') : c;
}

// matched[i][j]: the first i pattern characters match the first j name characters.
bool ReferenceMatch(const std::string& pattern, const std::string& name)
{
    std::vector<std::vector<char>> matched(pattern.size() + 1, std::vector<char>(name.size() + 1, 0));
    matched[0][0] = 1;
    for (size_t i = 1; i <= pattern.size(); ++i)
        for (size_t j = 0; j <= name.size(); ++j)
        {
            char p = pattern[i - 1];
            if (p == '*')
                matched[i][j] = matched[i - 1][j] || (j > 0 && matched[i][j - 1]);
            else
                matched[i][j] = j > 0 && matched[i - 1][j - 1] && (p == '?' || Fold(p) == Fold(name[j - 1]));
        }
    return matched[pattern.size()][name.size()];
}

bool HasDotComponent(const std::string& path)
{
    return path.find("//") != std::string::npos || path.find("/./") != std::string::npos ||
           path.find("/../") != std::string::npos || path.ends_with("/.") || path.ends_with("/..");
}

// A folder of known names, removed when the run ends.
struct SearchFolder
{
    SearchFolder()
        : path((std::filesystem::temp_directory_path() / ("vantrel-pathfuzz-" + std::to_string(getpid()))).string())
    {
        std::filesystem::create_directories(path + "/Sub");
        for (const char* name : {"a.3do", "B.TRK", "track.3DO", "Sub/y.3do", ".hidden", "noext"})
            std::fclose(std::fopen((path + "/" + name).c_str(), "w"));
    }
    ~SearchFolder()
    {
        std::error_code ignored;
        std::filesystem::remove_all(path, ignored);
    }
    std::string path;
};
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    if (size == 0 || size > 512)
        return 0;
    std::string text(reinterpret_cast<const char*>(data + 1), size - 1);
    size_t split = std::min<size_t>(data[0], text.size());
    std::string pattern = text.substr(0, split), name = text.substr(split);

    if (MatchWildcard(pattern, name) != ReferenceMatch(pattern, name))
        Fail("wildcard matcher disagrees with the reference");

    std::string absolute;
    if (MakeAbsolutePath(text, absolute))
    {
        if (absolute.empty() || absolute[0] != '/' || (absolute.size() > 1 && absolute.back() == '/') ||
            absolute.find('\\') != std::string::npos || HasDotComponent(absolute))
            Fail("made a path that is not absolute and plain");
        std::string again;
        if (!MakeAbsolutePath(absolute, again) || again != absolute)
            Fail("an absolute path changed when made absolute again");

        PathName path(text);
        if (path.GetFullPath() != absolute)
            Fail("full path differs from the absolute path");
        if (path.IsRoot() != (absolute == "/"))
            Fail("root told wrongly");
        if (!path.IsRoot())
        {
            if (path.GetDirectory() + path.GetFileName() != path.GetFullPath() || path.GetFileName().empty() ||
                path.GetFileName().find('/') != std::string::npos || path.GetDirectory().back() != '/')
                Fail("directory and file name do not make the full path");
            std::string rebuilt = path.GetFolderAndBase();
            if (path.GetFileName().find('.') != std::string::npos)
                rebuilt += "." + path.GetExtension();
            if (rebuilt != path.GetFullPath() || path.GetExtension().find('.') != std::string::npos)
                Fail("folder and base with the extension do not make the full path");
            if (path.GetPathAsFolder() != path.GetFullPath() + "/")
                Fail("path as folder is not the full path and a separator");
        }
    }
    else
    {
        try
        {
            PathName path(text);
            if (!text.empty())
                Fail("a path that cannot be made absolute was taken");
        }
        catch (const XAssertion&)
        {
        }
    }

    static SearchFolder folder;
    // The folder a path below the known folder names, or would be made in.
    try
    {
        Papy::PapyDirectory directory(folder.path + "/" + text);
        const std::string& path = directory.GetPath();
        if (path.empty() || path[0] != '/' || path.back() != '/' || HasDotComponent(path))
            Fail("a folder path that is not absolute and plain");
        if (!directory.IsRoot() &&
            (directory.GetName().empty() || directory.GetName().find('/') != std::string::npos ||
             directory.GetParent() + directory.GetName() + "/" != path))
            Fail("parent and name do not make the folder path");
    }
    catch (const XAssertion&)
    {
    }

    // The pattern part as a list of patterns, in a folder of known names.
    if (pattern.size() <= 64)
    {
        try
        {
            U32 bits = name.empty() ? 0 : U8(name[0]);
            FileSearch search(folder.path, pattern, '|', bits << 3 | (bits & 0x80) << 4);
            int count = 0;
            for (const FileSearch::Entry& entry : search)
            {
                if (entry.path.empty() || entry.name.empty())
                    Fail("an entry without a name or path");
                if (++count > 10000)
                    Fail("a search that does not end");
            }
        }
        catch (const system_exception&)
        {
        }
    }
    return 0;
}
