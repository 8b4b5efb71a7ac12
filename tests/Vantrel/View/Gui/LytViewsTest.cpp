// The layout window in the application: a layout of the independent generator (race.py), its
// controls in the tree and the selected control's fields in the list, checked against the
// generator's listing; an in-place edit written to the file and saved with Ctrl+S (the saved
// file equals the one the generator writes with the edited value); copy, paste and delete with
// their update-UI and renumbering.
#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

#include <wx/dataview.h>
#include <wx/menu.h>
#include <wx/treectrl.h>
#include <wx/uiaction.h>

#include "GuiKit.h"
#include "LytWindow.h"
#include "Papy/Race/GPLLytFile.h"
#include "Util/Clipboard.h"
#include "Vantrel/Doc/LytDoc.h"
#include "Vantrel/Frame/CommandIds.h"
#include "Vantrel/Rows/LytListing.h"
#include "Vantrel/View/LytListView.h"
#include "Vantrel/View/LytSplitterFrame.h"
#include "Vantrel/View/LytTreeView.h"

using namespace GuiTest;

namespace
{
using FileViewsTest::Listed;
using FileViewsTest::LytListing;

typedef std::vector<std::pair<std::string, std::string>> Rows;

// The rows the list must show for a listed control: every value in decimal, the string id only
// for a text control (type 5), the four further values as "Unknown".
Rows Expected(const Listed& c, int index)
{
    Rows rows = {{"Name", c.name},
                 {"Index", std::to_string(index)},
                 {"Type", c.numbers[0]},
                 {"X", c.numbers[1]},
                 {"Y", c.numbers[2]},
                 {"Width", c.numbers[3]},
                 {"Height", c.numbers[4]},
                 {"Relative To Control", c.numbers[8]},
                 {"Relative Value", c.numbers[9]},
                 {"Group Id", c.numbers[6]},
                 {"Parent Group Id", c.numbers[7]}};
    if (c.numbers[0] == "5")
        rows.push_back({"String Id", c.numbers[5]});
    for (int k = 0; k < 4; ++k)
        rows.push_back({"Unknown", c.numbers[std::size_t(10 + k)]});
    return rows;
}

enum
{
    NameRow = 0,
    IndexRow = 1,
    XRow = 3
};

class LytViews : public LytWindow
{
protected:
    void SetUp() override
    {
        Velmo::Util::Clipboard::GetStore().erase(Velmo::Papy::GPLLytFile::ClipboardId);
        LytWindow::SetUp();
        if (HasFatalFailure())
            return;
        listed = LytListing("screen.lyt");
        ASSERT_EQ(listed.size(), 3u);
    }
    void TearDown() override
    {
        LytWindow::TearDown();
        Velmo::Util::Clipboard::GetStore().erase(Velmo::Papy::GPLLytFile::ClipboardId);
    }

    // The texts of the tree's items.
    std::vector<std::string> Names() const
    {
        std::vector<std::string> names;
        wxTreeCtrl* control = tree->GetTree();
        wxTreeItemIdValue cookie;
        for (wxTreeItemId item = control->GetFirstChild(control->GetRootItem(), cookie); item.IsOk();
             item = control->GetNextChild(control->GetRootItem(), cookie))
            names.push_back(control->GetItemText(item).utf8_string());
        return names;
    }
    // The state of a command's menu item after the window's update-UI.
    bool Enabled(int id) const
    {
        CDocChildFrame* frame = tree->GetChildFrame();
        frame->UpdateMenus();
        return frame->GetMenuBar()->IsEnabled(id);
    }
    // An edit ends with the list built again, never with the control keeping the typed text.
    void Edit(int row, const std::string& text)
    {
        EXPECT_FALSE(EndEdit(row, text)) << "the control keeps its text; the list is built again";
    }

    std::vector<Listed> listed;
};
} // namespace

TEST_F(LytViews, TheTreeAndTheListShowTheGeneratorsValues)
{
    EXPECT_EQ(TemplateIdOf(document), 141);
    auto* frame = dynamic_cast<CLytSplitterFrame*>(tree->GetChildFrame());
    ASSERT_NE(frame, nullptr);
    EXPECT_EQ(frame->GetViews(), (std::vector<CVantrelView*>{tree, list}));
    EXPECT_EQ(frame->GetSplitters().front()->GetSashPosition(), 192);
    wxDataViewListCtrl* control = list->GetList();
    ASSERT_EQ(control->GetColumnCount(), 2u);
    EXPECT_EQ(control->GetColumn(0)->GetTitle(), "Field");
    EXPECT_EQ(control->GetColumn(0)->GetWidth(), 100);
    EXPECT_EQ(control->GetColumn(1)->GetTitle(), "Value");
    EXPECT_GE(control->GetColumn(1)->GetWidth(), 500) << "the last column takes the rest";

    std::vector<std::string> names;
    for (const Listed& c : listed)
        names.push_back(c.name);
    EXPECT_EQ(Names(), names);
    for (int i = 2; i >= 0; --i)
    {
        Select(i);
        EXPECT_EQ(list->GetRows(), Expected(listed[std::size_t(i)], i)) << "control " << i;
    }
    Shot(tree->GetChildFrame(), "lyt");
    EXPECT_FALSE(document->IsModified());
}

// "12abc" is 12: the list shows what the file stored, and Ctrl+S writes the generator's file
// with X = 12, byte for byte. "abc" is 0; the index and the type change nothing.
TEST_F(LytViews, AnEditIsStoredAsTheFileReadsItAndSaved)
{
    Select(0);
    Edit(XRow, "12abc");
    ASSERT_TRUE(PumpUntil([&] { return list->GetRows()[XRow].second == "12"; }));
    EXPECT_TRUE(document->IsModified());
    Command(ID_FILE_SAVE);
    EXPECT_FALSE(document->IsModified());
    EXPECT_TRUE(Saved() == Generated("screen-x12.lyt")) << "the saved file differs from the generator's";

    Edit(XRow, "abc");
    ASSERT_TRUE(PumpUntil([&] { return list->GetRows()[XRow].second == "0"; }));
    Edit(IndexRow, "7");
    Edit(2, "9");
    Pump();
    EXPECT_EQ(list->GetRows()[IndexRow].second, "0");
    EXPECT_EQ(list->GetRows()[2].second, listed[0].numbers[0]);
    Command(ID_FILE_SAVE);
    EXPECT_TRUE(Saved() == Generated("screen-x0.lyt"));

    // A name is cut to 255 bytes, in the list, the tree and the file.
    Select(2);
    Edit(NameRow, std::string(300, 'y'));
    ASSERT_TRUE(PumpUntil([&] { return list->GetRows()[NameRow].second == std::string(255, 'y'); }));
    EXPECT_EQ(Names()[2], std::string(255, 'y'));
}

// The editor of the Value column, as a user drives it: the typed text is stored as the file
// reads it and shown again from the file.
TEST_F(LytViews, TypingInTheValueColumnEditsTheControl)
{
    Select(0);
    wxDataViewListCtrl* control = list->GetList();
    control->SetFocus();
    control->EditItem(control->RowToItem(XRow), control->GetColumn(1));
    Pump();
    wxUIActionSimulator keys;
    keys.Char('a', wxMOD_CONTROL);
    keys.Text("42x");
    keys.Char(WXK_RETURN);
    ASSERT_TRUE(PumpUntil([&] { return list->GetRows()[XRow].second == "42"; })) << list->GetRows()[XRow].second;
    EXPECT_TRUE(document->IsModified());
}

TEST_F(LytViews, CopyPasteAndDeleteNeedASelection)
{
    tree->GetTree()->UnselectAll();
    Pump();
    EXPECT_EQ(tree->GetSelectedControl(), -1);
    for (int id : {ID_EDIT_COPY, ID_EDIT_PASTE, ID_EDIT_DELETE})
        EXPECT_FALSE(Enabled(id)) << id;
    Select(1);
    EXPECT_TRUE(Enabled(ID_EDIT_COPY));
    EXPECT_TRUE(Enabled(ID_EDIT_DELETE));
    EXPECT_FALSE(Enabled(ID_EDIT_PASTE)) << "nothing copied yet";
    Command(ID_EDIT_COPY);
    EXPECT_TRUE(Enabled(ID_EDIT_PASTE));
    EXPECT_FALSE(document->IsModified()) << "copying changes nothing";
}

// Pasting with the last control selected appends the copy at the end, selected and shown.
TEST_F(LytViews, PasteAfterTheLastControlAppendsIt)
{
    Select(0);
    Command(ID_EDIT_COPY);
    Select(2);
    Command(ID_EDIT_PASTE);
    ASSERT_TRUE(PumpUntil([&] { return list->GetShownControl() == 3; }));
    EXPECT_EQ(Names(), (std::vector<std::string>{listed[0].name, listed[1].name, listed[2].name, listed[0].name}));
    EXPECT_EQ(tree->GetSelectedControl(), 3);
    EXPECT_EQ(list->GetRows(), Expected(listed[0], 3));
    EXPECT_TRUE(document->IsModified());
}

// Deleting the first control renumbers the others down by one: the old second is selected and
// shown as control 0, and the references follow (the second was placed relative to the deleted
// control, now to nothing; Ok relative to the second, now control 0). Deleting every control
// leaves an empty list, where an edit writes nothing.
TEST_F(LytViews, DeletingRenumbersAndTheLastDeleteEmptiesTheList)
{
    Select(0);
    Command(ID_EDIT_DELETE);
    ASSERT_TRUE(PumpUntil([&] { return !list->GetRows().empty() && list->GetRows()[NameRow].second == listed[1].name; }));
    EXPECT_EQ(Names(), (std::vector<std::string>{listed[1].name, listed[2].name}));
    EXPECT_EQ(tree->GetSelectedControl(), 0);
    ASSERT_EQ(listed[1].numbers[8], "0");
    ASSERT_EQ(listed[2].numbers[8], "1");
    Listed second = listed[1];
    second.numbers[8] = "-1";
    Listed ok = listed[2];
    ok.numbers[8] = "0";
    EXPECT_EQ(list->GetRows(), Expected(second, 0));
    Select(1);
    EXPECT_EQ(list->GetRows(), Expected(ok, 1));
    EXPECT_TRUE(document->IsModified());

    Command(ID_EDIT_DELETE);
    Command(ID_EDIT_DELETE);
    Pump();
    EXPECT_TRUE(Names().empty());
    EXPECT_EQ(list->GetShownControl(), -1);
    EXPECT_TRUE(list->GetRows().empty());
    EXPECT_EQ(document->GetFile()->GetControlCount(), 0);
    for (int id : {ID_EDIT_COPY, ID_EDIT_PASTE, ID_EDIT_DELETE})
        EXPECT_FALSE(Enabled(id)) << id;
    Messages messages;
    list->EndEdit(XRow, "5");
    Pump();
    ASSERT_EQ(messages.Texts.size(), 1u);
    EXPECT_NE(messages.Texts[0].find("index != -1"), std::string::npos) << messages.Texts[0];
    EXPECT_EQ(document->GetFile()->GetControlCount(), 0);
}
