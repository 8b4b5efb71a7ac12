#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <functional>
#include <memory>
#include <string>
#include <vector>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include "Support/TempFolder.h"
#include "Util/BinaryFile.h"
#include "Util/Exception.h"
#include "Vantrel/Doc/CommonSave.h"
#include "Util/FileIdentity.h"
#include "Vantrel/Doc/SaveFailed.h"

using Velmo::Util::FileIdentity;

namespace
{
// A target that writes the bytes, remembers the file as it was at path and records the
// questions it is asked and the saves it is told of.
struct Asking
{
    std::vector<std::string> Questions;
    int SavedCount = 0;
    bool Answer = false;

    CCommonSave::Target Target(const std::string& bytes, const std::string& knownPath, const FileIdentity& known)
    {
        CCommonSave::Target target;
        target.HasFile = target.CanSave = true;
        target.Save = [bytes](Velmo::Util::BinaryStream& stream) { stream.Write(Velmo::U32(bytes.size()), bytes.data()); };
        target.Saved = [this](const std::string&) { ++SavedCount; };
        target.KnownPath = knownPath;
        target.Known = known;
        target.Ask = [this](const std::string& question) {
            Questions.push_back(question);
            return Answer;
        };
        return target;
    }
};

// Sets a file's modification time (seconds and nanoseconds).
void SetTime(const std::string& path, std::int64_t seconds, long nanoseconds)
{
    const timespec times[2] = {{time_t(seconds), nanoseconds}, {time_t(seconds), nanoseconds}};
    ASSERT_EQ(utimensat(AT_FDCWD, path.c_str(), times, 0), 0);
}
} // namespace

// What another program may do to the file between the read and the save, and whether the save
// asks before replacing it.
TEST(SaveOverChanged, AsksOnlyWhenTheFileIsNoLongerTheOneRead)
{
    struct Case
    {
        const char* what;
        std::function<void(VelmoTest::TempFolder& folder, const std::string& path)> change;
        bool asks;
    };
    const std::vector<Case> cases = {
        {"unchanged", [](VelmoTest::TempFolder&, const std::string&) {}, false},
        {"same bytes written again, later time",
         [](VelmoTest::TempFolder& folder, const std::string& path) {
             folder.Write("obj.3do", "read bytes");
             SetTime(path, 1700000100, 0);
         },
         true},
        {"only a nanosecond later",
         [](VelmoTest::TempFolder&, const std::string& path) { SetTime(path, 1700000000, 1); }, true},
        {"other size, same time",
         [](VelmoTest::TempFolder& folder, const std::string& path) {
             folder.Write("obj.3do", "bytes of the other program");
             SetTime(path, 1700000000, 0);
         },
         true},
        {"renamed over: another file of the same size and time",
         [](VelmoTest::TempFolder& folder, const std::string& path) {
             const std::string other = folder.Write("other.tmp", "read bytes");
             SetTime(other, 1700000000, 0);
             ASSERT_EQ(std::rename(other.c_str(), path.c_str()), 0);
         },
         true},
        {"removed: made again", [](VelmoTest::TempFolder&, const std::string& path) { std::remove(path.c_str()); },
         false},
    };
    for (const Case& c : cases)
        for (const bool yes : {false, true})
        {
            SCOPED_TRACE(std::string(c.what) + (yes ? ", Yes" : ", No"));
            VelmoTest::TempFolder folder;
            const std::string path = folder.Write("obj.3do", "read bytes");
            SetTime(path, 1700000000, 0);
            const FileIdentity read = FileIdentity::Of(path);
            ASSERT_TRUE(read.Exists());
            c.change(folder, path);
            const bool existed = std::filesystem::exists(path);
            const std::string before = folder.Read("obj.3do");
            Asking asking;
            asking.Answer = yes;
            const bool saved = CCommonSave::Save(path, asking.Target("edited", path, read));
            const bool kept = c.asks && !yes;
            EXPECT_EQ(asking.Questions,
                      c.asks ? std::vector<std::string>{"obj.3do has changed on disk since it was opened. Overwrite it?"}
                             : std::vector<std::string>{});
            EXPECT_EQ(saved, !kept);
            EXPECT_EQ(asking.SavedCount, kept ? 0 : 1);
            EXPECT_EQ(folder.Read("obj.3do"), kept ? before : "edited");
            EXPECT_EQ(std::filesystem::exists(path), kept ? existed : true);
            EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder.Path()), {}), 1) << "no temporary left";
        }
}

// The check is of the file the document read: a save to another path (Save As, whose file
// dialog asked about an existing file), a target that knows no file, or one without a question
// writes at once.
TEST(SaveOverChanged, OtherPathsAndTargetsWithoutQuestionSaveAtOnce)
{
    VelmoTest::TempFolder folder;
    const std::string path = folder.Write("obj.3do", "read bytes");
    const FileIdentity read = FileIdentity::Of(path);
    const std::string other = folder.Write("copy.3do", "someone's copy");
    folder.Write("obj.3do", "changed by another program");

    Asking asking;
    EXPECT_TRUE(CCommonSave::Save(other, asking.Target("as copy", path, read)));
    EXPECT_EQ(folder.Read("copy.3do"), "as copy");
    EXPECT_TRUE(CCommonSave::Save(path, asking.Target("nothing known", "", FileIdentity())));
    EXPECT_EQ(folder.Read("obj.3do"), "nothing known");
    CCommonSave::Target silent = asking.Target("no question", path, read);
    silent.Ask = nullptr;
    EXPECT_TRUE(CCommonSave::Save(path, silent));
    EXPECT_EQ(folder.Read("obj.3do"), "no question");
    EXPECT_TRUE(asking.Questions.empty());
    EXPECT_EQ(asking.SavedCount, 3);
}

// A target the system does not let the save replace: the message says it is the save that
// failed, with the system's reason, and the original stays.
TEST(SaveOverChanged, RefusedTargetSaysCouldNotSave)
{
    struct Case
    {
        const char* what;
        const char* target; // relative to the folder
        const char* reason;
        bool needsUser;     // the system lets a privileged process write anywhere
    };
    const std::vector<Case> cases = {
        {"held by a reader", "held.3do", "Device or resource busy", false},
        {"a folder through a file", "plain.txt/obj.3do", "Not a directory", false},
        {"a folder in its place", "folder.3do", "Is a directory", false},
        {"a folder that may not be written", "locked/obj.3do", "Permission denied", true},
    };
    for (const Case& c : cases)
    {
        SCOPED_TRACE(c.what);
        if (c.needsUser && geteuid() == 0)
            continue;
        VelmoTest::TempFolder folder;
        folder.Write("held.3do", "original");
        folder.Write("plain.txt", "text");
        folder.MakeFolder("folder.3do");
        folder.Write("locked/obj.3do", "original");
        std::filesystem::permissions(folder.Path("locked"), std::filesystem::perms::owner_read |
                                                                std::filesystem::perms::owner_exec);
        std::unique_ptr<Velmo::Util::BinaryFile> reader(Velmo::Util::BinaryFile::OpenRead(folder.Path("held.3do")));
        const std::string path = folder.Path(c.target);
        Asking asking;
        std::string text = "(saved)";
        try
        {
            CCommonSave::Save(path, asking.Target("edited", "", FileIdentity()));
        }
        catch (const XSaveFailed& failure)
        {
            text = failure.GetText();
        }
        EXPECT_EQ(text, "Couldn't save " + path + "\n" + c.reason + "\n");
        EXPECT_EQ(asking.SavedCount, 0);
        EXPECT_EQ(folder.Read("held.3do"), "original");
        EXPECT_EQ(folder.Read("locked/obj.3do"), "original");
        std::filesystem::permissions(folder.Path("locked"), std::filesystem::perms::owner_all);
    }
}
