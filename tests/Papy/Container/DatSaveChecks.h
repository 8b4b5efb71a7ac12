#pragma once
// Saving checks that both DAT formats pass: a build saved and read back, a save that fails
// half-way, names that would leave the folder, and the locks of open entries.
#include <gtest/gtest.h>

#include <filesystem>
#include <functional>

#include "DatTestSupport.h"
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
} // namespace VelmoTest
