#include <gtest/gtest.h>

#include <cerrno>
#include <cstdio>
#include <fcntl.h>
#include <filesystem>
#include <sys/stat.h>
#include <unistd.h>

#include "Support/TempFolder.h"
#include "Util/FileIdentity.h"

using Velmo::Util::FileIdentity;
using VelmoTest::TempFolder;

namespace
{
// Sets a file's modification time, so that a test can make two writes look alike.
void SetModified(const std::string& path, const FileIdentity& like)
{
    timespec times[2];
    times[0].tv_sec = 0;
    times[0].tv_nsec = UTIME_OMIT;
    times[1].tv_sec = like.GetModified() / 1000000000;
    times[1].tv_nsec = like.GetModified() % 1000000000;
    ASSERT_EQ(utimensat(AT_FDCWD, path.c_str(), times, 0), 0);
}
} // namespace

TEST(FileIdentity, NothingThere)
{
    TempFolder folder;
    int error = 0;
    FileIdentity missing = FileIdentity::Of(folder.Path("none"), error);
    EXPECT_FALSE(missing.Exists());
    EXPECT_EQ(error, ENOENT);
    EXPECT_EQ(missing, FileIdentity());
    EXPECT_EQ(FileIdentity::Of(folder.Path("none/deeper"), error), FileIdentity());
    EXPECT_EQ(error, ENOENT);
    EXPECT_FALSE(FileIdentity::Of("").Exists());

    folder.Write("file", "x");
    EXPECT_EQ(FileIdentity::Of(folder.Path("file/deeper"), error), FileIdentity());
    EXPECT_EQ(error, ENOTDIR);
}

TEST(FileIdentity, ReadingKeepsItAndEveryChangeLosesIt)
{
    TempFolder folder;
    const std::string path = folder.Write("tex.mip", "first");
    const FileIdentity first = FileIdentity::Of(path);
    ASSERT_TRUE(first.Exists());
    EXPECT_FALSE(first.IsFolder());
    EXPECT_EQ(first.GetSize(), 5u);
    EXPECT_EQ(folder.Read("tex.mip"), "first");
    EXPECT_EQ(FileIdentity::Of(path), first);

    // Written again in place with as many bytes and its old modification time: the change time
    // still tells.
    folder.Write("tex.mip", "other");
    SetModified(path, first);
    const FileIdentity rewritten = FileIdentity::Of(path);
    EXPECT_EQ(rewritten.GetModified(), first.GetModified());
    EXPECT_NE(rewritten, first);

    // Another file renamed onto it.
    const std::string other = folder.Write("other.mip", "other");
    ASSERT_EQ(std::rename(other.c_str(), path.c_str()), 0);
    EXPECT_NE(FileIdentity::Of(path), rewritten);
    EXPECT_NE(FileIdentity::Of(path), first);

    // A link is looked through: it has the identity of what it names.
    const std::string link = folder.Path("link.mip");
    ASSERT_EQ(symlink(path.c_str(), link.c_str()), 0);
    EXPECT_EQ(FileIdentity::Of(link), FileIdentity::Of(path));

    // Deleted, then a folder in its place.
    ASSERT_EQ(std::remove(path.c_str()), 0);
    EXPECT_FALSE(FileIdentity::Of(path).Exists());
    EXPECT_FALSE(FileIdentity::Of(link).Exists());
    folder.MakeFolder("tex.mip");
    EXPECT_TRUE(FileIdentity::Of(path).IsFolder());
    EXPECT_EQ(FileIdentity::Of(link), FileIdentity::Of(path));
}
