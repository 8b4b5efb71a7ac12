// What a look-up costs in listings of its folder, counted (FolderListings), never timed: one
// listing for any number of names in a pass, none while a listed folder stays unchanged, a new
// one as soon as it changes; and the answers stay those of a fresh listing.
#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <cstdint>
#include <ctime>
#include <string>
#include <sys/stat.h>
#include <thread>

#include "Support/TempFolder.h"
#include "Util/FileSystem.h"
#include "Util/FolderIndex.h"
#include "Util/LookupPass.h"

using namespace Velmo::Util;

namespace
{
void Fill(const VelmoTest::TempFolder& folder, const std::string& sub, int count)
{
    for (int i = 0; i < count; ++i)
        folder.Write(sub + "/File" + std::to_string(i) + ".mip", "");
}

// Waits until the folder's times lie further in the past than any clock step of its file
// system (a tenth of a second; two seconds where times have no fraction): from then on, a
// change of the folder shows in its times.
void WaitUntilSettled(const std::string& folder)
{
    auto nanoseconds = [](const timespec& t) { return std::int64_t(t.tv_sec) * 1000000000 + t.tv_nsec; };
    for (;;)
    {
        struct stat info;
        ASSERT_EQ(stat(folder.c_str(), &info), 0);
        timespec now{};
        clock_gettime(CLOCK_REALTIME, &now);
        const bool fractions = info.st_mtim.tv_nsec != 0 || info.st_ctim.tv_nsec != 0;
        const std::int64_t step = fractions ? 150000000 : 2500000000;
        if (std::max(nanoseconds(info.st_mtim), nanoseconds(info.st_ctim)) + step < nanoseconds(now))
            return;
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
    }
}
} // namespace

TEST(FolderIndex, AnswersAsTheListingDoes)
{
    VelmoTest::TempFolder folder;
    for (const char* name : {"Track.ini", "track.INI", "car.3do", "Zeta", "zeta", "ZETA"})
        folder.Write(std::string("f/") + name, "");
    const FolderIndex index(folder.Path("f"));
    EXPECT_EQ(index.GetError(), 0);
    std::vector<std::string> names;
    int error = 0;
    ASSERT_TRUE(ReadFolderNames(folder.Path("f"), names, error));
    EXPECT_EQ(index.GetNames(), names);

    const struct
    {
        const char* name;
        const char* match; // null: none
        bool twin;
    } cases[] = {
        {"CAR.3DO", "car.3do", true}, {"car.3do", "car.3do", false}, {"TRACK.ini", "Track.ini", true},
        {"Track.ini", "Track.ini", true}, {"zEtA", "ZETA", true}, {"missing", nullptr, false},
        {"car.3do ", nullptr, false},
    };
    for (const auto& c : cases)
    {
        SCOPED_TRACE(c.name);
        const std::string* match = index.Match(c.name);
        EXPECT_EQ(match ? *match : std::string("(none)"), c.match ? c.match : "(none)");
        EXPECT_EQ(index.HasTwin(c.name), c.twin);
    }

    const FolderIndex unreadable(folder.Path("no such folder"));
    EXPECT_EQ(unreadable.GetError(), ENOENT);
    EXPECT_TRUE(unreadable.GetNames().empty());
    EXPECT_EQ(unreadable.Match("x"), nullptr);
}

TEST(LookupPass, ManyNamesInAPassListTheirFolderOnce)
{
    VelmoTest::TempFolder folder;
    Fill(folder, "big", 1000);
    const std::string big = folder.Path("big");
    const std::uint64_t before = FolderListings();
    {
        LookupPass pass;
        for (int i = 0; i < 100; ++i)
        {
            const std::string missing = big + "/Missing" + std::to_string(i) + ".mip";
            EXPECT_EQ(ResolveCase(missing), missing);
            EXPECT_EQ(ResolveCase(missing), missing); // asked again: remembered
            EXPECT_EQ(ResolveCase(big + "/FILE" + std::to_string(i) + ".MIP"),
                      big + "/File" + std::to_string(i) + ".mip");
            EXPECT_FALSE(HasCaseTwin(big + "/File" + std::to_string(i) + ".mip"));
        }
    }
    EXPECT_EQ(FolderListings() - before, 1u);
}

TEST(LookupPass, AChangedFolderIsListedAgain)
{
    VelmoTest::TempFolder folder;
    Fill(folder, "f", 3);
    const std::string f = folder.Path("f");
    {
        LookupPass pass;
        EXPECT_EQ(ResolveCase(f + "/NEW.MIP"), f + "/NEW.MIP");
    }
    folder.Write("f/new.mip", "");
    {
        LookupPass pass;
        EXPECT_EQ(ResolveCase(f + "/NEW.MIP"), f + "/new.mip");
        EXPECT_FALSE(HasCaseTwin(f + "/new.mip"));
        // A change within a pass shows too: only what the pass found missing is kept.
        folder.Write("f/NEW.mip", "");
        EXPECT_TRUE(HasCaseTwin(f + "/new.mip"));
    }
}

TEST(LookupPass, ASettledFolderIsListedOnceUntilItChanges)
{
    VelmoTest::TempFolder folder;
    Fill(folder, "f", 200);
    const std::string f = folder.Path("f");
    WaitUntilSettled(f);
    std::uint64_t before = FolderListings();
    // Look-ups without a pass of their own around them, as separate frames make them.
    for (int i = 0; i < 50; ++i)
        EXPECT_EQ(ResolveCase(f + "/gone" + std::to_string(i)), f + "/gone" + std::to_string(i));
    EXPECT_EQ(FolderListings() - before, 1u);

    folder.Write("f/Gone7", "");
    before = FolderListings();
    EXPECT_EQ(ResolveCase(f + "/gone7"), f + "/Gone7");
    EXPECT_EQ(ResolveCase(f + "/gone8"), f + "/gone8");
    EXPECT_GE(FolderListings() - before, 1u);

    // Removed and made again under the same name, the folder is another one.
    WaitUntilSettled(f);
    ASSERT_EQ(ResolveCase(f + "/FILE1.MIP"), f + "/File1.mip");
    std::filesystem::remove_all(f);
    folder.Write("f/other", "");
    EXPECT_EQ(ResolveCase(f + "/FILE1.MIP"), f + "/FILE1.MIP");
    EXPECT_EQ(ResolveCase(f + "/OTHER"), f + "/other");
}
