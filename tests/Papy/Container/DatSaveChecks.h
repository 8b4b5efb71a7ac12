#pragma once
// Saving checks that both DAT formats pass: a build saved and read back, a save that fails
// half-way, names that would leave the folder, and the locks of open entries.
#include <gtest/gtest.h>

#include <cerrno>
#include <filesystem>
#include <functional>

#include "DatTestSupport.h"
#include "Util/FileSystem.h"
#include "Support/ByteBuilder.h"
#include "Support/TempFolder.h"

namespace VelmoTest
{
// An archive whose entries have the given names and no data, written byte by byte.
inline std::string ArchiveWithNames(const std::string& format, const std::vector<std::string>& names)
{
    ByteBuilder b;
    if (format == "icr2")
    {
        b.S16(std::int16_t(names.size()));
        for (const std::string& name : names)
        {
            b.U8(5).U8(0).U32(0).U32(0);
            std::string field = name.substr(0, 13);
            b.Text(field).Zeros(13 - field.size());
            b.U32(std::uint32_t(2 + 27 * names.size()));
        }
    }
    else
    {
        std::uint32_t directory = 0;
        for (const std::string& name : names)
            directory += std::uint32_t(16 + name.size());
        b.S16(std::int16_t(-int(names.size()))).U32(directory).U32(0);
        for (const std::string& name : names)
            b.U8(5).U8(0).U32(0).U32(0).U32(10 + directory).U8(std::uint8_t(name.size())).CString(name);
    }
    return std::string(b.Get().begin(), b.Get().end());
}

// Build, Save, read back: every entry's bytes are its file's, and the independent checker
// agrees with the layout.
inline void CheckSaveRoundTrip(const std::string& format, const TempFolder& folder, const std::string& datPath,
                               int expectedEntries)
{
    auto dat = NewDat(format, datPath);
    dat->Build(false);
    ASSERT_EQ(dat->GetEntryCount(), expectedEntries);
    dat->Save();
    EXPECT_TRUE(IndependentCheck(datPath, format, std::filesystem::path(datPath).parent_path().string()));

    // The container reads its new file, and so does a new reader once the container, which
    // holds the archive open for update, is gone.
    for (int pass = 0; pass < 2; ++pass)
    {
        if (pass == 1)
            dat = nullptr;
        auto reader = pass == 0 ? dat : OpenDat(format, datPath);
        ASSERT_EQ(reader->GetEntryCount(), expectedEntries);
        for (int i = 0; i < reader->GetEntryCount(); ++i)
        {
            std::string relative = EntryPath(*reader, i);
            std::replace(relative.begin(), relative.end(), '\\', '/');
            std::string source = FileBytes(std::filesystem::path(datPath).parent_path() / relative);
            EXPECT_EQ(reader->GetEntrySize(i), source.size()) << relative;
            EXPECT_EQ(ReadAll(*reader->OpenEntry(i)), source) << relative;
        }
    }
    static_cast<void>(folder);
}

// A save that fails half-way leaves the archive as it was, and no file behind.
inline void CheckFailedSaveChangesNothing(const std::string& format, const TempFolder& folder,
                                          const std::string& datPath, const std::string& removed)
{
    auto dat = NewDat(format, datPath);
    dat->Build(false);
    dat->Save();
    const std::string before = FileBytes(datPath);
    const std::string relativeFolder = std::filesystem::path(datPath).parent_path().lexically_relative(folder.Path());
    const std::size_t entries = folder.CountEntries(relativeFolder);

    dat->Build(false);
    std::filesystem::remove(removed);
    EXPECT_THROW(dat->Save(), Velmo::Util::XFileOpen);
    EXPECT_EQ(FileBytes(datPath), before);
    EXPECT_EQ(folder.CountEntries(relativeFolder), entries - 1);
    // The container has the old archive open again, for another save.
    dat->Build(false);
    dat->Save();
    EXPECT_NE(FileBytes(datPath), before);
    dat = nullptr;
    EXPECT_EQ(OpenDat(format, datPath)->GetEntryCount(), int(entries) - 2);
}

// Names that would reach outside the folder are refused before anything is read or written.
inline void CheckUnsafeNamesRefused(const std::string& format)
{
    const std::vector<std::string> names = {"..\\x.trk", "a\\..\\..\\x.t", "\\tmp\\x.trk", "/tmp/x.trk",
                                            "a:b.trk",   "a\\\\b.trk",      "a\\",         ""};
    for (const std::string& name : names)
    {
        SCOPED_TRACE(name);
        TempFolder folder;
        folder.Write("x.trk", "outside");
        folder.Write("a/b.trk", "inside");
        std::string path = folder.Write("a/in/in.dat", ArchiveWithNames(format, {"b.trk", name}));
        const std::string before = FileBytes(path);
        auto dat = OpenDat(format, path, true);
        try
        {
            dat->Save();
            ADD_FAILURE() << "saved";
        }
        catch (const Velmo::Util::XUsage& e)
        {
            EXPECT_NE(e.GetText().find("dat file subfile name not allowed: " + name), std::string::npos) << e.GetText();
        }
        EXPECT_EQ(FileBytes(path), before);
        EXPECT_EQ(folder.CountEntries("a/in"), 1u);
    }
}

// The archive's open stored entries and a read-only open both keep the archive from being saved.
inline void CheckSaveRefusals(const std::string& format, const std::string& datPath, int storedEntry)
{
    {
        auto dat = NewDat(format, datPath);
        dat->Build(false);
        dat->Save();
    }
    const std::string before = FileBytes(datPath);
    {
        auto readOnly = OpenDat(format, datPath);
        EXPECT_THROW(readOnly->Save(), Velmo::Util::XFileWrite);
    }
    auto dat = OpenDat(format, datPath, true);
    auto entry = dat->OpenEntry(storedEntry);
    const std::string entryBytes = ReadAll(*entry);
    try
    {
        dat->Save();
        ADD_FAILURE() << "saved";
    }
    catch (const Velmo::Util::XUsage& e)
    {
        EXPECT_EQ(e.GetText(), (format == "icr2" ? "ICR2" : "N4") +
                                   std::string(" dat file cannot be saved while its entries are open"));
    }
    EXPECT_EQ(ReadAll(*entry), entryBytes);
    entry = nullptr;
    dat->Build(false);
    dat->Save();
    EXPECT_EQ(FileBytes(datPath), before);
}

// A new archive lives in memory: its file appears at its first successful save, and only
// if nothing took its name meanwhile. It cannot be made over an existing file or in a
// missing folder.
inline void CheckNewArchiveLivesInMemoryUntilSaved(const std::string& format)
{
    TempFolder folder;
    folder.Write("Oval/a.3do", "object");
    const std::string path = folder.Path("Oval/Oval.dat");
    auto dat = NewDat(format, path);
    EXPECT_EQ(folder.CountEntries("Oval"), 1u);
    EXPECT_EQ(dat->GetEntryCount(), 0);
    EXPECT_FALSE(dat->OpenEntry("a.3do"));
    // An empty ICR2 archive cannot be saved; the folder stays as it was.
    if (format == "icr2")
    {
        EXPECT_THROW(dat->Save(), Velmo::Util::XUsage);
        EXPECT_EQ(folder.CountEntries("Oval"), 1u);
    }
    dat->Build(false);
    ASSERT_EQ(dat->GetEntryCount(), 1);
    dat->Save();
    EXPECT_EQ(ReadAll(*dat->OpenEntry(0)), "object");
    dat = nullptr; // it holds its file open for update
    EXPECT_EQ(ReadAll(*OpenDat(format, path)->OpenEntry("A.3DO")), "object");

    // Another file of the name: refused when made, and when it appears before the first save.
    const auto expected = [](const std::string& name, int error) {
        return Velmo::Util::XFileOpen(name, Velmo::Util::SystemErrorText(error)).GetText();
    };
    const auto openError = [](const std::function<void()>& action) -> std::string {
        try
        {
            action();
        }
        catch (const Velmo::Util::XFileOpen& e)
        {
            return e.GetText();
        }
        return "no error";
    };
    EXPECT_EQ(openError([&] { NewDat(format, path); }), expected(path, EEXIST));
    EXPECT_EQ(openError([&] { NewDat(format, folder.Path("None/None.dat")); }),
              expected(folder.Path("None/None.dat"), ENOENT));
    auto late = NewDat(format, folder.Path("Oval/late.dat"));
    late->Build(false);
    folder.Write("Oval/late.dat", "taken");
    EXPECT_EQ(openError([&] { late->Save(); }), expected(folder.Path("Oval/late.dat"), EEXIST));
    EXPECT_EQ(FileBytes(folder.Path("Oval/late.dat")), "taken");
}

// Directories that end before their records do fail with the archive's read error.
inline void CheckShortDirectories(const std::string& format)
{
    std::vector<std::string> archives;
    if (format == "icr2")
    {
        // Two records announced, one and a part present; a count alone; a header cut short.
        archives.push_back(ArchiveWithNames("icr2", {"a.trk", "b.trk"}).substr(0, 2 + 27 + 20));
        archives.push_back(ArchiveWithNames("icr2", {"a.trk"}).substr(0, 2));
        archives.push_back(std::string(1, '\1'));
    }
    else
    {
        // A directory size that ends inside a record's head, one that ends inside its name, and
        // a header cut short.
        const std::string whole = ArchiveWithNames("n4", {"art\\logo.mip"});
        for (char size : {char(10), char(20)})
            archives.push_back(whole.substr(0, 2) + size + whole.substr(3));
        archives.push_back(whole.substr(0, 8));
    }
    TempFolder folder;
    for (std::size_t i = 0; i < archives.size(); ++i)
    {
        SCOPED_TRACE(i);
        const std::string path = folder.Write("short" + std::to_string(i) + ".dat", archives[i]);
        try
        {
            OpenDat(format, path);
            ADD_FAILURE() << "loaded";
        }
        catch (const Velmo::Util::XFileRead& e)
        {
            EXPECT_EQ(e.GetText(), Velmo::Util::XFileRead(path).GetText());
        }
    }
}

// An archive named in another case than it has on disk is the file on disk: its path, the
// folder Build lists and Save reads, and the file a save replaces.
inline void CheckOpenedInAnotherCase(const std::string& format)
{
    TempFolder folder;
    folder.Write("Oval/a.3do", "object");
    {
        auto dat = NewDat(format, folder.Path("Oval/Oval.dat"));
        dat->Build(false);
        dat->Save();
    }
    auto dat = OpenDat(format, folder.Path("oval/OVAL.DAT"), true);
    EXPECT_EQ(dat->GetPathName().GetFullPath(), folder.Path("Oval/Oval.dat"));
    folder.Write("Oval/b.3do", "another");
    dat->Build(false);
    ASSERT_EQ(dat->GetEntryCount(), 2);
    dat->Save();
    EXPECT_EQ(folder.CountEntries("Oval"), 3u); // no second archive beside the first
    EXPECT_EQ(ReadAll(*dat->OpenEntry("B.3DO")), "another");
}
} // namespace VelmoTest
