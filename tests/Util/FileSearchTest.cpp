#include <gtest/gtest.h>

#include <cerrno>
#include <climits>
#include <fcntl.h>
#include <map>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include "Support/TempFolder.h"
#include "Util/DirectoryListing.h"
#include "Util/Exception.h"
#include "Util/FileSearch.h"

using namespace Velmo;
using namespace Velmo::Util;
using VelmoTest::TempFolder;

namespace
{
// The names a search reports, in order, joined by spaces.
std::string Names(const FileSearch& search)
{
    std::string names;
    for (FileSearch::Iterator i = search.Begin(); !(i == search.End()); i.Next())
        names += (names.empty() ? "" : " ") + i.Current().name;
    return names;
}

void MakeGameFolder(const TempFolder& folder)
{
    folder.Write("game/b.3do", "bb");
    folder.Write("game/A.3DO", "a");
    folder.Write("game/c.trk", "c");
    folder.Write("game/Monza.TRK", "m");
    folder.Write("game/readme", "r");
    folder.MakeFolder("game/cars.3do");
    folder.Write("game/Sub/x.rpy", "x");
    folder.Write("game/Sub/y.RPY", "y");
}
} // namespace

TEST(FileSearch, PatternsInListOrderEachInOneFixedOrder)
{
    TempFolder folder;
    MakeGameFolder(folder);
    const std::string game = folder.Path("game");
    struct Case
    {
        const char* patterns;
        char delimiter;
        U32 flags;
        const char* names;
    } cases[] = {
        {"*.3do|*.trk|*.rpy", '|', FileSearch::IncludeFiles, "A.3DO b.3do c.trk Monza.TRK"},
        {"*.trk|*.3do", '|', FileSearch::IncludeFiles, "c.trk Monza.TRK A.3DO b.3do"},
        // Empty tokens are skipped; a trailing delimiter adds nothing.
        {"||*.trk||", '|', FileSearch::IncludeFiles, "c.trk Monza.TRK"},
        {"*.trk;m*", ';', FileSearch::IncludeFiles, "c.trk Monza.TRK Monza.TRK"},
        {"*.3do", '|', FileSearch::IncludeFolders, "cars.3do"},
        {"*.3do", '|', 0, "A.3DO b.3do cars.3do"},
        {"?.*", '|', FileSearch::IncludeFiles, "A.3DO b.3do c.trk"},
        {"*", '|', FileSearch::IncludeFolders | FileSearch::IncludeDots, ". .. cars.3do Sub"},
        // Neither folders nor files asked for: both are taken.
        {"*", '|', FileSearch::IncludeDots, ". .. A.3DO b.3do c.trk cars.3do Monza.TRK readme Sub"},
        {".", '|', FileSearch::IncludeDots, "."},
        {"..|.", '|', 0, ""},
        // A folder part searches that folder below the search folder.
        {"sub\\*.rpy|SUB/y.*", '|', 0, "x.rpy y.RPY y.RPY"},
        {"*.pbf|nothere/*", '|', 0, ""},
        {"", '|', 0, ""},
    };
    for (const Case& c : cases)
        EXPECT_EQ(Names(FileSearch(game, c.patterns, c.delimiter, c.flags)), c.names) << c.patterns;
}

TEST(FileSearch, EntriesCarryPathAndDetails)
{
    TempFolder folder;
    MakeGameFolder(folder);
    FileSearch search(folder.Path("GAME"), "./sub/X.RPY|*.3do", '|', 0);
    EXPECT_EQ(search.GetFolder(), folder.Path("game/"));
    FileSearch::Iterator i = search.Begin();
    ASSERT_FALSE(i == search.End());
    EXPECT_EQ(i->name, "x.rpy");
    EXPECT_EQ(i->path, folder.Path("game/Sub/x.rpy"));
    EXPECT_FALSE(i->directory);
    EXPECT_EQ(i->size, 1u);
    FileSearch::Iterator copy = i;
    EXPECT_TRUE(copy == i);
    i.Next();
    EXPECT_FALSE(copy == i);
    EXPECT_EQ(copy->name, "x.rpy");
    EXPECT_EQ(i->path, folder.Path("game/A.3DO"));
    EXPECT_EQ((++i)->size, 2u);
    ++i;
    EXPECT_TRUE(i->directory);
    ++i;
    EXPECT_TRUE(i == search.End());
    i.Next();
    EXPECT_TRUE(i == search.End());
}

// Attributes and times come from the entry's status: read-only when nobody may write it, the
// folder bit for folders; access, change and write times as the file system keeps them.
TEST(FileSearch, EntriesCarryAttributesAndTimes)
{
    TempFolder folder;
    std::string plain = folder.Write("plain.trk", "x");
    std::string locked = folder.Write("locked.trk", "y");
    ASSERT_EQ(chmod(locked.c_str(), 0444), 0);
    ASSERT_EQ(mkdir(folder.Path("sub.trk").c_str(), 0755), 0);
    struct timespec times[2] = {{1000000, 0}, {2000000, 0}}; // access, write
    ASSERT_EQ(utimensat(AT_FDCWD, plain.c_str(), times, 0), 0);
    std::map<std::string, FileSearch::Entry> entries;
    for (const FileSearch::Entry& e : FileSearch(folder.Path(), "*.trk", '|', 0))
        entries[e.name] = e;
    ASSERT_EQ(entries.size(), 3u);
    EXPECT_EQ(entries["plain.trk"].attributes, 0u);
    EXPECT_EQ(entries["locked.trk"].attributes, FileSearch::AttributeReadOnly);
    EXPECT_EQ(entries["sub.trk"].attributes & FileSearch::AttributeDirectory, FileSearch::AttributeDirectory);
    EXPECT_EQ(entries["plain.trk"].accessed, 1000000);
    EXPECT_EQ(entries["plain.trk"].modified, 2000000);
    EXPECT_GE(entries["plain.trk"].changed, entries["plain.trk"].modified);
}

TEST(FileSearch, Folders)
{
    TempFolder folder;
    folder.Write("g/t.trk", "");
    folder.Write("top.trk", "");
    char saved[PATH_MAX];
    ASSERT_NE(getcwd(saved, sizeof saved), nullptr);
    ASSERT_EQ(chdir(folder.Path("g").c_str()), 0);
    // An empty folder means the current one; an absolute pattern stands alone.
    EXPECT_EQ(FileSearch("", "*.trk", '|', 0).GetFolder(), folder.Path("g/"));
    EXPECT_EQ(Names(FileSearch("", "*.trk|" + folder.Path("*.trk"), '|', 0)), "t.trk top.trk");
    EXPECT_EQ(Names(FileSearch("\"" + folder.Path("g") + "\"", "*", '|', 0)), "t.trk");
    // Kept as given, with a separator added, and searched relative to the current folder.
    FileSearch kept("../g", "*.trk", '|', FileSearch::KeepFolderAsGiven);
    EXPECT_EQ(kept.GetFolder(), "../g/");
    EXPECT_EQ(kept.Begin()->path, "../g/t.trk");
    std::string top = FileSearch("/", "*", '|', FileSearch::IncludeFolders).Begin()->path;
    EXPECT_EQ(top.rfind('/'), 0u) << top;
    ASSERT_EQ(chdir(saved), 0);
    // A missing folder matches nothing.
    EXPECT_EQ(Names(FileSearch(folder.Path("none"), "*", '|', 0)), "");
}

TEST(FileSearch, UnusableFolderThrowsSystemError)
{
    struct Case
    {
        std::string folder;
        int code;
        const char* text;
    } cases[] = {
        {"/tmp/a*b", EINVAL, "Invalid argument"},
        {"/tmp/a|b", EINVAL, "Invalid argument"},
        {"/tmp/<x>", EINVAL, "Invalid argument"},
        {"/" + std::string(PATH_MAX, 'x'), ENAMETOOLONG, "File name too long"},
    };
    for (const Case& c : cases)
    {
        try
        {
            FileSearch search(c.folder, "*", '|', 0);
            ADD_FAILURE() << c.folder;
        }
        catch (const system_exception& e)
        {
            EXPECT_EQ(e.GetCode(), c.code);
            EXPECT_STREQ(e.what(), c.text);
            const std::exception& standard = e;
            EXPECT_STREQ(standard.what(), c.text);
        }
    }
    EXPECT_STREQ(os_exception().what(), "operating system exception");
    EXPECT_STREQ(system_exception(ENOMEM).what(), "Out of memory");
}

TEST(FileSearch, LinkedFoldersCanBeSkipped)
{
    TempFolder folder;
    folder.MakeFolder("g/real");
    ASSERT_EQ(symlink(folder.Path("g/real").c_str(), folder.Path("g/link").c_str()), 0);
    ASSERT_EQ(symlink(folder.Path("g/none").c_str(), folder.Path("g/dangling").c_str()), 0);
    EXPECT_EQ(Names(FileSearch(folder.Path("g"), "*", '|', FileSearch::IncludeFolders)), "link real");
    EXPECT_EQ(Names(FileSearch(folder.Path("g"), "*", '|',
                               FileSearch::IncludeFolders | FileSearch::SkipLinkedFolders)),
              "real");
    EXPECT_EQ(Names(FileSearch(folder.Path("g"), "*", '|', FileSearch::IncludeFiles)), "dangling");
}

TEST(DirectoryListing, ListsEverythingButDotsInOneOrder)
{
    TempFolder folder;
    MakeGameFolder(folder);
    DirectoryListing listing{PathName(folder.Path("Game/"))};
    const char* expected[][2] = {{"A.3DO", "f"}, {"b.3do", "f"}, {"c.trk", "f"},   {"cars.3do", "d"},
                                 {"Monza.TRK", "f"}, {"readme", "f"}, {"Sub", "d"}};
    ASSERT_EQ(listing.GetCount(), std::size(expected));
    for (std::size_t i = 0; i < listing.GetCount(); ++i)
    {
        EXPECT_EQ(listing.GetEntry(i).GetFileName(), expected[i][0]);
        EXPECT_EQ(listing.GetEntry(i).GetFullPath(), folder.Path("game/") + expected[i][0]);
        EXPECT_EQ(listing.IsDirectory(i), expected[i][1][0] == 'd') << i;
    }
    EXPECT_THROW(listing.GetEntry(7), XAssertion);

    folder.MakeFolder("empty");
    EXPECT_EQ(DirectoryListing(PathName(folder.Path("empty"))).GetCount(), 0u);
    EXPECT_EQ(DirectoryListing(PathName(folder.Path("missing"))).GetCount(), 0u);
    EXPECT_EQ(DirectoryListing(PathName()).GetCount(), 0u);
}

// A folder that exists but cannot be read raises instead of listing nothing. Denied
// permission does not stop root, so under root the listing runs in a child process that has
// given up root for an unprivileged user.
TEST(DirectoryListing, UnreadableFolderRaises)
{
    TempFolder folder;
    folder.Write("locked/a", "");
    const std::string locked = folder.Path("locked");
    ASSERT_EQ(chmod(folder.Path().c_str(), 0755), 0);
    ASSERT_EQ(chmod(locked.c_str(), 0), 0);

    pid_t child = fork();
    ASSERT_GE(child, 0);
    if (child == 0)
    {
        if (geteuid() == 0 && (setgid(65534) != 0 || setuid(65534) != 0))
            _exit(3);
        struct stat info;
        if (stat(locked.c_str(), &info) != 0)
            _exit(4); // the temporary folder lies where this user cannot go
        int status = 1;
        try
        {
            DirectoryListing listing{PathName(locked)};
        }
        catch (const XFileOpen& e)
        {
            status = e.GetText() == "Couldn't open " + locked + "/\nPermission denied\n" ? 0 : 2;
        }
        _exit(status);
    }
    int status = 0;
    waitpid(child, &status, 0);
    chmod(locked.c_str(), 0700);
    if (WIFEXITED(status) && WEXITSTATUS(status) == 4)
        GTEST_SKIP() << "the temporary folder cannot be reached without root";
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << status;
}
