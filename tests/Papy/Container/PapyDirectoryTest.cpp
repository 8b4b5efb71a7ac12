#include <gtest/gtest.h>

#include <climits>
#include <unistd.h>

#include "Papy/Container/PapyDirectory.h"
#include "Support/TempFolder.h"
#include "Util/Exception.h"

using namespace Velmo::Papy;
using Velmo::Util::XAssertion;
using VelmoTest::TempFolder;

namespace
{
std::string AssertionOf(const std::string& path)
{
    try
    {
        PapyDirectory directory(path);
    }
    catch (const XAssertion& e)
    {
        EXPECT_STREQ(e.GetFile(), ".\\PapyDirectory.cpp");
        return e.GetExpression();
    }
    return "(none)";
}
} // namespace

TEST(PapyDirectory, Resolution)
{
    TempFolder folder;
    folder.Write("Games/Track/monza.trk", "m");
    const std::string games = folder.Path("Games/");
    struct Case
    {
        std::string given;
        std::string name, path;
    } cases[] = {
        // An existing file: the folder that holds it.
        {"Games/Track/monza.trk", "Track", games + "Track/"},
        {"games\\TRACK\\MONZA.TRK", "Track", games + "Track/"},
        // An existing folder, with or without a trailing separator.
        {"Games/Track/", "Track", games + "Track/"},
        {"games/track", "Track", games + "Track/"},
        // Missing: without a dot a folder not yet made, with one a file in the parent.
        {"Games/New", "New", games + "New/"},
        {"Games/new.dat", "Games", games},
        // Missing with its parent: the missing parent is the folder.
        {"Games/New/sub.dat", "New", games + "New/"},
        {"games/new/Sub", "new", games + "new/"},
        // Any number of missing folders above: the missing parent still.
        {"Games/a/b/c", "b", games + "a/b/"},
        {"Games/no/such/dir/x.trk", "dir", games + "no/such/dir/"},
        {"games/New/Sub/deeper/x.mip", "deeper", games + "New/Sub/deeper/"},
        // A folder's own path (a trailing separator) is that folder, however deep.
        {"Games/no/such/dir/", "dir", games + "no/such/dir/"},
        {"games\\New\\Sub\\", "Sub", games + "New/Sub/"},
        {"Games/New/", "New", games + "New/"},
        // Below an existing file: the file's folder.
        {"Games/Track/monza.trk/x", "Track", games + "Track/"},
    };
    for (const Case& c : cases)
    {
        PapyDirectory directory(folder.Path(c.given));
        EXPECT_FALSE(directory.IsRoot()) << c.given;
        EXPECT_EQ(directory.GetName(), c.name) << c.given;
        EXPECT_EQ(directory.GetPath(), c.path) << c.given;
        EXPECT_EQ(directory.GetParent(), c.path.substr(0, c.path.rfind('/', c.path.size() - 2) + 1)) << c.given;
    }
}

TEST(PapyDirectory, RootCurrentAndCopies)
{
    PapyDirectory root("/");
    EXPECT_TRUE(root.IsRoot());
    EXPECT_EQ(root.GetName(), "/");
    EXPECT_EQ(root.GetPath(), "/");
    try
    {
        root.GetParent();
        FAIL() << "no assertion";
    }
    catch (const XAssertion& e)
    {
        EXPECT_STREQ(e.GetExpression(), "!Root");
        EXPECT_STREQ(e.GetFile(), ".\\PapyDirectory.cpp");
    }
    // A file right under the root, and a top-level folder.
    EXPECT_TRUE(PapyDirectory("/etc/passwd").GetParent() == "/");
    EXPECT_TRUE(PapyDirectory("/nonexistent.dat").IsRoot());

    TempFolder folder;
    folder.MakeFolder("here");
    char saved[PATH_MAX];
    ASSERT_NE(getcwd(saved, sizeof saved), nullptr);
    ASSERT_EQ(chdir(folder.Path("here").c_str()), 0);
    PapyDirectory current;
    ASSERT_EQ(chdir(saved), 0);
    EXPECT_EQ(current.GetPath(), folder.Path("here/"));
    EXPECT_EQ(current.GetParent(), folder.Path() + "/");
    PapyDirectory copy = root;
    copy = current;
    EXPECT_EQ(copy.GetName(), "here");
}

// What a user can type never fails an assertion: below missing folders or below a file, the
// nearest missing folder or the file is the folder (its factory finds nothing in it); a path
// of no name or too long for the system is refused with the system's reason.
TEST(PapyDirectory, UnresolvablePathsAreRefusedInPlainWords)
{
    TempFolder folder;
    folder.Write("file.txt", "f");
    EXPECT_EQ(AssertionOf(folder.Path("a/b/c")), "(none)");
    EXPECT_EQ(PapyDirectory(folder.Path("file.txt/a/b")).GetPath(), folder.Path("file.txt/a/"));
    EXPECT_EQ(PapyDirectory(folder.Path("file.txt/a/b/c/d")).GetPath(), folder.Path("file.txt/a/b/c/"));
    EXPECT_EQ(PapyDirectory(folder.Path("file.txt/x.3do")).GetPath(), folder.Path(""));
    EXPECT_EQ(PapyDirectory(folder.Path("file.txt/a/")).GetPath(), folder.Path("file.txt/a/"));
    const std::string tooLong = "/" + std::string(PATH_MAX, 'x');
    for (const auto& [path, text] : {std::pair{tooLong, "Couldn't open " + tooLong + "\nFile name too long\n"},
                                     std::pair{std::string(), std::string("Couldn't open \nFile not found\n")}})
    {
        try
        {
            PapyDirectory directory(path);
            ADD_FAILURE() << "resolved " << path.size() << " characters";
        }
        catch (const Velmo::Util::XFileOpen& e)
        {
            EXPECT_EQ(e.GetText(), text);
        }
    }
}
