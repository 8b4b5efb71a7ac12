#include <gtest/gtest.h>

#include <fcntl.h>
#include <filesystem>
#include <unistd.h>

#include "DatSaveChecks.h"
#include "DatTestSupport.h"
#include "Papy/Container/N4DatFile.h"
#include "Support/PeakMemory.h"
#include "Support/TempFolder.h"
#include "Util/Exception.h"

using namespace VelmoTest;
using Velmo::Papy::N4DatFile;
using Velmo::Util::XUsage;

namespace
{
// Compressible bytes of a given length.
std::string Text(std::size_t size, char seed)
{
    std::string text;
    while (text.size() < size)
        text += std::string("track section ") + seed + std::to_string(text.size() % 97) + "\r\n";
    text.resize(size);
    return text;
}

template <class Action>
std::string ErrorText(Action action)
{
    try
    {
        action();
    }
    catch (const Velmo::Util::Exception& e)
    {
        return e.GetText();
    }
    return "(no error)";
}
} // namespace

TEST(N4DatFile, SamplesOfTheIndependentWriter)
{
    CheckDatSamples("n4");
}

TEST(N4DatFile, EveryMessage)
{
    CheckDatMessages("n4");
}

TEST(N4DatFile, ShortDirectories)
{
    CheckShortDirectories("n4");
}

TEST(N4DatFile, OpenedInAnotherCase)
{
    CheckOpenedInAnotherCase("n4");
}

TEST(N4DatFile, NamesAndFolders)
{
    N4DatFile dat(DatSamplePath("n4-valid.dat"), false);
    struct
    {
        int index;
        const char *name, *extension, *folder;
    } cases[] = {{0, "Logo", "MIP", "Art"}, {1, "track", "ini", ""}, {2, "car", "3do", "art\\sub"}};
    for (const auto& c : cases)
    {
        EXPECT_EQ(dat.GetEntryName(c.index), c.name);
        EXPECT_EQ(dat.GetEntryExtension(c.index), c.extension);
        EXPECT_EQ(dat.GetEntryFolder(c.index), c.folder);
    }
    // The whole name, folders included, compared ignoring case.
    EXPECT_EQ(ReadAll(*dat.OpenEntry("ART\\SUB\\CAR.3DO")).substr(0, 4), "4OD3");
    EXPECT_FALSE(dat.OpenEntry("car.3do"));
    EXPECT_FALSE(dat.OpenEntry("art/sub/car.3do"));
    // The public implode vector: 13 bytes from 8.
    EXPECT_EQ(dat.GetEntryCompressedSize(3), 8u);
    EXPECT_EQ(ReadAll(*dat.OpenEntry("public.txt")), "AIAIAIAIAIAIA");
}

TEST(N4DatFile, Build)
{
    TempFolder folder;
    TempFolder elsewhere;
    elsewhere.Write("secret.txt", "outside");
    folder.Write("oval/Art/Logo.MIP", Text(3000, 'l'));
    folder.Write("oval/art/sub/deep.mip", "not scanned");
    folder.Write("oval/Art/trackmat/grass.mip", Text(100, 'g'));
    folder.Write("oval/sounds/engine.wav", "not scanned");
    folder.Write("oval/track.ini", "skipped");
    folder.Write("oval/TrkLogo.stp", "skipped");
    folder.Write("oval/oval.ptf", Text(20000, 'p'));
    folder.Write("oval/readme.txt", Text(10, 'r'));
    folder.Write("oval/notes.doc", "not a game file");
    folder.Write("oval/shot.stp", "stored");
    std::filesystem::create_directory_symlink(elsewhere.Path(), folder.Path("oval/widgets"));

    N4DatFile dat(folder.Path("oval/oval.dat"));
    testing::internal::CaptureStdout();
    dat.Build(true);
    EXPECT_EQ(testing::internal::GetCapturedStdout(), "N4 Dat file created\n");
    const struct
    {
        const char* name;
        int method;
    } expected[] = {{"Art\\Logo.MIP", 0}, {"Art\\trackmat\\grass.mip", 0}, {"oval.ptf", 2}, {"readme.txt", 2},
                    {"shot.stp", 0}};
    ASSERT_EQ(dat.GetEntryCount(), int(std::size(expected)));
    for (int i = 0; i < dat.GetEntryCount(); ++i)
        EXPECT_EQ(EntryPath(dat, i), expected[i].name);

    dat.Save();
    EXPECT_TRUE(IndependentCheck(folder.Path("oval/oval.dat"), "n4", folder.Path("oval")));
    for (int i = 0; i < dat.GetEntryCount(); ++i)
    {
        SCOPED_TRACE(expected[i].name);
        std::string relative = expected[i].name;
        std::replace(relative.begin(), relative.end(), '\\', '/');
        std::string source = FileBytes(folder.Path("oval/" + relative));
        EXPECT_EQ(dat.GetEntrySize(i), source.size());
        if (expected[i].method == 0)
            EXPECT_EQ(dat.GetEntryCompressedSize(i), source.size());
        else
            EXPECT_LT(dat.GetEntryCompressedSize(i), source.size() > 100 ? source.size() : 1000u);
        EXPECT_EQ(ReadAll(*dat.OpenEntry(i)), source);
    }
}

TEST(N4DatFile, BuildThatFailsKeepsTheEntries)
{
    // Scanned folders nested past the longest path a name can have: the scan fails deep down,
    // after it has taken files of the folders above.
    TempFolder folder;
    folder.Write("oval/grass.mip", "taken first");
    folder.Write("oval/trackmat/grass.mip", "taken first");
    N4DatFile dat(folder.Write("oval/oval.dat", ArchiveWithNames("n4", {"kept.txt"})), false);
    const int depth = 480; // "trackmat/" 480 times: 4,320 characters
    int fd = open(folder.Path("oval").c_str(), O_RDONLY | O_DIRECTORY);
    for (int level = 0; level < depth && fd >= 0; ++level)
    {
        mkdirat(fd, "trackmat", 0755);
        int next = openat(fd, "trackmat", O_RDONLY | O_DIRECTORY);
        close(fd);
        fd = next;
    }
    ASSERT_GE(fd, 0);
    close(fd);

    EXPECT_THROW(dat.Build(false), Velmo::Util::Exception);
    ASSERT_EQ(dat.GetEntryCount(), 1);
    EXPECT_EQ(EntryPath(dat, 0), "kept.txt");

    // Cut the chain into pieces that can be removed by name.
    int root = open(folder.Path().c_str(), O_RDONLY | O_DIRECTORY);
    for (int cut = depth - 100; cut > 0; cut -= 200)
    {
        int at = open(folder.Path("oval").c_str(), O_RDONLY | O_DIRECTORY);
        for (int level = 0; level < cut; ++level)
        {
            int next = openat(at, "trackmat", O_RDONLY | O_DIRECTORY);
            close(at);
            at = next;
        }
        EXPECT_EQ(renameat(at, "trackmat", root, ("piece" + std::to_string(cut)).c_str()), 0);
        close(at);
    }
    close(root);
}

TEST(N4DatFile, SaveRoundTrip)
{
    TempFolder folder;
    folder.Write("oval/art/a.mip", Text(5000, 'a'));
    folder.Write("oval/a.3do", Text(70000, '3'));
    folder.Write("oval/empty.txt", "");
    std::string noise;
    for (int i = 0; i < 5000; ++i)
        noise.push_back(char((i * 7919) >> 3));
    folder.Write("oval/noise.cam", noise);
    CheckSaveRoundTrip("n4", folder, folder.Path("oval/oval.dat"), 4);
}

TEST(N4DatFile, FailedSaveChangesNothing)
{
    TempFolder folder;
    folder.Write("oval/a.3do", Text(1000, 'a'));
    folder.Write("oval/art/b.mip", Text(100, 'b'));
    folder.Write("oval/c.txt", Text(100, 'c'));
    CheckFailedSaveChangesNothing("n4", folder, folder.Path("oval/oval.dat"), folder.Path("oval/c.txt"));
}

TEST(N4DatFile, UnsafeNamesAreRefused)
{
    CheckUnsafeNamesRefused("n4");

    // A folder on the way that is a link leads elsewhere: refused.
    TempFolder folder, elsewhere;
    elsewhere.Write("x.mip", "outside");
    std::filesystem::create_directory_symlink(elsewhere.Path(), folder.Path("art"));
    std::string path = folder.Write("in.dat", ArchiveWithNames("n4", {"art\\x.mip"}));
    N4DatFile dat(path, true);
    try
    {
        dat.Save();
        ADD_FAILURE() << "saved";
    }
    catch (const XUsage& e)
    {
        EXPECT_EQ(e.GetText(), "N4 dat file subfile folder is a link: art\\x.mip");
    }
}

TEST(N4DatFile, SaveRefusals)
{
    TempFolder folder;
    folder.Write("oval/art/a.mip", "stored bytes");
    folder.Write("oval/b.txt", "imploded bytes");
    CheckSaveRefusals("n4", folder.Path("oval/oval.dat"), 0);

    // A name of 256 characters does not fit its length byte: refused, never cut.
    std::string longName(248, 'n');
    longName += ".mip";
    folder.Write("long/art/" + longName, "x");
    N4DatFile dat(folder.Path("long/long.dat"));
    dat.Build(false);
    ASSERT_EQ(dat.GetEntryCount(), 1);
    try
    {
        dat.Save();
        ADD_FAILURE() << "saved";
    }
    catch (const XUsage& e)
    {
        EXPECT_EQ(e.GetText(), "N4 dat file subfile name longer than 255 characters: art\\" + longName);
    }
    EXPECT_EQ(FileBytes(folder.Path("long/long.dat")), "");
}

TEST(N4DatFile, MoreEntriesThanTheCountHoldsAreRefused)
{
    // 32768 entries load (the count field reads -32768) but are more than a save writes.
    TempFolder folder;
    std::vector<std::string> names(32768, "a.txt");
    std::string path = folder.Write("big.dat", ArchiveWithNames("n4", names));
    folder.Write("a.txt", "x");
    N4DatFile dat(path, true);
    EXPECT_EQ(dat.GetEntryCount(), 32768);
    try
    {
        dat.Save();
        ADD_FAILURE() << "saved";
    }
    catch (const XUsage& e)
    {
        EXPECT_EQ(e.GetText(), "N4 dat file has too many subfiles");
    }
}

TEST(N4DatFile, NewArchiveLivesInMemoryUntilSaved)
{
    CheckNewArchiveLivesInMemoryUntilSaved("n4");
}

// An entry that truly unpacks to 4 GiB (the independent writer's densest stream, 22.8 MB in the
// archive) is refused when opened, by name or by index, before anything is allocated for it;
// the other entries still read, and the block an entry may take is the library's one ceiling.
TEST(N4DatFile, EntryBeyondTheCeilingIsRefusedWithoutAllocating)
{
    const std::string path = DatSamplePath("n4-huge.dat");
    auto dat = OpenDat("n4", path);
    ASSERT_EQ(dat->GetEntryCount(), 2);
    EXPECT_EQ(dat->GetEntrySize(0), 0xFFFFFFFFu);
    const std::string expected = "A possible error was found in file " + dat->GetPathName().GetFullPath() +
                                 "\nart\\huge.3do would unpack to 4294967295 bytes, more than the 268435456 "
                                 "bytes allowed for one file\n";
    std::string byIndex, byName;
    const std::optional<std::uint64_t> rise = TestSupport::PeakRise([&] {
        byIndex = ErrorText([&] { dat->OpenEntry(0); });
        byName = ErrorText([&] { dat->OpenEntry("ART\\HUGE.3DO"); });
    });
    EXPECT_EQ(byIndex, expected);
    EXPECT_EQ(byName, expected);
    if (rise && TestSupport::ResidentFiguresHold)
    {
        EXPECT_LT(*rise, std::uint64_t(300) << 20) << "bytes of peak memory";
    }
    EXPECT_EQ(ReadAll(*dat->OpenEntry("track.ini")), "[track]\r\nname=Oval\r\n");
}
