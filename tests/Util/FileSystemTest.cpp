#include <gtest/gtest.h>

#include <climits>
#include <unistd.h>

#include "Support/TempFolder.h"
#include "Util/Exception.h"
#include "Util/FileSystem.h"
#include "Util/PathName.h"

using namespace Velmo::Util;
using VelmoTest::TempFolder;

TEST(FileSystem, CaseFoldingTouchesOnlyAToZ)
{
    EXPECT_EQ(ToLower("MoNZA.TRK"), "monza.trk");
    // Bytes over 127 pass unchanged (and are not undefined behaviour under the sanitizers).
    std::string high = "\xC4\xD6\xDC\xFF\x80[@]";
    EXPECT_EQ(ToLower(high), high);
    EXPECT_EQ(ToLower("ABC", std::locale::classic()), "abc");
}

TEST(FileSystem, CompareNoCase)
{
    struct Case
    {
        std::string a, b;
        int expected;
    } cases[] = {
        {"ABC", "abd", 'c' - 'd'},
        {"abc", "ABC", 0},
        {"ab", "abc", -1},
        {"abcde", "AB", 3},
        {"", "", 0},
        {"a", "_", 'a' - '_'}, // lower-cased before comparing: 'a' > '_' although 'A' < '_'
        // Characters are signed 8-bit values: a byte over 127 is below every ASCII one.
        {"\xE9", "a", -23 - 'a'},
        {"x\x80", "X\x7F", -128 - 127},
    };
    for (const Case& c : cases)
        EXPECT_EQ(CompareNoCase(c.a, c.b), c.expected) << c.a << " / " << c.b;
}

TEST(FileSystem, Wildcards)
{
    struct Case
    {
        const char* pattern;
        const char* name;
        bool matches;
    } cases[] = {
        {"*.3do", "car.3do", true},     {"*.3do", "CAR.3DO", true},  {"*.3DO", "car.3do", true},
        {"*.3do", "car.3do.bak", false}, {"*.3do", ".3do", true},     {"*", "", true},
        {"?", "", false},               {"?.trk", "a.trk", true},    {"?.trk", "ab.trk", false},
        {"a*b*c", "aXbYc", true},       {"a*b*c", "abcb", false},    {"*a*a*a", "aaaaaaaa", true},
        {"m?nza.*", "Monza.trk", true}, {"", "x", false},            {"\xC9*", "\xE9t\xE9", false},
    };
    for (const Case& c : cases)
        EXPECT_EQ(MatchWildcard(c.pattern, c.name), c.matches) << c.pattern << " / " << c.name;
}

TEST(FileSystem, MakeAbsolutePath)
{
    char current[PATH_MAX];
    ASSERT_NE(getcwd(current, sizeof current), nullptr);
    std::string here = current;
    struct Case
    {
        std::string path, expected;
    } cases[] = {
        {"/a/b/c", "/a/b/c"},         {"\\a\\b\\", "/a/b"},       {"/a//b/./c/../d", "/a/b/d"},
        {"/..", "/"},                 {"/", "/"},                 {"\\", "/"},
        {"x.trk", here + "/x.trk"},   {".", here},                {"/a/b/../../..", "/"},
    };
    for (const Case& c : cases)
    {
        std::string result;
        EXPECT_TRUE(MakeAbsolutePath(c.path, result)) << c.path;
        EXPECT_EQ(result, c.expected) << c.path;
    }
    std::string result = "unchanged";
    EXPECT_FALSE(MakeAbsolutePath("", result));
    EXPECT_FALSE(MakeAbsolutePath(std::string("a\0b", 3), result));
    EXPECT_EQ(result, "unchanged");
    EXPECT_FALSE(MakeAbsolutePath("/" + std::string(PATH_MAX, 'x'), result));
    EXPECT_EQ(result.size(), PATH_MAX + 1u);
}

TEST(FileSystem, ResolveCaseMatchesEachComponent)
{
    TempFolder folder;
    folder.Write("GameData/Tracks/Monza/MONZA.TRK", "t");
    folder.MakeFolder("GameData/tracks2");
    const std::string base = folder.Path();
    struct Case
    {
        std::string given, expected;
    } cases[] = {
        {"GameData/Tracks/Monza/MONZA.TRK", "GameData/Tracks/Monza/MONZA.TRK"},
        {"gamedata/TRACKS/monza/monza.trk", "GameData/Tracks/Monza/MONZA.TRK"},
        // From the first component that matches nothing, the rest stays as given.
        {"gamedata/tracks/Spa/SPA.TRK", "GameData/Tracks/Spa/SPA.TRK"},
        {"GAMEDATA/Tracks/monza/new.dat", "GameData/Tracks/Monza/new.dat"},
        {"gamedata/tracks/monza/monza.trk/x", "GameData/Tracks/Monza/MONZA.TRK/x"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(ResolveCase(base + "/" + c.given), base + "/" + c.expected) << c.given;

    EXPECT_TRUE(FileExists(base + "\\GAMEDATA\\tracks\\MONZA\\monza.trk"));
    EXPECT_FALSE(FileExists(base + "/GameData/Tracks"));
    EXPECT_FALSE(FileExists(base + "/GameData/Tracks/Monza/monza.dat"));
    EXPECT_FALSE(FileExists(""));
}

TEST(FileSystem, ResolveCasePrefersTheExactNameThenAFixedOne)
{
    TempFolder folder;
    folder.Write("Car.3do", "1");
    folder.Write("CAR.3do", "2");
    folder.Write("car.3DO", "3");
    EXPECT_EQ(ResolveCase(folder.Path("car.3DO")), folder.Path("car.3DO"));
    // No exact match: the first in the fixed order (upper case before lower on a tie).
    EXPECT_EQ(ResolveCase(folder.Path("car.3do")), folder.Path("CAR.3do"));
}

TEST(PathName, Splits)
{
    struct Case
    {
        std::string path, full, folder, file, base, extension;
    } cases[] = {
        {"/games/track/monza.trk", "/games/track/monza.trk", "/games/track/", "monza.trk", "monza", "trk"},
        {"\\games\\track\\monza.trk", "/games/track/monza.trk", "/games/track/", "monza.trk", "monza", "trk"},
        {"/a/b/", "/a/b", "/a/", "b", "b", ""},
        {"/a/x.tar.gz", "/a/x.tar.gz", "/a/", "x.tar.gz", "x.tar", "gz"},
        {"/a/README", "/a/README", "/a/", "README", "README", ""},
        {"/a/.hidden", "/a/.hidden", "/a/", ".hidden", "", "hidden"},
        {"/a/name.", "/a/name.", "/a/", "name.", "name", ""},
        {"/top", "/top", "/", "top", "top", ""},
        {"/a/../b/c.d", "/b/c.d", "/b/", "c.d", "c", "d"},
    };
    for (const Case& c : cases)
    {
        PathName name(c.path);
        EXPECT_EQ(name.GetFullPath(), c.full) << c.path;
        EXPECT_EQ(name.GetPathAsFolder(), c.full + "/") << c.path;
        EXPECT_EQ(name.GetDirectory(), c.folder) << c.path;
        EXPECT_EQ(name.GetFileName(), c.file) << c.path;
        EXPECT_EQ(name.GetBaseName(), c.base) << c.path;
        EXPECT_EQ(name.GetExtension(), c.extension) << c.path;
        EXPECT_EQ(name.GetFolderAndBase(), c.folder + c.base) << c.path;
        EXPECT_FALSE(name.IsRoot()) << c.path;
    }
}

TEST(PathName, RootAndEmpty)
{
    for (const char* root : {"/", "\\", "/.."})
    {
        PathName name(root);
        EXPECT_TRUE(name.IsRoot());
        EXPECT_EQ(name.GetFullPath(), "/");
        EXPECT_EQ(name.GetPathAsFolder(), "/");
        EXPECT_EQ(name.GetFileName(), "/");
        EXPECT_EQ(name.GetBaseName(), "/");
        EXPECT_EQ(name.GetFolderAndBase(), "/");
        EXPECT_EQ(name.GetExtension(), "");
        EXPECT_EQ(name.GetDirectory(), "");
    }
    for (const PathName& name : {PathName(), PathName("")})
    {
        EXPECT_FALSE(name.IsRoot());
        EXPECT_EQ(name.GetFullPath() + name.GetPathAsFolder() + name.GetFileName() + name.GetBaseName() +
                      name.GetExtension() + name.GetDirectory() + name.GetFolderAndBase(),
                  "");
    }
    // A relative name is taken against the current folder.
    char current[PATH_MAX];
    ASSERT_NE(getcwd(current, sizeof current), nullptr);
    EXPECT_EQ(PathName("monza.trk").GetDirectory(), std::string(current) + "/");
}

TEST(PathName, UnusablePathsAreRefusedAsTheSystemRefusesThem)
{
    const std::string tooLong = "/" + std::string(PATH_MAX, 'x');
    const std::string withNul("a\0b", 3);
    for (const auto& [path, reason] : {std::pair{tooLong, std::string("File name too long")},
                                       std::pair{withNul, std::string("File not found")}})
    {
        try
        {
            PathName name(path);
            ADD_FAILURE() << "made a name of " << path.size() << " characters";
        }
        catch (const XFileOpen& e)
        {
            EXPECT_EQ(e.GetText(), "Couldn't open " + path + "\n" + reason + "\n");
        }
    }
}
