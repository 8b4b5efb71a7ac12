#include <gtest/gtest.h>

#include <cerrno>
#include <csignal>
#include <cstring>
#include <functional>
#include <random>
#include <sys/inotify.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

#include "Support/TempFolder.h"
#include "Util/BinaryFile.h"
#include "Util/CountedPointer.h"
#include "Util/Exception.h"
#include "Util/StreamIO.h"

using namespace Velmo;
using namespace Velmo::Util;
using VelmoTest::TempFolder;

namespace
{
typedef CountedPointer<BinaryFile> FilePtr;

template <class Error, class F>
std::string ErrorText(F f)
{
    try
    {
        f();
    }
    catch (const Error& e)
    {
        return e.GetText();
    }
    return "(no error)";
}

std::string ReadAll(BinaryStream& s)
{
    std::string bytes(s.Size(), '\0');
    s.Seek(0);
    s.Read(U32(bytes.size()), bytes.data());
    return bytes;
}
} // namespace

TEST(BinaryFile, SmallReadsAtTheEnd)
{
    TempFolder folder;
    std::string path = folder.Write("a.bin", "1234567");
    FilePtr file(BinaryFile::OpenRead(path));
    EXPECT_EQ(file->GetName(), path);
    EXPECT_EQ(file->Size(), 7u);
    char out[8] = {};
    file->Read(4, out);
    EXPECT_STREQ(out, "1234");
    EXPECT_EQ(ErrorText<XFileRead>([&] { file->Read(4, out); }), "Couldn't read from " + path + "\n");
    EXPECT_EQ(file->Tell(), 4u);
    file->Read(3, out);
    EXPECT_TRUE(file->AtEnd());
    file->Read(0, out);
    file->Read(0, nullptr);
    EXPECT_EQ(file->Tell(), 7u);
    // Beyond the end, reading 0 bytes still succeeds and anything more fails.
    file->Seek(9);
    file->Read(0, out);
    EXPECT_THROW(file->Read(1, out), XFileRead);
    EXPECT_EQ(file->Tell(), 9u);
}

TEST(BinaryFile, SeekToTheSizeAndBeyondThenWriteExtendsWithZeros)
{
    TempFolder folder;
    std::string path = folder.Write("a.bin", "abc");
    {
        FilePtr file(BinaryFile::OpenUpdate(path));
        file->Seek(3);
        EXPECT_TRUE(file->AtEnd());
        file->Seek(6);
        EXPECT_FALSE(file->AtEnd());
        EXPECT_EQ(file->Size(), 3u);
        file->Write(2, "xy");
        EXPECT_EQ(file->Size(), 8u);
        EXPECT_TRUE(file->AtEnd());
        // The gap reads as zeros before anything was written out.
        file->Seek(2);
        char gap[4];
        file->Read(4, gap);
        EXPECT_EQ(std::string(gap, 4), std::string("c\0\0\0", 4));
    }
    EXPECT_EQ(folder.Read("a.bin"), std::string("abc\0\0\0xy", 8));
}

TEST(BinaryFile, PositionsBeyondFourGigabytesAreNotTruncated)
{
    TempFolder folder;
    std::string path = folder.Write("big.bin", "0123456789");
    FilePtr file(BinaryFile::OpenUpdate(path));
    const U64 far = 0x100000002ull;
    file->Seek(far);
    EXPECT_EQ(file->Tell(), far);
    file->Write(1, "Z");
    EXPECT_EQ(file->Size(), far + 1);
    file->Commit();
    struct stat info;
    ASSERT_EQ(stat(path.c_str(), &info), 0);
    EXPECT_EQ(U64(info.st_size), far + 1);
    // Written at the far offset, not at offset 2.
    file->Seek(2);
    EXPECT_EQ(ReadLE<U8>(*file), '2');
    file->Seek(far);
    EXPECT_EQ(ReadLE<U8>(*file), 'Z');
    EXPECT_EQ(ErrorText<XFileSeek>([&] { file->Seek(~0ull); }), "Couldn't seek in " + path + "\n");
    EXPECT_EQ(file->Tell(), far + 1);
}

// Random reads, writes, seeks and truncations across the buffer's edges, checked against a
// plain byte vector; finally the file on disk must equal it.
TEST(BinaryFile, MixedOperationsMatchAPlainModel)
{
    TempFolder folder;
    std::string path = folder.Path("mixed.bin");
    std::vector<char> model;
    U64 position = 0;
    std::mt19937 random(1234);
    {
        FilePtr file(BinaryFile::CreateNew(path));
        for (int step = 0; step < 3000; ++step)
        {
            // Mostly small transfers, sometimes one larger than the buffer.
            U32 count = random() % 10 == 0 ? random() % 150000 : random() % 300;
            switch (random() % 6)
            {
            case 0:
                // Often back into what was just read or written, sometimes anywhere.
                if (random() % 2 == 0)
                    position = position - std::min<U64>(position, random() % 80000);
                else
                    position = random() % (model.size() + 70000);
                file->Seek(position);
                break;
            case 1:
            case 2:
            {
                std::vector<char> data(count);
                for (char& c : data)
                    c = char(random());
                file->Write(count, data.data());
                if (model.size() < position + count)
                    model.resize(position + count, 0);
                std::copy(data.begin(), data.end(), model.begin() + std::ptrdiff_t(position));
                position += count;
                break;
            }
            case 3:
            case 4:
            {
                std::vector<char> data(count);
                // Reading nothing succeeds anywhere, even beyond the end.
                if (count != 0 && position + count > model.size())
                {
                    ASSERT_THROW(file->Read(count, data.data()), XFileRead) << "step " << step;
                    break;
                }
                file->Read(count, data.data());
                ASSERT_TRUE(std::equal(data.begin(), data.end(), model.begin() + std::ptrdiff_t(position)))
                    << "step " << step;
                position += count;
                break;
            }
            case 5:
                if (random() % 8 == 0)
                {
                    file->Truncate();
                    model.resize(position, 0);
                }
                break;
            }
            ASSERT_EQ(file->Tell(), position) << "step " << step;
            ASSERT_EQ(file->Size(), model.size()) << "step " << step;
            ASSERT_EQ(file->AtEnd(), position == model.size());
        }
    }
    EXPECT_EQ(folder.Read("mixed.bin"), std::string(model.begin(), model.end()));
}

TEST(BinaryFile, TruncateEndsTheFileAtThePosition)
{
    TempFolder folder;
    std::string path = folder.Write("t.bin", "abcdef");
    {
        FilePtr file(BinaryFile::OpenUpdate(path));
        file->Seek(4);
        file->Write(1, "E");
        file->Seek(2);
        file->Truncate();
        EXPECT_EQ(file->Size(), 2u);
        EXPECT_TRUE(file->AtEnd());
        file->Seek(0);
        char out[3];
        EXPECT_THROW(file->Read(3, out), XFileRead);
        // Truncating beyond the end lengthens the file with zeros.
        file->Seek(4);
        file->Truncate();
        EXPECT_EQ(ReadAll(*file), std::string("ab\0\0", 4));
    }
    EXPECT_EQ(folder.Read("t.bin"), std::string("ab\0\0", 4));
}

TEST(BinaryFile, ReadOnlyStreamRefusesWritesEvenOfNothing)
{
    TempFolder folder;
    std::string path = folder.Write("r.bin", "abc");
    FilePtr file(BinaryFile::OpenRead(path));
    EXPECT_EQ(ErrorText<XFileWrite>([&] { file->Write(0, ""); }), "Couldn't write to " + path + "\n");
    EXPECT_THROW(file->Write(1, "x"), XFileWrite);
    EXPECT_THROW(file->Truncate(), XFileWrite);
    EXPECT_EQ(folder.Read("r.bin"), "abc");
}

TEST(BinaryFile, OpenFailuresCarryTheSystemText)
{
    TempFolder folder;
    std::string existing = folder.Write("e.bin", "x");
    std::string sub = folder.MakeFolder("sub");
    std::string fifo = folder.Path("pipe");
    ASSERT_EQ(mkfifo(fifo.c_str(), 0600), 0);
    std::string longName(5000, 'n');
    struct Case
    {
        BinaryFile* (*opener)(const std::string&);
        std::string name;
        std::string text;
    } cases[] = {
        {BinaryFile::OpenRead, folder.Path("missing.bin"),
         "Couldn't open " + folder.Path("missing.bin") + "\nNo such file or directory\n"},
        {BinaryFile::OpenUpdate, folder.Path("missing.bin"),
         "Couldn't open " + folder.Path("missing.bin") + "\nNo such file or directory\n"},
        {BinaryFile::CreateNew, existing, "Couldn't open " + existing + "\nFile exists\n"},
        {BinaryFile::OpenRead, sub, "Couldn't open " + sub + "\nIs a directory\n"},
        {BinaryFile::OpenRead, sub + "/", "Couldn't open " + sub + "\nIs a directory\n"},
        {BinaryFile::OpenUpdate, sub, "Couldn't open " + sub + "\nIs a directory\n"},
        {BinaryFile::CreateAlways, sub, "Couldn't open " + sub + "\nIs a directory\n"},
        // A device or a pipe is refused, and opening the pipe does not wait for a writer.
        {BinaryFile::OpenRead, "/dev/null", "Couldn't open /dev/null\nInvalid argument\n"},
        {BinaryFile::OpenRead, fifo, "Couldn't open " + fifo + "\nInvalid argument\n"},
        {BinaryFile::OpenUpdate, fifo, "Couldn't open " + fifo + "\nInvalid argument\n"},
        {BinaryFile::CreateAlways, folder.Path("nowhere/new.bin"),
         "Couldn't open " + folder.Path("nowhere/new.bin") + "\nNo such file or directory\n"},
        // Too long once absolute, or empty: the name as given and no system text.
        {BinaryFile::OpenRead, longName, "Couldn't open " + longName + "\n\n"},
        {BinaryFile::CreateAlways, longName, "Couldn't open " + longName + "\n\n"},
        {BinaryFile::OpenRead, "", "Couldn't open \n\n"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(ErrorText<XFileOpen>([&] { delete c.opener(c.name); }), c.text) << c.name;
    EXPECT_EQ(folder.Read("e.bin"), "x");
    EXPECT_EQ(folder.CountEntries(), 3u); // nothing was left behind
}

TEST(BinaryFile, PipesAreRefusedBeforeAnythingOpensThem)
{
    // Opening a pipe can wait for its other end, opening a device can act: neither is opened.
    // The system reports every open of the pipe to a watch on it.
    TempFolder folder;
    const std::string fifo = folder.Path("pipe");
    ASSERT_EQ(mkfifo(fifo.c_str(), 0600), 0);
    const int watch = inotify_init1(IN_NONBLOCK | IN_CLOEXEC);
    ASSERT_GE(watch, 0);
    ASSERT_GE(inotify_add_watch(watch, fifo.c_str(), IN_OPEN), 0);
    for (auto opener : {BinaryFile::OpenRead, BinaryFile::OpenUpdate, BinaryFile::CreateAlways})
        EXPECT_EQ(ErrorText<XFileOpen>([&] { delete opener(fifo); }), "Couldn't open " + fifo + "\nInvalid argument\n");
    char events[4096];
    errno = 0;
    EXPECT_EQ(read(watch, events, sizeof events), -1) << "the pipe was opened";
    EXPECT_EQ(errno, EAGAIN);
    close(watch);
}

TEST(BinaryFile, SharingFollowsTheOpeners)
{
    TempFolder folder;
    std::string path = folder.Write("s.bin", "shared");
    const std::string busy = "Couldn't open " + path + "\nDevice or resource busy\n";
    typedef BinaryFile* (*Opener)(const std::string&);
    struct Case
    {
        const char* what;
        Opener first;
        Opener second;
        bool allowed;
    } cases[] = {
        {"read, read", BinaryFile::OpenRead, BinaryFile::OpenRead, true},
        {"read, update", BinaryFile::OpenRead, BinaryFile::OpenUpdate, false},
        {"update, read", BinaryFile::OpenUpdate, BinaryFile::OpenRead, false},
        {"update, update", BinaryFile::OpenUpdate, BinaryFile::OpenUpdate, false},
        {"read, replace", BinaryFile::OpenRead, BinaryFile::CreateAlways, false},
        {"replace, read", BinaryFile::CreateAlways, BinaryFile::OpenRead, false},
        {"replace, replace", BinaryFile::CreateAlways, BinaryFile::CreateAlways, false},
    };
    for (const Case& c : cases)
    {
        FilePtr first(c.first(path));
        if (c.allowed)
            delete c.second(path);
        else
            EXPECT_EQ(ErrorText<XFileOpen>([&] { delete c.second(path); }), busy) << c.what;
        first.Reset();
        // Released: the second opener gets it now.
        delete c.second(path);
    }
    EXPECT_EQ(folder.Read("s.bin"), "shared");
    EXPECT_EQ(folder.CountEntries(), 1u);
}

TEST(BinaryFile, SharingHoldsAcrossProcesses)
{
    TempFolder folder;
    std::string path = folder.Write("p.bin", "x");
    FilePtr update(BinaryFile::OpenUpdate(path));
    pid_t child = fork();
    ASSERT_GE(child, 0);
    if (child == 0)
    {
        // Drop the inherited descriptor's lock owner by opening anew: still refused.
        int status = 1;
        try
        {
            delete BinaryFile::OpenRead(path);
        }
        catch (const XFileOpen&)
        {
            status = 0;
        }
        _exit(status);
    }
    int status = 0;
    waitpid(child, &status, 0);
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
}

TEST(BinaryFile, NamesAreMatchedWithoutRegardToCase)
{
    TempFolder folder;
    std::string real = folder.Write("Track/Monza.TRK", "monza");
    {
        FilePtr file(BinaryFile::OpenRead(folder.Path("TRACK\\monza.trk")));
        EXPECT_EQ(file->GetName(), real);
        EXPECT_EQ(ReadAll(*file), "monza");
    }
    {
        // A new file goes into the folder as it exists, under the name as given.
        FilePtr file(BinaryFile::CreateNew(folder.Path("track/New.Dat")));
        EXPECT_EQ(file->GetName(), folder.Path("Track/New.Dat"));
    }
    EXPECT_EQ(folder.CountEntries("Track"), 2u);
    EXPECT_THROW(delete BinaryFile::CreateNew(folder.Path("TRACK/monza.trk")), XFileOpen);
}

TEST(BinaryFile, SaveReplacesOnlyOnCommitAndKeepsPermissions)
{
    TempFolder folder;
    std::string path = folder.Write("doc.3do", "original");
    ASSERT_EQ(chmod(path.c_str(), 0640), 0);

    // Released without Commit, as when the writer throws half-way: nothing changes.
    try
    {
        FilePtr file(BinaryFile::CreateAlways(path));
        EXPECT_EQ(file->Size(), 0u);
        file->Write(3, "new");
        throw XFileFormat(path, "writer failed");
    }
    catch (const XFileFormat&)
    {
    }
    EXPECT_EQ(folder.Read("doc.3do"), "original");
    EXPECT_EQ(folder.CountEntries(), 1u);

    {
        FilePtr file(BinaryFile::CreateAlways(path));
        EXPECT_EQ(file->GetName(), path);
        file->Write(7, "new con");
        file->Seek(4);
        file->Write(7, "content");
        EXPECT_EQ(ReadAll(*file), "new content");
        file->Commit();
        EXPECT_EQ(folder.Read("doc.3do"), "new content");
        // Still usable after Commit: later writes land in the saved file.
        file->Seek(11);
        file->Write(1, "!");
    }
    EXPECT_EQ(folder.Read("doc.3do"), "new content!");
    EXPECT_EQ(folder.CountEntries(), 1u);
    struct stat info;
    ASSERT_EQ(stat(path.c_str(), &info), 0);
    EXPECT_EQ(info.st_mode & 07777, 0640u);

    // A save to a new name makes the file only on Commit.
    {
        FilePtr file(BinaryFile::CreateAlways(folder.Path("fresh.lyt")));
        file->Write(2, "ok");
    }
    EXPECT_EQ(folder.CountEntries(), 1u);
    {
        FilePtr file(BinaryFile::CreateAlways(folder.Path("fresh.lyt")));
        file->Write(2, "ok");
        file->Commit();
    }
    EXPECT_EQ(folder.Read("fresh.lyt"), "ok");
}

TEST(BinaryFile, SaveThroughALinkReplacesTheFileItNames)
{
    TempFolder folder;
    std::string target = folder.Write("data/real.lyt", "old");
    std::string link = folder.Path("link.lyt");
    ASSERT_EQ(symlink(target.c_str(), link.c_str()), 0);
    {
        FilePtr file(BinaryFile::CreateAlways(link));
        file->Write(3, "new");
        file->Commit();
    }
    struct stat info;
    ASSERT_EQ(lstat(link.c_str(), &info), 0);
    EXPECT_TRUE(S_ISLNK(info.st_mode));
    EXPECT_EQ(folder.Read("data/real.lyt"), "new");
    EXPECT_EQ(folder.CountEntries("data"), 1u);
}

// A save through a link whose file is gone makes the file where the link points (relative to
// the folder of the link that points there) and keeps every link; a link whose folder is gone
// too, or a chain of links that loops, is refused with the system's reason and nothing changes.
TEST(BinaryFile, SaveThroughADanglingLinkMakesTheFileItNames)
{
    TempFolder folder;
    folder.MakeFolder("data");
    folder.MakeFolder("links");
    const struct
    {
        const char* link;          // in the folder
        std::vector<const char*> chain; // what it points to, then what each further link points to
        const char* made;          // the file the save makes; null when it is refused
        const char* error;         // the refusal's reason
    } cases[] = {
        {"plain.lyt", {"real.lyt"}, "real.lyt", nullptr},
        {"links/up.lyt", {"../data/up.lyt"}, "data/up.lyt", nullptr},
        {"absolute.lyt", {"@/data/absolute.lyt"}, "data/absolute.lyt", nullptr},
        {"links/first.lyt", {"second.lyt", "../data/chained.lyt"}, "data/chained.lyt", nullptr},
        {"nowhere.lyt", {"gone/new.lyt"}, nullptr, "No such file or directory"},
        {"loop.lyt", {"loop.lyt"}, nullptr, "Too many levels of symbolic links"},
    };
    for (const auto& c : cases)
    {
        SCOPED_TRACE(c.link);
        std::string at = folder.Path(c.link);
        for (std::size_t i = 0; i < c.chain.size(); ++i)
        {
            std::string target = c.chain[i];
            if (target[0] == '@')
                target = folder.Path(target.substr(2));
            ASSERT_EQ(symlink(target.c_str(), at.c_str()), 0);
            at = at.substr(0, at.rfind('/') + 1) + target;
        }
        const std::size_t entries = folder.CountEntries() + folder.CountEntries("data");
        const std::string path = folder.Path(c.link);
        const std::string text = ErrorText<XFileOpen>([&] {
            FilePtr file(BinaryFile::CreateAlways(path));
            file->Write(3, "new");
            file->Commit();
        });
        struct stat info;
        ASSERT_EQ(lstat(path.c_str(), &info), 0);
        EXPECT_TRUE(S_ISLNK(info.st_mode));
        if (c.made)
        {
            EXPECT_EQ(text, "(no error)");
            EXPECT_EQ(folder.Read(c.made), "new");
            EXPECT_EQ(folder.Read(c.link), "new");
        }
        else
        {
            EXPECT_EQ(text, "Couldn't open " + path + "\n" + c.error + "\n");
            EXPECT_EQ(folder.CountEntries() + folder.CountEntries("data"), entries);
        }
    }
}

// A full disk, made with a file-size limit (which holds for root too) in a child process:
// the failing save reports XFileWrite with the system's reason and the original stays byte
// for byte.
TEST(BinaryFile, SaveThatRunsOutOfSpaceLeavesTheOriginal)
{
    TempFolder folder;
    std::string original(100000, 'o');
    std::string path = folder.Write("doc.3do", original);
    pid_t child = fork();
    ASSERT_GE(child, 0);
    if (child == 0)
    {
        signal(SIGXFSZ, SIG_IGN);
        struct rlimit limit = {4096, 4096};
        setrlimit(RLIMIT_FSIZE, &limit);
        int status = 1;
        try
        {
            FilePtr file(BinaryFile::CreateAlways(path));
            std::vector<char> data(200000, 'n');
            file->Write(U32(data.size() / 2), data.data());
            file->Write(U32(data.size() / 2), data.data());
            file->Commit();
        }
        catch (const XFileWrite& e)
        {
            status = e.GetText() == "Couldn't write to " + path + "\nFile too large\n" ? 0 : 2;
        }
        _exit(status);
    }
    int status = 0;
    waitpid(child, &status, 0);
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << status;
    EXPECT_TRUE(folder.Read("doc.3do") == original);
    EXPECT_EQ(folder.CountEntries(), 1u);
}

// A write that the disk refuses is reported by the next call that writes buffered bytes out
// (a seek, a size query, a read or an explicit flush), through every writable mode, and
// never only to the destructor, which cannot report it. The file-size limit plays the full
// disk; each case runs in a child process of its own.
TEST(BinaryFile, WriteErrorsReachTheCaller)
{
    TempFolder folder;
    struct Case
    {
        const char* what;
        bool update;                                  // OpenUpdate of an existing file, else CreateNew
        std::function<void(BinaryFile&)> afterWrite; // the call that must report the error
    };
    const Case cases[] = {
        {"seek, new", false, [](BinaryFile& f) { f.Seek(0); }},
        {"size, new", false, [](BinaryFile& f) { f.Size(); }},
        {"flush, new", false, [](BinaryFile& f) { f.Flush(); }},
        {"read, update", true, [](BinaryFile& f) {
             char byte;
             f.Read(1, &byte);
         }},
        {"seek, update", true, [](BinaryFile& f) { f.Seek(1); }},
        {"flush, update", true, [](BinaryFile& f) { f.Flush(); }},
    };
    int index = 0;
    for (const Case& c : cases)
    {
        std::string path = folder.Path("w" + std::to_string(index++));
        if (c.update)
            folder.Write(path.substr(path.rfind('/') + 1), std::string(100, 'o'));
        pid_t child = fork();
        ASSERT_GE(child, 0);
        if (child == 0)
        {
            signal(SIGXFSZ, SIG_IGN);
            struct rlimit limit = {4096, 4096};
            setrlimit(RLIMIT_FSIZE, &limit);
            int status = 1;
            try
            {
                FilePtr file(c.update ? BinaryFile::OpenUpdate(path) : BinaryFile::CreateNew(path));
                std::vector<char> data(50, 'n');
                file->Seek(5000); // beyond the limit: buffered, refused when written out
                file->Write(U32(data.size()), data.data());
                c.afterWrite(*file);
                status = 3; // the error was lost
            }
            catch (const XFileWrite& e)
            {
                status = e.GetText() == "Couldn't write to " + path + "\nFile too large\n" ? 0 : 2;
            }
            _exit(status);
        }
        int status = 0;
        waitpid(child, &status, 0);
        EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << c.what << " " << status;
    }
}
