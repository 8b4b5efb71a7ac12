// The node tree keeps what the user opened when a field is edited, and * (expand all) ends on a
// file whose nodes share subtrees over many levels, with a bounded number of items.
#include <gtest/gtest.h>

#include <fstream>
#include <vector>

#include "Papy/GPL/GPLTdoFile.h"
#include "Papy/Model/ThreeDObjectObjectList.h"
#include "Papy/Model/ThreeDObjectPolygon.h"
#include "Papy/Model/ThreeDObjectRoot.h"
#include "Papy/Model/ThreeDObjectTransformation.h"
#include "TdoSupport.h"
#include "Vantrel/App/VantrelDocManager.h"
#include "Util/MemoryStream.h"
#include "Vantrel/Dialogs/EditFloatDlg.h"
#include "Vantrel/Visitors/ThreeDObjectTreeExpandAll.h"

using namespace GuiTest;
using namespace TdoTest;
using namespace Velmo::Papy;
using Velmo::Util::CountedPointer;

namespace
{
typedef CountedPointer<ThreeDObject> NodePointer;

NodePointer Triangle(GPLTdoFile& file)
{
    return file.CreatePolygon(file.NewId(), {Vertex(0, 0, 0), Vertex(1, 0, 0), Vertex(0, 1, 0)}, Colour(1, 0, 0, 1),
                              false, {}, false, {}, false, {});
}

void Write(GPLTdoFile& file, const std::string& path)
{
    auto* memory = new Velmo::Util::MemoryStream(path);
    CountedPointer<Velmo::Util::BinaryStream> stream(memory);
    file.Save(stream);
    std::ofstream out(path, std::ios::binary);
    out.write(reinterpret_cast<const char*>(memory->GetData()), std::streamsize(memory->Size()));
}

std::size_t CountItems(wxTreeCtrl& tree)
{
    return tree.GetCount();
}

// The items below an item that are open, by the node ids on the way down.
void OpenPaths(C3DOTreeView& view, const wxTreeItemId& item, std::vector<int> path, std::vector<std::vector<int>>& open)
{
    wxTreeCtrl& tree = *view.GetTree();
    wxTreeItemIdValue cookie;
    for (wxTreeItemId child = tree.GetFirstChild(item, cookie); child.IsOk(); child = tree.GetNextChild(item, cookie))
    {
        std::vector<int> below = path;
        below.push_back(view.GetNodeId(child));
        if (tree.IsExpanded(child))
            open.push_back(below);
        OpenPaths(view, child, below, open);
    }
}

// Presses * in the tree as the keyboard does: the keypad's key going down, or the character.
void PressStar(wxTreeCtrl& tree, wxEventType type, int key)
{
    wxKeyEvent press(type);
    press.m_keyCode = key;
    press.m_uniChar = '*';
    press.SetEventObject(&tree);
    tree.GetEventHandler()->ProcessEvent(press);
    Pump();
}

class TreeState : public testing::Test
{
protected:
    void TearDown() override
    {
        for (wxList::compatibility_iterator node = Manager().GetDocuments().GetFirst(); node; node = node->GetNext())
            static_cast<wxDocument*>(node->GetData())->Modify(false);
        CloseAll();
    }

    VelmoTest::TempFolder m_folder;
};
} // namespace

// Root -> list L of a transformation T (over a list A of two triangles), a triangle and a
// transformation U (over a list B of one triangle); the user opens L, T, A and U, selects L or
// T, and edits a field of it.
TEST_F(TreeState, AFieldEditKeepsTheOpenBranchesAndTheSelection)
{
    GPLTdoFile file;
    NodePointer a = file.CreateObjectList(file.NewId(), {Triangle(file), Triangle(file)});
    NodePointer t = file.CreateTransformation(file.NewId(), 1, 2, 3, 0, 0, 0, 1, a);
    NodePointer b = file.CreateObjectList(file.NewId(), {Triangle(file)});
    NodePointer u = file.CreateTransformation(file.NewId(), 0, 0, 0, 0, 0, 0, 1, b);
    NodePointer l = file.CreateObjectList(file.NewId(), {t, Triangle(file), u});
    file.CreateRoot(GPLTdoFile::RootId, {l});
    file.CreateHandle("body", l);
    const std::string path = m_folder.MakeFolder("gpl") + "/branches.3do";
    Write(file, path);

    Panes panes(Open(path));
    ASSERT_TRUE(panes.IsOk());
    wxTreeCtrl& tree = *panes.Tree->GetTree();
    const wxTreeItemId listItem = Child(tree, RootItem(tree), 0);
    ASSERT_TRUE(listItem.IsOk());
    tree.Expand(RootItem(tree));
    tree.Expand(listItem);
    Pump();
    const wxTreeItemId tItem = Child(tree, listItem, 0);
    tree.Expand(tItem);
    Pump();
    tree.Expand(Child(tree, tItem, 0));
    tree.Expand(Child(tree, listItem, 2));
    Pump();

    // The rows: the listed node, the label of the field, the field of its dialog and the text.
    const struct
    {
        wxTreeItemId item;
        const char* label;
        int field;
        const char* text;
    } edits[] = {
        {tItem, "X Translation", CEditFloatDlg::ValueId, "5"},
        {listItem, "Child 1", 0, ""},
    };
    for (const auto& edit : edits)
    {
        SCOPED_TRACE(edit.label);
        tree.SelectItem(edit.item);
        Pump();
        const int selected = panes.Tree->GetSelectedId();
        std::vector<std::vector<int>> openBefore;
        OpenPaths(*panes.Tree, tree.GetRootItem(), {}, openBefore);
        ASSERT_GE(openBefore.size(), 5u);

        DialogTest::Script script;
        script.onShow = [&](wxDialog& dialog) { EnterAndOk(dialog, edit.field, edit.text); };
        script.answer = wxID_OK;
        const int row = RowNamed(*panes.Fields->GetList(), edit.label);
        ASSERT_GE(row, 0);
        panes.Fields->EditRow(row);
        Pump();
        ASSERT_TRUE(panes.Doc->IsModified());

        EXPECT_EQ(tree.GetSelection(), edit.item);
        EXPECT_EQ(panes.Tree->GetSelectedId(), selected);
        std::vector<std::vector<int>> openAfter;
        OpenPaths(*panes.Tree, tree.GetRootItem(), {}, openAfter);
        if (edit.field != 0)
            EXPECT_EQ(openAfter, openBefore);
        else
        {
            // The removed triangle was not open; every branch open before is open still.
            EXPECT_EQ(openAfter, openBefore);
            EXPECT_EQ(ChildTexts(tree, listItem).size(), 2u);
        }
    }
    Shot(panes.Tree->GetTree(), "tree-after-edits");
    panes.Doc->Modify(false);
    CloseAll();
}

// Forty levels of object lists, each holding the next twice: 2^40 paths through 41 nodes.
TEST_F(TreeState, ExpandAllOnSharedLevelsEnds)
{
    GPLTdoFile file;
    NodePointer below = Triangle(file);
    for (int level = 0; level < 40; ++level)
        below = file.CreateObjectList(file.NewId(), {below, below});
    file.CreateRoot(GPLTdoFile::RootId, {below});
    file.CreateHandle("shared", below);
    const std::string path = m_folder.MakeFolder("gpl") + "/shared.3do";
    Write(file, path);

    Panes panes(Open(path));
    ASSERT_TRUE(panes.IsOk());
    wxTreeCtrl& tree = *panes.Tree->GetTree();
    const wxTreeItemId handle = Child(tree, RootItem(tree), 1);
    ASSERT_TRUE(handle.IsOk());
    const std::pair<wxEventType, int> keys[] = {
        {wxEVT_KEY_DOWN, WXK_NUMPAD_MULTIPLY}, {wxEVT_CHAR, '*'}, {wxEVT_CHAR, WXK_MULTIPLY}};
    for (auto [type, key] : keys)
    {
        tree.SelectItem(handle);
        Pump();
        const std::size_t before = CountItems(tree);
        PressStar(tree, type, key);
        const std::size_t added = CountItems(tree) - before;
        EXPECT_GT(added, 1000u) << key;
        EXPECT_LE(added, ThreeDObjectTree::MaxInsertedItems) << key;
        EXPECT_TRUE(tree.IsExpanded(handle));
        EXPECT_TRUE(tree.IsExpanded(Child(tree, handle, 0)));
    }
    Shot(panes.Tree->GetTree(), "tree-expand-all");
    CloseAll();
}
