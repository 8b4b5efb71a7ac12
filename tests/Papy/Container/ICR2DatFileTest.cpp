#include <gtest/gtest.h>

#include "DatSaveChecks.h"
#include "DatTestSupport.h"
#include "Papy/Container/ICR2DatFile.h"
#include "Support/ByteBuilder.h"
#include "Support/TempFolder.h"
#include "Util/Exception.h"

using namespace VelmoTest;
using Velmo::Papy::ICR2DatFile;
using Velmo::Util::XAssertion;
using Velmo::Util::XFileFormat;
using Velmo::Util::XUsage;

TEST(ICR2DatFile, SamplesOfTheIndependentWriter)
{
    CheckDatSamples("icr2");
}

TEST(ICR2DatFile, EveryMessage)
{
    CheckDatMessages("icr2");
}

TEST(ICR2DatFile, ShortDirectories)
{
    CheckShortDirectories("icr2");
}

TEST(ICR2DatFile, OpenedInAnotherCase)
{
    CheckOpenedInAnotherCase("icr2");
}

TEST(ICR2DatFile, ThirteenCharacterNames)
{
    // Accepted without strict checks, refused with them.
    {
        StrictScope strict(false);
        ICR2DatFile dat(DatSamplePath("icr2-name13.dat"), false);
        EXPECT_EQ(dat.GetEntryName(0), "abcdefghi");
        EXPECT_EQ(dat.GetEntryExtension(0), "trk");
    }
    StrictScope strict(true);
    EXPECT_THROW(ICR2DatFile(DatSamplePath("icr2-name13.dat"), false), XFileFormat);
}

TEST(ICR2DatFile, EntriesByName)
{
    TempFolder folder;
    ByteBuilder b;
    b.S16(3);
    const char* names[] = {"TRACK.TRK", "track.trk", "noext"};
    for (int i = 0; i < 3; ++i)
        b.U8(5).U8(0).U32(1).U32(1).Text(names[i]).Zeros(13 - std::strlen(names[i])).U32(2 + 81 + i);
    b.Text("ABC");
    std::string path = folder.Write("t.dat", std::string(b.Get().begin(), b.Get().end()));
    ICR2DatFile dat(path, false);
    // The first of the names equal ignoring case.
    EXPECT_EQ(ReadAll(*dat.OpenEntry("track.trk")), "A");
    EXPECT_EQ(ReadAll(*dat.OpenEntry("Track.Trk")), "A");
    EXPECT_EQ(ReadAll(*dat.OpenEntry("NOEXT")), "C");
    EXPECT_FALSE(dat.OpenEntry("track"));
    EXPECT_FALSE(dat.OpenEntry(""));
    EXPECT_EQ(dat.GetEntryName(2), "noext");
    EXPECT_EQ(dat.GetEntryExtension(2), "");
    EXPECT_EQ(dat.GetEntryFolder(0), "");
    EXPECT_THROW(dat.OpenEntry(3), XAssertion);
    EXPECT_THROW(dat.GetEntryName(-1), XAssertion);
}

TEST(ICR2DatFile, BuildReport)
{
    TempFolder folder;
    for (const char* name : {"a.3do", "readme.txt", "longname1.trk", "setup.co2", "setup.zz1", "SETUP.MU3", "x.WAV",
                             "setup.co4", "b.abcd"})
        folder.Write(std::string("trk/") + name, name);
    folder.MakeFolder("trk/sub.3do");
    // A new archive's file is not made before its first save, so the folder does not list it.
    ICR2DatFile dat(folder.Path("trk/trk.dat"));
    testing::internal::CaptureStdout();
    dat.Build(true);
    EXPECT_EQ(testing::internal::GetCapturedStdout(),
              "Included files\n\n"
              "a.3do\nsetup.co2\nSETUP.MU3\nx.WAV\n"
              "\nExcluded files\n\n"
              "b.abcd\tName not 8.3\n"
              "longname1.trk\tName not 8.3\n"
              "readme.txt\tUnsuitable extension\n"
              "setup.co4\tUnknown setup type\n"
              "setup.zz1\tUnknown setup type\n");
    ASSERT_EQ(dat.GetEntryCount(), 4);
    EXPECT_EQ(dat.GetEntryName(2), "SETUP");
    EXPECT_EQ(dat.GetEntryExtension(2), "MU3");
    // Quiet without the report.
    testing::internal::CaptureStdout();
    dat.Build(false);
    EXPECT_EQ(testing::internal::GetCapturedStdout(), "");
}

TEST(ICR2DatFile, SaveWritesDataAfterTheDirectory)
{
    TempFolder folder;
    folder.Write("oval/a.3do", std::string(1000, 'a'));
    folder.Write("oval/b.trk", "track");
    folder.Write("oval/setup.co2", "");
    folder.Write("oval/readme.txt", "not taken");
    CheckSaveRoundTrip("icr2", folder, folder.Path("oval/oval.dat"), 3);
    ICR2DatFile dat(folder.Path("oval/oval.dat"), false);
    // Data from 2 + 27 x n, in the listing's order.
    std::string bytes = FileBytes(folder.Path("oval/oval.dat"));
    EXPECT_EQ(bytes.size(), 2 + 27 * 3 + 1000 + 5u);
    EXPECT_EQ(bytes.substr(2 + 81, 3), "aaa");
    EXPECT_EQ(bytes.substr(2 + 81 + 1000), "track");
}

TEST(ICR2DatFile, FailedSaveChangesNothing)
{
    TempFolder folder;
    folder.Write("oval/a.3do", "first");
    folder.Write("oval/b.trk", "second");
    CheckFailedSaveChangesNothing("icr2", folder, folder.Path("oval/oval.dat"), folder.Path("oval/b.trk"));
}

TEST(ICR2DatFile, UnsafeNamesAreRefused)
{
    CheckUnsafeNamesRefused("icr2");
}

TEST(ICR2DatFile, SaveRefusals)
{
    TempFolder folder;
    folder.Write("oval/a.3do", "first");
    CheckSaveRefusals("icr2", folder.Path("oval/oval.dat"), 0);

    // A name of 13 characters would lose its NUL: refused, the archive unchanged.
    std::string path = folder.Write("long/long.dat", ArchiveWithNames("icr2", {"abcdefghi.trk"}));
    folder.Write("long/abcdefghi.trk", "x");
    const std::string before = FileBytes(path);
    ICR2DatFile dat(path, true);
    try
    {
        dat.Save();
        ADD_FAILURE() << "saved";
    }
    catch (const XUsage& e)
    {
        EXPECT_EQ(e.GetText(), "ICR2 dat file subfile name longer than 12 characters: abcdefghi.trk");
    }
    EXPECT_EQ(FileBytes(path), before);

    // An empty archive could not be read back.
    folder.MakeFolder("empty");
    ICR2DatFile empty(folder.Path("empty/empty.dat"));
    EXPECT_THROW(empty.Save(), XUsage);
}

TEST(ICR2DatFile, NewArchiveLivesInMemoryUntilSaved)
{
    CheckNewArchiveLivesInMemoryUntilSaved("icr2");
}
