// GPL layout files: the header-only file, field access and edits, copy and paste through the
// program's clipboard, delete, and the limits of each.
#include <gtest/gtest.h>

#include "Papy/Race/GPLLytFile.h"
#include "RaceSamples.h"
#include "Util/Clipboard.h"
#include "Util/Exception.h"

using namespace VelmoTest;
using namespace Velmo::Papy;

namespace
{
// A layout of records whose relative-to fields are given (the last record is not listed).
Bytes Layout(const std::vector<std::int16_t>& relative)
{
    ByteBuilder b;
    b.S32(6).S32(809).S32(0).S32(0);
    for (std::size_t i = 0; i < relative.size(); ++i)
    {
        Bytes record(809, 0);
        record[0] = std::uint8_t('a' + i);
        record[793] = std::uint8_t(relative[i]);
        record[794] = std::uint8_t(std::uint16_t(relative[i]) >> 8);
        b.Bytes(record);
    }
    return b.Get();
}

// Each test starts and ends with nothing under the layout files' clipboard id.
struct ClipboardGuard
{
    ClipboardGuard() { Velmo::Util::Clipboard::GetStore().erase(GPLLytFile::ClipboardId); }
    ~ClipboardGuard() { Velmo::Util::Clipboard::GetStore().erase(GPLLytFile::ClipboardId); }
};
} // namespace

TEST(GPLLytFile, HeaderOnlyFileRoundTripsIn16Bytes)
{
    ClipboardGuard guard;
    const Bytes bytes = ReadRaceSample("header.lyt");
    ASSERT_EQ(bytes.size(), 16u);
    auto file = LoadRace<GPLLytFile>(bytes);
    EXPECT_EQ(file->GetControlCount(), -1);
    EXPECT_EQ(SaveRace(*file), bytes);
    EXPECT_EQ(AssertionOf([&] { file->CopyControl(0); }), "i >= 0 && i < GetControlCount()");
}

TEST(GPLLytFile, FieldsReadAndWriteTheirBytes)
{
    ClipboardGuard guard;
    auto file = LoadRace<GPLLytFile>(ReadRaceSample("screen.lyt"));
    ASSERT_EQ(file->GetControlCount(), 3);
    EXPECT_EQ(file->GetName(0), "Title");
    EXPECT_EQ(file->GetTypeClass(0), 3);
    EXPECT_EQ(file->GetName(1), std::string(256, 'x'));
    EXPECT_EQ(file->GetTypeClass(1), 4);
    EXPECT_EQ(file->GetTypeClass(2), 1);
    file->SetX(0, -70000);
    file->SetY(0, 1);
    file->SetWidth(0, 2);
    file->SetHeight(0, 3);
    file->SetGroupId(0, 70000); // int16: 70000 - 65536
    file->SetParentGroupId(0, -2);
    file->SetRelativeToControl(0, 2);
    file->SetRelativeValue(0, -9);
    file->SetStringId(0, 77);
    auto again = LoadRace<GPLLytFile>(SaveRace(*file));
    EXPECT_EQ(again->GetX(0), -70000);
    EXPECT_EQ(again->GetY(0) + again->GetWidth(0) + again->GetHeight(0), 6);
    EXPECT_EQ(again->GetGroupId(0), 4464);
    EXPECT_EQ(again->GetParentGroupId(0), -2);
    EXPECT_EQ(again->GetRelativeToControl(0), 2);
    EXPECT_EQ(again->GetRelativeValue(0), -9);
    EXPECT_EQ(again->GetStringId(0), 77);
    EXPECT_EQ(again->GetExtra(0, 3), 4);
    EXPECT_EQ(AssertionOf([&] { again->GetExtra(0, 4); }), "false");
    EXPECT_EQ(AssertionOf([&] { again->GetX(3); }), "i >= 0 && i < GetControlCount()");
}

TEST(GPLLytFile, SetNameCutsLongNamesToTheField)
{
    ClipboardGuard guard;
    auto file = LoadRace<GPLLytFile>(ReadRaceSample("screen.lyt"));
    const Bytes before = SaveRace(*file);
    file->SetName(0, std::string(300, 'n'));
    EXPECT_EQ(file->GetName(0), std::string(255, 'n'));
    const Bytes after = SaveRace(*file);
    ASSERT_EQ(after.size(), before.size());
    EXPECT_EQ(after[16 + 255], 0);
    // Nothing beyond the name field changed.
    EXPECT_TRUE(std::equal(before.begin() + 16 + 256, before.end(), after.begin() + 16 + 256));
    file->SetName(0, "ab");
    EXPECT_EQ(file->GetName(0), "ab");
    EXPECT_EQ(SaveRace(*file)[16 + 3], 0);
}

TEST(GPLLytFile, PasteShiftsRelativeReferences)
{
    ClipboardGuard guard;
    const struct
    {
        int before;
        std::vector<int> relative;
    } cases[] = {
        {0, {1, 1, -1, 3}}, // everything 0 or more moves, the pasted control's 0 too
        {2, {0, -1, 0, 3}}, // below the index: unchanged
        {3, {0, -1, 2, 0}}, // after the last listed control: nothing moves
    };
    for (const auto& c : cases)
    {
        SCOPED_TRACE(c.before);
        auto file = LoadRace<GPLLytFile>(Layout({0, -1, 2, 5}));
        ASSERT_EQ(file->GetControlCount(), 3);
        file->CopyControl(0);
        EXPECT_TRUE(file->IsClipboardControlAvailable());
        file->PasteControl(c.before);
        ASSERT_EQ(file->GetControlCount(), 4);
        EXPECT_EQ(file->GetName(c.before), "a");
        std::vector<int> relative;
        for (int i = 0; i < file->GetControlCount(); ++i)
            relative.push_back(file->GetRelativeToControl(i));
        EXPECT_EQ(relative, c.relative);
    }
}

TEST(GPLLytFile, PasteAndDeleteLimits)
{
    ClipboardGuard guard;
    auto one = LoadRace<GPLLytFile>(Layout({0, 0}));
    ASSERT_EQ(one->GetControlCount(), 1);
    EXPECT_FALSE(one->IsClipboardControlAvailable());
    EXPECT_EQ(AssertionOf([&] { one->PasteControl(0); }), "IsClipboardControlAvailable()");
    one->CopyControl(0);
    EXPECT_EQ(AssertionOf([&] { one->PasteControl(2); }), "insert_before_index <= GetControlCount()");
    EXPECT_EQ(AssertionOf([&] { one->PasteControl(-1); }), "insert_before_index >= 0");
    // The unlisted last record cannot be deleted.
    EXPECT_EQ(AssertionOf([&] { one->DeleteControl(1); }), "i < GetControlCount()");
    one->DeleteControl(0);
    EXPECT_EQ(one->GetControlCount(), 0);
    // With no listed control, pasting is allowed only before index 0.
    one->PasteControl(0);
    EXPECT_EQ(one->GetControlCount(), 1);
    // A value of another type under the id.
    Velmo::Util::Clipboard::SetData(GPLLytFile::ClipboardId, 5);
    EXPECT_THROW(one->PasteControl(0), boost::bad_any_cast);
}

// Delete mirrors paste: references past the deleted control move down by one, a reference to
// it becomes -1 (relative to nothing), negative ones stay; the unlisted last record keeps its
// value, as paste leaves it.
TEST(GPLLytFile, DeleteRenumbersReferencesAsPasteDoes)
{
    ClipboardGuard guard;
    const struct
    {
        std::vector<std::int16_t> relative; // the last one unlisted
        int deleted;
        std::string names;
        std::vector<int> after;
    } cases[] = {
        // a chain: b placed relative to a, c to b
        {{-1, 0, 1, 1}, 0, "bc", {-1, 0}},
        {{-1, 0, 1, 1}, 1, "ac", {-1, -1}},
        {{-1, 0, 1, 1}, 2, "ab", {-1, 0}},
        // the chain the other way round, and a reference past the listed controls
        {{1, 2, 5, 2}, 0, "bc", {1, 4}},
        {{1, 2, 5, 2}, 1, "ac", {-1, 4}},
        {{1, 2, 5, 2}, 2, "ab", {1, -1}},
        // other negative values are left as they are
        {{-3, -1, 0, 0}, 2, "ab", {-3, -1}},
    };
    for (const auto& c : cases)
    {
        SCOPED_TRACE(c.deleted);
        auto file = LoadRace<GPLLytFile>(Layout(c.relative));
        file->DeleteControl(c.deleted);
        ASSERT_EQ(file->GetControlCount(), 2);
        std::string names;
        std::vector<int> relative;
        for (int i = 0; i < file->GetControlCount(); ++i)
        {
            names += file->GetName(i);
            relative.push_back(file->GetRelativeToControl(i));
        }
        EXPECT_EQ(names, c.names);
        EXPECT_EQ(relative, c.after);
        const Bytes saved = SaveRace(*file);
        EXPECT_EQ(saved[16 + 2 * 809 + 793] | saved[16 + 2 * 809 + 794] << 8, std::uint16_t(c.relative.back()))
            << "the last record";
    }
}

// Pasting a control before any index and deleting it again gives the file back byte for byte.
TEST(GPLLytFile, DeletingAPastedControlGivesTheFileBack)
{
    ClipboardGuard guard;
    const Bytes original = Layout({2, -1, 0, 1, 3});
    for (int before = 0; before <= 4; ++before)
    {
        SCOPED_TRACE(before);
        auto file = LoadRace<GPLLytFile>(original);
        file->CopyControl(0);
        file->PasteControl(before);
        file->DeleteControl(before);
        EXPECT_EQ(SaveRace(*file), original);
    }
}
