// The layout panes' model, on the layout files of the independent generator (race.py): the
// items and rows against the generator's listing, edits against the files the generator writes
// with the edited values, and copy, paste and delete with their renumbering.
#include <gtest/gtest.h>

#include <climits>
#include <fstream>
#include <sstream>

#include "FileViewSamples.h"
#include "LytListing.h"
#include "Papy/Race/GPLLytFile.h"
#include "Util/Clipboard.h"
#include "Util/Exception.h"
#include "Util/MemoryStream.h"
#include "Vantrel/Rows/LytEditor.h"

using namespace Velmo;

namespace
{
using FileViewsTest::Listed;
using FileViewsTest::LytListing;

std::string Sample(const std::string& name)
{
    return FileViewsTest::ReadText(FileViewsTest::Samples("lyt") + "/" + name);
}

Util::CountedPointer<Papy::LytFile> Load(const std::string& name)
{
    std::string bytes = Sample(name);
    Util::MemoryStream stream(std::vector<U8>(bytes.begin(), bytes.end()), name);
    return Util::CountedPointer<Papy::LytFile>(new Papy::GPLLytFile(stream));
}

std::string Saved(const Papy::LytFile& file)
{
    Util::MemoryStream stream("saved");
    file.Save(stream);
    std::vector<U8> bytes = stream.GetBytes();
    return std::string(bytes.begin(), bytes.end());
}

std::string AssertionOf(const std::function<void()>& action)
{
    try
    {
        action();
    }
    catch (const Util::XAssertion& e)
    {
        return e.GetExpression();
    }
    return "";
}

std::vector<std::pair<std::string, int>> Items(const LytEditor& editor)
{
    std::vector<std::pair<std::string, int>> items;
    for (const auto& item : editor.GetItems())
        items.emplace_back(item.Text, item.Control);
    return items;
}

// Each test starts and ends with nothing in the layout clipboard.
class LytEditorTest : public ::testing::Test
{
protected:
    void SetUp() override { Util::Clipboard::GetStore().erase(Papy::GPLLytFile::ClipboardId); }
    void TearDown() override { Util::Clipboard::GetStore().erase(Papy::GPLLytFile::ClipboardId); }
};

// Row indices of the field pane.
enum
{
    NameRow = 0,
    IndexRow = 1,
    TypeRow = 2,
    XRow = 3,
    WidthRow = 5,
    HeightRow = 6,
    StringRow = 11
};
} // namespace

TEST_F(LytEditorTest, ItemsAndRowsShowTheGeneratorsValues)
{
    for (const char* file : {"screen.lyt", "pair.lyt"})
    {
        LytEditor editor(Load(file));
        std::vector<Listed> listed = LytListing(file);
        ASSERT_EQ(editor.GetItems().size(), listed.size()) << file;
        for (std::size_t i = 0; i < listed.size(); ++i)
        {
            const Listed& c = listed[i];
            EXPECT_EQ(editor.GetItems()[i].Text, c.name);
            EXPECT_EQ(editor.GetItems()[i].Control, int(i));
            editor.Show(int(i));
            std::vector<std::pair<std::string, std::string>> want = {
                {"Name", c.name},          {"Index", std::to_string(i)}, {"Type", c.numbers[0]},
                {"X", c.numbers[1]},       {"Y", c.numbers[2]},          {"Width", c.numbers[3]},
                {"Height", c.numbers[4]},  {"Relative To Control", c.numbers[8]},
                {"Relative Value", c.numbers[9]}, {"Group Id", c.numbers[6]},
                {"Parent Group Id", c.numbers[7]}};
            // Type 5 is a text control (type class 3): it has a string id.
            if (c.numbers[0] == "5")
                want.push_back({"String Id", c.numbers[5]});
            for (int k = 0; k < 4; ++k)
                want.push_back({"Unknown", c.numbers[std::size_t(10 + k)]});
            std::vector<std::pair<std::string, std::string>> got;
            for (const LytFieldRow& row : editor.GetRows())
                got.push_back({row.Label, row.Value});
            EXPECT_EQ(got, want) << file << " control " << i;
        }
    }
}

TEST_F(LytEditorTest, TheListShowsNothingUntilAControlIsShown)
{
    LytEditor editor(Load("screen.lyt"));
    EXPECT_EQ(editor.GetShownControl(), -1);
    EXPECT_TRUE(editor.GetRows().empty());
    EXPECT_EQ(AssertionOf([&] { editor.Edit(XRow, "1"); }), "index != -1");
    EXPECT_EQ(LytEditor::HintOf(2), 3);
    EXPECT_EQ(LytEditor::ControlOfHint(0), -1);
}

// Each edit is saved and compared with the generator's file holding the edited value.
TEST_F(LytEditorTest, EditsStoreWhatTheFileHolds)
{
    const struct
    {
        int control;
        int row;
        const char* text;
        const char* expected;
    } cases[] = {
        {0, XRow, "12abc", "screen-x12.lyt"},
        {0, XRow, "abc", "screen-x0.lyt"},
        {0, XRow, "12", "screen-x12.lyt"},
        {2, NameRow, nullptr, "screen-name255.lyt"}, // 300 letters
        {0, StringRow, "-7", "screen-string.lyt"},
    };
    for (const auto& c : cases)
    {
        LytEditor editor(Load("screen.lyt"));
        editor.Show(c.control);
        EXPECT_TRUE(editor.Edit(c.row, c.text ? c.text : std::string(300, 'y'))) << c.expected;
        EXPECT_EQ(Saved(*editor.GetFile()), Sample(c.expected)) << c.expected;
    }
}

// Typed texts (UTF-8) reach the file in its code page, 1252. A name with a character the code
// page lacks is refused whole and the old name stays, in the file and in the tree; a number is
// read from the text as typed, so that a character the code page lacks ends it as any other
// letter does.
TEST_F(LytEditorTest, TypedTextsTheFileCannotHoldAreRefused)
{
    const char* arrow = "\xE2\x86\x92"; // U+2192, not in the code page
    const struct
    {
        int row;
        std::string typed;
        LytEditor::Typed result;
        std::string name; // as the file holds it
        std::string x;
    } cases[] = {
        {NameRow, std::string("ab") + arrow + "cd", LytEditor::Typed::Refused, "Title", "10"},
        {NameRow, arrow, LytEditor::Typed::Refused, "Title", "10"},
        {NameRow, "caf\xC3\xA9 \xE2\x82\xAC", LytEditor::Typed::Written, "caf\xE9 \x80", "10"},
        {NameRow, "", LytEditor::Typed::Written, "", "10"},
        {XRow, std::string("12") + arrow, LytEditor::Typed::Written, "Title", "12"},
        {XRow, std::string("1") + arrow + "2", LytEditor::Typed::Written, "Title", "1"},
        {IndexRow, arrow, LytEditor::Typed::Unchanged, "Title", "10"},
    };
    for (const auto& c : cases)
    {
        SCOPED_TRACE(c.typed);
        LytEditor editor(Load("screen.lyt"));
        editor.Show(0);
        EXPECT_EQ(editor.EditTyped(c.row, c.typed), c.result);
        EXPECT_EQ(editor.GetFile()->GetName(0), c.name);
        EXPECT_EQ(editor.GetItems()[0].Text, c.name);
        EXPECT_EQ(editor.GetRows()[XRow].Value, c.x);
        if (c.result != LytEditor::Typed::Written)
        {
            EXPECT_TRUE(Saved(*editor.GetFile()) == Sample("screen.lyt")) << "the file changed";
        }
    }
    LytEditor editor(Load("screen.lyt"));
    EXPECT_EQ(AssertionOf([&] { editor.EditTyped(NameRow, "a"); }), "index != -1");
}

TEST_F(LytEditorTest, NumbersBeyondAnIntAreHeldToItsRange)
{
    LytEditor editor(Load("screen.lyt"));
    editor.Show(0);
    EXPECT_TRUE(editor.Edit(WidthRow, "99999999999"));
    EXPECT_TRUE(editor.Edit(HeightRow, "-99999999999"));
    EXPECT_EQ(Saved(*editor.GetFile()), Sample("screen-limits.lyt"));
    EXPECT_EQ(editor.GetRows()[WidthRow].Value, "2147483647");
}

// The index, the type and the unknown values are shown only, as is a row past the list; a
// control that is not a text control has no string id row, so its row 11 is an unknown value.
TEST_F(LytEditorTest, RowsThatAreShownOnlyChangeNothing)
{
    const struct
    {
        int control;
        int row;
    } cases[] = {{0, IndexRow}, {0, TypeRow}, {0, 12}, {0, 15}, {0, 16}, {0, -1}, {1, StringRow}, {1, 14}};
    for (const auto& c : cases)
    {
        LytEditor editor(Load("screen.lyt"));
        editor.Show(c.control);
        std::vector<LytFieldRow> before = editor.GetRows();
        EXPECT_FALSE(editor.Edit(c.row, "77")) << c.control << "/" << c.row;
        EXPECT_EQ(Saved(*editor.GetFile()), Sample("screen.lyt")) << c.control << "/" << c.row;
        std::vector<LytFieldRow> after = editor.GetRows();
        ASSERT_EQ(after.size(), before.size());
        for (std::size_t k = 0; k < after.size(); ++k)
            EXPECT_EQ(after[k].Value, before[k].Value);
    }
}

TEST_F(LytEditorTest, ARenamedControlRenamesItsItem)
{
    LytEditor editor(Load("screen.lyt"));
    editor.Show(1);
    editor.Edit(NameRow, "Renamed");
    EXPECT_EQ(Items(editor), (std::vector<std::pair<std::string, int>>{
                                 {"Title", 0}, {"Renamed", 1}, {"Ok", 2}}));
    EXPECT_EQ(editor.GetRows()[NameRow].Value, "Renamed");
}

TEST_F(LytEditorTest, NumbersAreReadAsStrtolReadsThem)
{
    const std::pair<const char*, int> cases[] = {
        {"12abc", 12},         {"abc", 0},          {"", 0},           {" 42", 42},       {"-17x", -17},
        {"+5", 5},             {"0x10", 0},         {"2147483647", INT_MAX}, {"2147483648", INT_MAX},
        {"-2147483648", INT_MIN}, {"-2147483649", INT_MIN}, {"99999999999999999999999", INT_MAX},
        {"-99999999999999999999999", INT_MIN}};
    for (const auto& [text, value] : cases)
        EXPECT_EQ(LytEditor::ParseNumber(text), value) << text;
    EXPECT_EQ(LytEditor::CutName(std::string(256, 'n')), std::string(255, 'n'));
    EXPECT_EQ(LytEditor::CutName("short"), "short");
}

TEST_F(LytEditorTest, CommandsNeedASelectionAndPasteAControl)
{
    LytEditor editor(Load("screen.lyt"));
    EXPECT_FALSE(editor.CanCopy(-1));
    EXPECT_FALSE(editor.CanPaste(-1));
    EXPECT_FALSE(editor.CanDelete(-1));
    EXPECT_FALSE(editor.CanCopy(3)) << "the last record is not a control";
    EXPECT_TRUE(editor.CanCopy(0));
    EXPECT_TRUE(editor.CanDelete(2));
    EXPECT_FALSE(editor.CanPaste(0)) << "nothing copied yet";
    editor.Copy(1);
    EXPECT_TRUE(editor.CanPaste(0));
    EXPECT_FALSE(editor.CanPaste(-1));
    LytEditor none{Util::CountedPointer<Papy::LytFile>()};
    EXPECT_TRUE(none.GetItems().empty());
    EXPECT_FALSE(none.CanPaste(0));
}

TEST_F(LytEditorTest, PasteAfterTheLastControlAppendsItSelected)
{
    LytEditor editor(Load("screen.lyt"));
    editor.Copy(0);
    editor.Show(2);
    EXPECT_EQ(editor.Paste(2), 3);
    EXPECT_EQ(Items(editor), (std::vector<std::pair<std::string, int>>{
                                 {"Title", 0}, {std::string(256, 'x'), 1}, {"Ok", 2}, {"Title", 3}}));
    EXPECT_EQ(editor.GetShownControl(), 3);
    EXPECT_EQ(editor.GetFile()->GetControlCount(), 4);
    EXPECT_EQ(editor.GetRows()[IndexRow].Value, "3");
    EXPECT_EQ(editor.GetRows()[NameRow].Value, "Title");
    // An edit reaches the pasted control, not the one it was copied from.
    EXPECT_TRUE(editor.Edit(XRow, "99"));
    EXPECT_EQ(editor.GetFile()->GetX(3), 99);
    EXPECT_EQ(editor.GetFile()->GetX(0), 10);
}

TEST_F(LytEditorTest, PasteInTheMiddleMovesTheLaterItemsUp)
{
    LytEditor editor(Load("screen.lyt"));
    editor.Copy(2);
    editor.Show(0);
    EXPECT_EQ(editor.Paste(0), 1);
    EXPECT_EQ(Items(editor), (std::vector<std::pair<std::string, int>>{
                                 {"Title", 0}, {"Ok", 1}, {std::string(256, 'x'), 2}, {"Ok", 3}}));
    for (int i = 0; i < 4; ++i)
        EXPECT_EQ(editor.GetItems()[std::size_t(i)].Text, editor.GetFile()->GetName(i));
}

// Deleting the first control renumbers the others down: the old second item shows control 0.
TEST_F(LytEditorTest, DeletingTheFirstRenumbersTheRest)
{
    LytEditor editor(Load("screen.lyt"));
    editor.Show(0);
    EXPECT_EQ(editor.Delete(0), 0);
    EXPECT_EQ(Items(editor), (std::vector<std::pair<std::string, int>>{{std::string(256, 'x'), 0}, {"Ok", 1}}));
    EXPECT_EQ(editor.GetShownControl(), 0);
    EXPECT_EQ(editor.GetRows()[NameRow].Value, std::string(256, 'x'));
    EXPECT_EQ(editor.GetRows()[IndexRow].Value, "0");
    editor.Show(editor.GetItems()[1].Control);
    EXPECT_EQ(editor.GetRows()[NameRow].Value, "Ok");
}

// The screen's controls are chained: Ok is placed relative to the second control, the second
// relative to Title, Title relative to nothing (-1). After a delete every reference still names
// the control it named, a reference to the deleted control names none, and the saved file is the
// generator's without that control.
TEST_F(LytEditorTest, DeletingKeepsTheReferencesOfTheOthers)
{
    const struct
    {
        int deleted;
        const char* generated;
        std::vector<std::string> relative; // the "Relative To Control" rows of the remaining two
    } cases[] = {
        {0, "screen-delete0.lyt", {"-1", "0"}},
        {1, "screen-delete1.lyt", {"-1", "-1"}},
        {2, "screen-delete2.lyt", {"-1", "0"}},
    };
    const std::vector<Listed> listed = LytListing("screen.lyt");
    ASSERT_EQ(listed.size(), 3u);
    for (std::size_t i = 0; i < listed.size(); ++i)
        ASSERT_EQ(listed[i].numbers[8], std::to_string(int(i) - 1)) << "the sample's chain";
    for (const auto& c : cases)
    {
        SCOPED_TRACE(c.deleted);
        LytEditor editor(Load("screen.lyt"));
        editor.Delete(c.deleted);
        std::vector<std::string> relative;
        for (const LytEditor::Item& item : editor.GetItems())
        {
            editor.Show(item.Control);
            for (const LytFieldRow& row : editor.GetRows())
                if (row.Field == LytField::RelativeToControl)
                    relative.push_back(row.Value);
        }
        EXPECT_EQ(relative, c.relative);
        EXPECT_TRUE(Saved(*editor.GetFile()) == Sample(c.generated)) << "the saved file differs from the generator's";
    }
}

TEST_F(LytEditorTest, DeletingTheLastControlSelectsTheOneBefore)
{
    LytEditor editor(Load("screen.lyt"));
    editor.Show(2);
    EXPECT_EQ(editor.Delete(2), 1);
    EXPECT_EQ(editor.GetShownControl(), 1);
    EXPECT_EQ(editor.GetItems().size(), 2u);
}

// After the only control is deleted nothing is shown, and an edit cannot reach a stale index.
TEST_F(LytEditorTest, DeletingEveryControlClearsTheList)
{
    LytEditor editor(Load("pair.lyt"));
    ASSERT_EQ(editor.GetItems().size(), 1u);
    editor.Show(0);
    EXPECT_EQ(editor.Delete(0), -1);
    EXPECT_TRUE(editor.GetItems().empty());
    EXPECT_EQ(editor.GetShownControl(), -1);
    EXPECT_TRUE(editor.GetRows().empty());
    EXPECT_EQ(AssertionOf([&] { editor.Edit(XRow, "5"); }), "index != -1");
    EXPECT_FALSE(editor.CanCopy(0));
    EXPECT_FALSE(editor.CanDelete(0));
    EXPECT_EQ(editor.GetFile()->GetControlCount(), 0);
}
