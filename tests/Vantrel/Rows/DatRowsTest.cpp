// The DAT document's list and paths, on archives of the independent DAT writer in game folders:
// the five columns, the sorts, the entry and track paths, the refusal of names that lead outside
// the folder, archives that nobody recognises, and the release on close.
#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
#include <map>
#include <sstream>

#include "FileViewSamples.h"
#include "Papy/Bitmap/MipFile.h"
#include "Papy/Container/PapyDirectory.h"
#include "Papy/Factory/FileFactoryRegistry.h"
#include "Papy/Factory/MakeFacets.h"
#include "Util/Exception.h"
#include "Vantrel/Rows/DatContainer.h"
#include "Vantrel/Rows/DatEntryList.h"

using namespace Velmo;
using FileViewsTest::ReadTable;
using FileViewsTest::Samples;

namespace
{
struct Entry
{
    std::vector<std::string> columns; // name, type, folder, size, compressed size
    std::string relative;
    std::string disk; // relative to the samples; "!" when refused
};

struct Archive
{
    std::string path, folder, track;
    std::vector<Entry> entries;
    std::map<int, std::pair<std::vector<int>, std::vector<int>>> sorts; // column: ascending, descending
};

std::vector<int> Indices(const std::string& text)
{
    std::vector<int> indices;
    std::stringstream in(text);
    for (std::string item; std::getline(in, item, ',');)
        indices.push_back(std::stoi(item));
    return indices;
}

// The archives and what the writer says their lists must show.
std::vector<Archive> Archives(const std::string& samples)
{
    std::vector<Archive> archives;
    for (const auto& row : ReadTable(samples + "/dat.txt"))
    {
        if (row[0] == "archive")
            archives.push_back(Archive{row[1], row[2], "", {}, {}});
        else if (row[0] == "entry")
            archives.back().entries.push_back(Entry{{row[2], row[3], row[4], row[5], row[6]}, row[7], row[8]});
        else if (row[0] == "sort")
            archives.back().sorts[std::stoi(row[1])] = {Indices(row[2]), Indices(row[3])};
        else if (row[0] == "track")
            archives.back().track = row[1];
    }
    return archives;
}

Papy::FileFactoryRegistry& Registry()
{
    return *Papy::FileFactoryRegistry::Instance();
}

std::vector<int> Shown(const DatEntryList& list)
{
    std::vector<int> entries;
    for (int row = 0; row < list.GetRowCount(); ++row)
        entries.push_back(list.GetEntry(row));
    return entries;
}

std::string TextOf(const std::function<void()>& action)
{
    try
    {
        action();
    }
    catch (const Util::XFileFormat& e)
    {
        return e.GetMessage();
    }
    catch (const Util::Exception& e)
    {
        return e.GetText();
    }
    return "no error";
}

class DatRows : public ::testing::Test
{
protected:
    void SetUp() override
    {
        samples = Samples("dat");
        archives = Archives(samples);
        ASSERT_EQ(archives.size(), 2u);
    }

    DatContainer Open(const Archive& archive) { return OpenDatContainer(Registry(), samples + "/" + archive.path); }

    std::string samples;
    std::vector<Archive> archives;
};
} // namespace

TEST_F(DatRows, ColumnsAreTheFiveOfTheList)
{
    const char* headings[] = {"Name", "Type", "Directory", "Size", "Compressed Size"};
    const int widths[] = {80, 50, 80, 80, 80};
    for (int c = 0; c < DatEntryList::ColumnCount; ++c)
    {
        EXPECT_STREQ(DatEntryList::Columns[c].Heading, headings[c]);
        EXPECT_EQ(DatEntryList::Columns[c].Width, widths[c]);
    }
}

TEST_F(DatRows, RowsShowEveryEntryInLoadOrder)
{
    for (const Archive& archive : archives)
    {
        DatContainer container = Open(archive);
        DatEntryList list(container.Dat);
        ASSERT_EQ(list.GetRowCount(), int(archive.entries.size())) << archive.path;
        EXPECT_EQ(list.GetSortColumn(), 0);
        for (int row = 0; row < list.GetRowCount(); ++row)
        {
            EXPECT_EQ(list.GetEntry(row), row);
            for (int c = 0; c < DatEntryList::ColumnCount; ++c)
                EXPECT_EQ(list.GetText(row, c), archive.entries[std::size_t(row)].columns[std::size_t(c)])
                    << archive.path << " row " << row << " column " << c;
        }
    }
}

TEST_F(DatRows, EachColumnSortsAscendingThenDescending)
{
    for (const Archive& archive : archives)
        for (const auto& [column, orders] : archive.sorts)
        {
            DatContainer container = Open(archive);
            DatEntryList list(container.Dat);
            list.ClickColumn(column);
            EXPECT_EQ(list.GetSortColumn(), column + 1);
            EXPECT_EQ(Shown(list), orders.first) << archive.path << " column " << column << " ascending";
            list.ClickColumn(column);
            EXPECT_EQ(list.GetSortColumn(), -(column + 1));
            EXPECT_EQ(Shown(list), orders.second) << archive.path << " column " << column << " descending";
            list.ClickColumn(column);
            EXPECT_EQ(list.GetSortColumn(), column + 1);
        }
}

TEST_F(DatRows, NamesSortByteWiseCapitalsFirst)
{
    DatContainer container = Open(archives[0]);
    DatEntryList list(container.Dat);
    auto names = [&list] {
        std::vector<std::string> shown;
        for (int row = 0; row < list.GetRowCount(); ++row)
        {
            std::string name = list.GetText(row, DatEntryList::NameColumn);
            if (name == "Beta" || name == "Gamma" || name == "alpha")
                shown.push_back(name);
        }
        return shown;
    };
    list.ClickColumn(DatEntryList::NameColumn);
    EXPECT_EQ(names(), (std::vector<std::string>{"Beta", "Gamma", "alpha"}));
    list.ClickColumn(DatEntryList::NameColumn);
    EXPECT_EQ(names(), (std::vector<std::string>{"alpha", "Gamma", "Beta"}));
}

TEST_F(DatRows, AnotherColumnSortsAscendingFirst)
{
    DatContainer container = Open(archives[0]);
    DatEntryList list(container.Dat);
    list.ClickColumn(DatEntryList::SizeColumn);
    list.ClickColumn(DatEntryList::TypeColumn);
    EXPECT_EQ(list.GetSortColumn(), 2);
    list.ClickColumn(DatEntryList::TypeColumn);
    EXPECT_EQ(list.GetSortColumn(), -2);
}

// Sizes of 4294967280 and 4 differ by more than an int holds: the larger still sorts last.
TEST_F(DatRows, SizesCompareThreeWayBeyondTheIntRange)
{
    DatContainer container = Open(archives[0]);
    DatEntryList list(container.Dat);
    const int big = 9, beta = 0;
    ASSERT_EQ(list.GetEntryText(big, DatEntryList::SizeColumn), "4294967280");
    ASSERT_EQ(list.GetEntryText(beta, DatEntryList::SizeColumn), "4");
    EXPECT_EQ(list.Compare(big, beta), 0) << "load order compares nothing";
    list.ClickColumn(DatEntryList::SizeColumn);
    EXPECT_GT(list.Compare(big, beta), 0);
    EXPECT_LT(list.Compare(beta, big), 0);
    EXPECT_EQ(list.Compare(big, big), 0);
    EXPECT_EQ(list.GetEntry(list.GetRowCount() - 1), big);
    list.ClickColumn(DatEntryList::SizeColumn);
    EXPECT_LT(list.Compare(big, beta), 0);
    EXPECT_EQ(list.GetEntry(0), big);
}

TEST_F(DatRows, WithoutAnArchiveTheListIsEmpty)
{
    DatEntryList list{Util::CountedPointer<Papy::DatFile>()};
    EXPECT_EQ(list.GetRowCount(), 0);
    list.ClickColumn(0);
    EXPECT_EQ(list.Compare(0, 1), 0);
}

TEST_F(DatRows, EntryPathsLieInTheFactorysFolderAndUnsafeNamesAreRefused)
{
    for (const Archive& archive : archives)
    {
        DatContainer container = Open(archive);
        for (std::size_t i = 0; i < archive.entries.size(); ++i)
        {
            const Entry& entry = archive.entries[i];
            EXPECT_EQ(DatEntryRelativeName(*container.Dat, int(i)), entry.relative);
            if (entry.disk == "!")
                EXPECT_EQ(TextOf([&] { DatEntryPath(*container.Factory, *container.Dat, int(i)); }),
                          DatContainer::UnsafeEntryText + entry.relative)
                    << archive.path << " entry " << i;
            else
                EXPECT_EQ(DatEntryPath(*container.Factory, *container.Dat, int(i)), samples + "/" + entry.disk)
                    << archive.path << " entry " << i;
        }
    }
}

TEST_F(DatRows, OpenTrackNamesTheFoldersTrack)
{
    for (const Archive& archive : archives)
    {
        DatContainer container = Open(archive);
        EXPECT_EQ(DatTrackPath(*container.Factory), samples + "/" + archive.track);
    }
}

// The path of an entry in a folder of the archive reaches the entry through that folder's
// factory: the MIP of art\logo.mip opens from the archive.
TEST_F(DatRows, AnEntryPathOpensTheEntryFromTheArchive)
{
    DatContainer container = Open(archives[0]);
    const std::string path = DatEntryPath(*container.Factory, *container.Dat, 3);
    ASSERT_EQ(path, samples + "/n4/tracks/monza/art/logo.mip");
    ASSERT_FALSE(std::filesystem::exists(path));
    auto factory = Registry().GetFactory(Papy::PapyDirectory(path), false);
    ASSERT_TRUE(factory);
    Util::CountedPointer<Papy::MipFile> mip;
    factory->GetFacet<Papy::MakeMip>()->Make(mip, "logo.mip", "mip", false);
    ASSERT_TRUE(mip);
    EXPECT_EQ(mip->GetBitmapCount(), 3u);
    EXPECT_EQ(mip->GetWidth(), 8u);
    EXPECT_EQ(mip->GetHeight(), 4u);
}

TEST_F(DatRows, OnlyRecognisedArchivesOpen)
{
    int checked = 0;
    for (const auto& row : ReadTable(samples + "/dat.txt"))
    {
        if (row[0] != "folder-dat")
            continue;
        const std::string path = samples + "/" + row[1];
        if (row[2] == "empty")
        {
            EXPECT_EQ(TextOf([&] { OpenDatContainer(Registry(), path); }), DatContainer::NotRecognisedText) << path;
            try
            {
                OpenDatContainer(Registry(), path);
            }
            catch (const Util::XFileFormat& e)
            {
                EXPECT_EQ(e.GetText(), "A possible error was found in file " + path + "\nnot a recognised DAT container\n");
            }
        }
        else
        {
            DatContainer container = OpenDatContainer(Registry(), path);
            EXPECT_TRUE(container.Factory && container.Dat) << path;
            EXPECT_GT(DatEntryList(container.Dat).GetRowCount(), 0) << path;
        }
        ++checked;
    }
    EXPECT_EQ(checked, 5);
}

// Closing releases the factory before the purge, so the purge drops it and with it the archive.
TEST_F(DatRows, ClosingReleasesTheFactoryThenPurges)
{
    DatContainer container = Open(archives[1]);
    Util::CountedPointer<Papy::DatFile> dat = container.Dat;
    const int held = dat.GetCount();
    CloseDatContainer(container, Registry());
    EXPECT_FALSE(container.Factory);
    EXPECT_FALSE(container.Dat);
    EXPECT_EQ(dat.GetCount(), 1) << "held by " << held << " before the close";
}
