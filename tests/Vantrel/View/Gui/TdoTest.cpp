// The 3D-object window: its three panes, the selection and content hints between them, the
// tree's context menu and inserts, Find, the field edits, and the save, checked on the files of
// the independent generators (and the saved files read back by them).
#include <gtest/gtest.h>

#include <cmath>
#include <filesystem>

#include <wx/msgdlg.h>
#include <wx/splitter.h>
#include <wx/testing.h>
#include <wx/uiaction.h>

#include "Papy/Factory/FileFactoryRegistry.h"
#include "Papy/Factory/MakeFacets.h"
#include "Papy/Model/ThreeDObjectHandle.h"
#include "Papy/Model/ThreeDObjectRoot.h"
#include "Papy/Model/ThreeDObjectTransform.h"
#include "Papy/Model/ThreeDObjectTransformation.h"
#include "Papy/Model/ThreeDObjectTsoReference.h"
#include "Papy/Track/Track.h"
#include "Papy/Model/Options.h"
#include "Papy/Model/ThreeDObjectVisitor.h"
#include "TdoSupport.h"
#include "TrkDocSamples.h"
#include "Vantrel/Dialogs/EditFloatDlg.h"
#include "Vantrel/Dialogs/EditStringDlg.h"
#include "Vantrel/Dialogs/FindIdDlg.h"
#include "Vantrel/App/VantrelDocManager.h"
#include "Vantrel/Doc/CommonSave.h"
#include "Vantrel/Doc/PathText.h"
#include "Vantrel/Doc/TrkDoc.h"
#include "Vantrel/Frame/CommandIds.h"
#include "Vantrel/View/3DOSplitterFrame.h"

using namespace GuiTest;
using namespace TdoTest;

namespace
{
// The id of the first transformation (GPL), transform or trackside object reference (N4) of a
// name ("" for any) that a walk from a node meets; -1 when there is none.
class FirstTransform : public Velmo::Papy::ThreeDObjectVisitor
{
public:
    explicit FirstTransform(std::string name = std::string()) : m_name(std::move(name)) {}
    int Id = -1;
    bool EnterTransformation(Velmo::Papy::ThreeDObjectTransformation& node) override { return Take(node); }
    bool EnterTransform(Velmo::Papy::ThreeDObjectTransform& node) override { return Take(node); }
    bool EnterTsoReference(Velmo::Papy::ThreeDObjectTsoReference& node) override { return Take(node); }

private:
    bool Take(Velmo::Papy::ThreeDObject& node)
    {
        if (Id == -1 && (m_name.empty() || node.GetName() == m_name))
            Id = node.GetId();
        return Id == -1;
    }
    std::string m_name;
};

// A right click at a point of the tree window, as the toolkit delivers it.
void RightClick(wxTreeCtrl& tree, const wxPoint& point)
{
    wxMouseEvent click(wxEVT_RIGHT_DOWN);
    click.SetPosition(point);
    click.SetEventObject(&tree);
    tree.GetEventHandler()->ProcessEvent(click);
    Pump();
}

// The items of a node id, anywhere in the tree.
std::vector<wxTreeItemId> ItemsOf(C3DOTreeView& view, int id)
{
    std::vector<wxTreeItemId> items;
    wxTreeCtrl& tree = *view.GetTree();
    std::vector<wxTreeItemId> pending = {tree.GetRootItem()};
    while (!pending.empty())
    {
        const wxTreeItemId item = pending.back();
        pending.pop_back();
        if (view.GetNodeId(item) == id)
            items.push_back(item);
        wxTreeItemIdValue cookie;
        for (wxTreeItemId child = tree.GetFirstChild(item, cookie); child.IsOk(); child = tree.GetNextChild(item, cookie))
            pending.push_back(child);
    }
    return items;
}

// Selects the node of an id through Find (F3), the dialog answered with the id.
void FindThroughDialog(int id)
{
    DialogTest::Script script;
    script.onShow = [&](wxDialog& dialog) { EnterAndOk(dialog, CFindIdDlg::IdId, std::to_string(id)); };
    Command(ID_FIND);
}

void CopyFile(const std::string& from, const std::string& to)
{
    std::filesystem::copy_file(from, to, std::filesystem::copy_options::overwrite_existing);
}
} // namespace

// Every test leaves no window behind, even one that failed half-way with an edited document.
class Tdo : public testing::Test
{
protected:
    void TearDown() override
    {
        for (wxList::compatibility_iterator node = Manager().GetDocuments().GetFirst(); node; node = node->GetNext())
            static_cast<wxDocument*>(node->GetData())->Modify(false);
        CloseAll();
    }

    // The window of one of the GPL generator's samples, written to a folder of the test's own
    // (removed after the windows are closed).
    Panes OpenGpl(const std::string& name)
    {
        return Panes(Open(WriteGplSamples(m_folder) + "/" + name));
    }

private:
    VelmoTest::TempFolder m_folder;
};

TEST_F(Tdo, ThreePanesSideBySide)
{
    Panes panes = OpenGpl("basic.3do");
    ASSERT_TRUE(panes.IsOk());
    EXPECT_EQ(TemplateIdOf(panes.Doc), 130);
    auto* frame = dynamic_cast<C3DOSplitterFrame*>(panes.Tree->GetChildFrame());
    ASSERT_NE(frame, nullptr);
    // Tree, fields and 3D view from left to right, the first two 192 pixels wide.
    ASSERT_EQ(frame->GetViews().size(), 3u);
    EXPECT_EQ(frame->GetViews()[0], panes.Tree);
    EXPECT_EQ(frame->GetViews()[1], panes.Fields);
    EXPECT_EQ(frame->GetViews()[2], panes.View3D);
    ASSERT_TRUE(PumpUntil([frame] { return frame->HasWidths(); }));
    EXPECT_EQ(frame->GetSplitters()[0]->GetSashPosition(), 192);
    EXPECT_EQ(frame->GetSplitters()[1]->GetSashPosition(), 192);
    const int treeX = panes.Tree->GetPane()->GetScreenPosition().x;
    const int fieldsX = panes.Fields->GetPane()->GetScreenPosition().x;
    EXPECT_LT(treeX, fieldsX);
    EXPECT_LT(fieldsX, panes.View3D->GetPane()->GetScreenPosition().x);

    // The first levels: the root, its handles, and below each handle its object.
    wxTreeCtrl& tree = *panes.Tree->GetTree();
    EXPECT_EQ(ChildTexts(tree, tree.GetRootItem()), std::vector<std::string>{"Root"});
    const wxTreeItemId root = RootItem(tree);
    const std::vector<std::string> top = ChildTexts(tree, root);
    ASSERT_EQ(top.size(), 4u);
    const int topId = panes.Doc->GetFile()->GetRoot()->GetChild(0)->GetId();
    EXPECT_EQ(top[0], std::to_string(topId) + " [4]");
    EXPECT_EQ(std::vector<std::string>(top.begin() + 1, top.end()), (std::vector<std::string>{"body", "wheel", "body"}));
    for (std::size_t i = 0; i < 3; ++i)
        EXPECT_EQ(tree.GetChildrenCount(Handle(tree, i), false), 1u) << i;
    // Nothing listed before a selection.
    EXPECT_EQ(panes.Fields->GetShownId(), -1);
    EXPECT_EQ(panes.Fields->GetList()->GetRowCount(), 0);
    EXPECT_EQ(panes.View3D->GetReceivedCount(), 0u);

    // A shot of the window, with an item selected so that every pane shows something.
    tree.Expand(root);
    tree.Expand(Handle(tree, 2));
    tree.SelectItem(Child(tree, Handle(tree, 2), 0));
    ASSERT_TRUE(PumpUntil([&] { return panes.Fields->GetList()->GetRowCount() > 0; }));
    // Text in the tree and in the list once they are painted.
    EXPECT_TRUE(PumpUntil([&] { return DarkPixels(Shot(panes.Tree->GetPane(), "")) > 100; }));
    EXPECT_TRUE(PumpUntil([&] { return DarkPixels(Shot(panes.Fields->GetPane(), "")) > 300; }));
    EXPECT_TRUE(Shot(frame, "tdo-three-panes").IsOk());
    CloseAll();
}

TEST_F(Tdo, SelectingAPolygonListsItsRowsAndTellsThe3DPane)
{
    Panes panes = OpenGpl("basic.3do");
    ASSERT_TRUE(panes.IsOk());
    wxTreeCtrl& tree = *panes.Tree->GetTree();
    // The third handle's object is a polygon of four vertices with normals (record 30).
    const wxTreeItemId polygon = Child(tree, Handle(tree, 2), 0);
    ASSERT_TRUE(polygon.IsOk());
    const int id = panes.Tree->GetNodeId(polygon);
    EXPECT_EQ(tree.GetItemText(polygon).utf8_string(), std::to_string(id) + " [30]");

    // Right-clicks in the field list before anything is listed do nothing: no dialog (one would
    // fail the test), no message, no change, no hint.
    CFieldList& list = *panes.Fields->GetList();
    ASSERT_EQ(panes.Fields->GetShownId(), -1);
    ASSERT_EQ(list.GetRowCount(), 0);
    {
        Messages messages;
        for (long row : {0L, 1L, -1L})
        {
            wxListEvent click(wxEVT_LIST_ITEM_RIGHT_CLICK, list.GetId());
            click.SetEventObject(&list);
            click.m_itemIndex = row;
            list.GetEventHandler()->ProcessEvent(click);
            Pump();
        }
        EXPECT_TRUE(messages.Texts.empty());
    }
    EXPECT_FALSE(panes.Doc->IsModified());
    EXPECT_EQ(panes.View3D->GetReceivedCount(), 0u);
    EXPECT_EQ(panes.Fields->GetShownId(), -1);

    tree.SelectItem(polygon);
    Pump();

    EXPECT_EQ(panes.Fields->GetShownId(), id);
    EXPECT_EQ(list.GetLabel(0), "Type");
    EXPECT_EQ(list.GetLabel(1), "Id");
    EXPECT_EQ(list.GetValue(1), std::to_string(id));
    EXPECT_EQ(list.GetValue(RowNamed(list, "Vertex Count")), "4");
    EXPECT_GE(RowNamed(list, "Normal 3"), 0);
    // The widget shows the rows as listed.
    EXPECT_EQ(list.GetItemCount(), list.GetRowCount());
    EXPECT_EQ(list.GetItemText(1, 1).utf8_string(), std::to_string(id));
    EXPECT_EQ(list.GetColumnWidth(0), 100);
    EXPECT_EQ(list.GetColumnWidth(1), 500);
    // The 3D pane takes the node to show, from the tree (a sender): a selection, not an edit.
    ASSERT_EQ(panes.View3D->GetReceivedCount(), 1u);
    EXPECT_EQ(panes.View3D->GetLastReceived().Hint.NodeId, id);
    EXPECT_TRUE(panes.View3D->GetLastReceived().FromPane);
    EXPECT_FALSE(panes.Doc->IsModified());

    // Right-clicks on no row do nothing.
    panes.Fields->EditRow(-1);
    panes.Fields->EditRow(list.GetRowCount());
    EXPECT_FALSE(panes.Doc->IsModified());
    CloseAll();
}

TEST_F(Tdo, RightClickMenusByKindAndNothingElsewhere)
{
    Panes panes = OpenGpl("basic.3do");
    ASSERT_TRUE(panes.IsOk());
    wxTreeCtrl& tree = *panes.Tree->GetTree();
    const wxTreeItemId root = RootItem(tree);
    tree.Expand(root);
    tree.Expand(Handle(tree, 0));
    tree.Expand(Handle(tree, 2));
    Pump();
    PopupScript popups;

    // A polygon: selected first, then no menu.
    const wxTreeItemId polygon = Child(tree, Handle(tree, 2), 0);
    RightClick(tree, PointOf(tree, polygon));
    EXPECT_EQ(tree.GetSelection(), polygon);
    EXPECT_TRUE(popups.Shown.empty());
    const std::size_t hints = panes.View3D->GetReceivedCount();

    // Empty space below the items: no menu, the selection stays.
    RightClick(tree, wxPoint(10, tree.GetClientSize().GetHeight() - 5));
    EXPECT_EQ(tree.GetSelection(), polygon);
    EXPECT_TRUE(popups.Shown.empty());
    EXPECT_EQ(panes.View3D->GetReceivedCount(), hints);

    // The root, a handle, an object list: their popups of menu 146, each item selected first.
    const std::vector<std::pair<wxTreeItemId, std::vector<std::string>>> cases = {
        {root, {"Insert Handle"}},
        {Handle(tree, 0), {"Insert Object List"}},
        {Child(tree, Handle(tree, 0), 0), {"Insert Number List", "Insert Object List", "Insert Transformation"}},
    };
    for (const auto& [item, labels] : cases)
    {
        popups.Shown.clear();
        RightClick(tree, PointOf(tree, item));
        EXPECT_EQ(tree.GetSelection(), item);
        ASSERT_EQ(popups.Shown.size(), 1u);
        EXPECT_EQ(popups.Shown[0], labels);
    }
    // Leaving a menu without a choice changes nothing.
    EXPECT_FALSE(panes.Doc->IsModified());

    // The same through the display server: a real right click on the polygon's label, then on
    // the root's.
    popups.Shown.clear();
    wxUIActionSimulator mouse;
    mouse.MouseMove(tree.ClientToScreen(PointOf(tree, polygon)));
    mouse.MouseClick(wxMOUSE_BTN_RIGHT);
    EXPECT_TRUE(PumpUntil([&] { return tree.GetSelection() == polygon; }));
    mouse.MouseMove(tree.ClientToScreen(PointOf(tree, root)));
    mouse.MouseClick(wxMOUSE_BTN_RIGHT);
    EXPECT_TRUE(PumpUntil([&] { return !popups.Shown.empty(); }));
    EXPECT_EQ(popups.Shown, std::vector<std::vector<std::string>>{{"Insert Handle"}});
    EXPECT_EQ(tree.GetSelection(), root);
    CloseAll();
}

TEST_F(Tdo, InsertHandleOnRootSetsModifiedAndAppendsTheItemLast)
{
    Panes panes = OpenGpl("basic.3do");
    ASSERT_TRUE(panes.IsOk());
    wxTreeCtrl& tree = *panes.Tree->GetTree();
    const wxTreeItemId root = RootItem(tree);
    PopupScript popups;
    popups.Choose = "Insert Handle";
    RightClick(tree, PointOf(tree, root));
    ASSERT_EQ(popups.Shown.size(), 1u);

    EXPECT_TRUE(panes.Doc->IsModified());
    // A handle without a name, last; its object is the null node (an empty item, no children).
    const std::vector<std::string> texts = ChildTexts(tree, root);
    ASSERT_EQ(texts.size(), 5u);
    EXPECT_EQ(std::vector<std::string>(texts.begin() + 1, texts.end()),
              (std::vector<std::string>{"body", "wheel", "body", ""}));
    const wxTreeItemId added = Handle(tree, 3);
    ASSERT_EQ(ChildTexts(tree, added), std::vector<std::string>{""});
    EXPECT_EQ(tree.GetChildrenCount(added, true), 1u);
    // Every pane heard of it, as a change (no sender): the field list lists the root again.
    const int rootId = panes.Tree->GetNodeId(root);
    ASSERT_NE(panes.View3D->GetReceivedCount(), 0u);
    EXPECT_EQ(panes.View3D->GetLastReceived().Hint.NodeId, rootId);
    EXPECT_FALSE(panes.View3D->GetLastReceived().FromPane);
    EXPECT_EQ(panes.Fields->GetShownId(), rootId);
    panes.Doc->Modify(false);
    CloseAll();
}

TEST_F(Tdo, F5WithTheTreeFocusedReachesTheThirdPane)
{
    Panes panes = OpenGpl("minimal.3do");
    ASSERT_TRUE(panes.IsOk());
    wxTreeCtrl& tree = *panes.Tree->GetTree();
    tree.SetFocus();
    ASSERT_TRUE(PumpUntil([&] { return wxWindow::FindFocus() == &tree; }));
    wxUIActionSimulator keys;
    // Without a window manager the keys go to the window under the pointer.
    keys.MouseMove(tree.GetScreenRect().GetPosition() + wxPoint(40, tree.GetSize().GetHeight() - 10));
    Pump();
    keys.Char(WXK_F5);
    EXPECT_TRUE(PumpUntil([&] { return panes.View3D->GetRefreshCount() == 1; }));
    EXPECT_EQ(wxWindow::FindFocus(), &tree);
    // The menu's command, with the tree the active pane, as well.
    Command(ID_REFRESH);
    EXPECT_EQ(panes.View3D->GetRefreshCount(), 2);
    CloseAll();
}

TEST_F(Tdo, RenamedHandleShowsInTheTreeAndSurvivesSaveAndReopen)
{
    VelmoTest::TempFolder folder;
    const std::string gpl = WriteGplSamples(folder);
    const std::string path = gpl + "/basic.3do";
    Panes panes(Open(path));
    ASSERT_TRUE(panes.IsOk());
    wxTreeCtrl& tree = *panes.Tree->GetTree();
    const wxTreeItemId wheel = Handle(tree, 1);
    tree.SelectItem(wheel);
    Pump();
    // Cancel first: nothing changes, the document stays unmodified.
    EditField(panes, "Name", CEditStringDlg::ValueId, "nothing", false);
    EXPECT_FALSE(panes.Doc->IsModified());
    EXPECT_EQ(tree.GetItemText(wheel).utf8_string(), "wheel");
    // A name with a character of the code page beyond ASCII.
    EditField(panes, "Name", CEditStringDlg::ValueId, "axle \xC3\xA9");
    EXPECT_TRUE(panes.Doc->IsModified());
    EXPECT_EQ(tree.GetItemText(wheel).utf8_string(), "axle \xC3\xA9");
    EXPECT_EQ(panes.Fields->GetList()->GetValue(RowNamed(*panes.Fields->GetList(), "Name")), "axle \xE9");
    EXPECT_TRUE(panes.View3D->GetLastReceived().Hint.NameChanged);
    EXPECT_FALSE(panes.View3D->GetLastReceived().FromPane);
    // The item's object is still below it.
    EXPECT_EQ(tree.GetChildrenCount(wheel, false), 1u);

    // Ctrl+S writes it.
    Command(ID_FILE_SAVE);
    EXPECT_FALSE(panes.Doc->IsModified());
    CloseAll();
    // Read again from the file, not from the folder's cache.
    Velmo::Papy::FileFactoryRegistry::Instance()->Purge();
    Panes again(Open(path));
    ASSERT_TRUE(again.IsOk());
    wxTreeCtrl& reopened = *again.Tree->GetTree();
    EXPECT_EQ(reopened.GetItemText(Handle(reopened, 1)).utf8_string(), "axle \xC3\xA9");
    CloseAll();
}

// Edits, an insert and Ctrl+S; the generator's reader finds exactly those changes in the file.
TEST_F(Tdo, SavedEditsAreExactlyWhatTheGeneratorFinds)
{
    VelmoTest::TempFolder folder;
    const std::string gpl = WriteGplSamples(folder);
    const std::string path = gpl + "/basic.3do";
    const std::string original = folder.Path("basic-original.3do");
    CopyFile(path, original);
    Panes panes(Open(path));
    ASSERT_TRUE(panes.IsOk());
    wxTreeCtrl& tree = *panes.Tree->GetTree();
    const wxTreeItemId root = RootItem(tree);

    // Handle 1 "wheel" becomes "axle".
    tree.SelectItem(Handle(tree, 1));
    Pump();
    EditField(panes, "Name", CEditStringDlg::ValueId, "axle");
    // The transformation below it (through its bounding box): X translation 4.5, X rotation 90
    // degrees as the row shows them.
    FirstTransform transformation;
    panes.Doc->GetFile()->FindHandle("axle")->Accept(transformation);
    ASSERT_NE(transformation.Id, -1);
    FindThroughDialog(transformation.Id);
    ASSERT_EQ(panes.Tree->GetSelectedId(), transformation.Id);
    const auto rotation = [&] { return std::stod(panes.Fields->GetList()->GetValue(RowNamed(*panes.Fields->GetList(), "X Rotation"))); };
    EXPECT_NEAR(rotation(), 0.125 * 180 / M_PI, 1e-3);
    EditField(panes, "X Translation", CEditFloatDlg::ValueId, "4.5");
    EditField(panes, "X Rotation", CEditFloatDlg::ValueId, "90");
    EXPECT_NEAR(rotation(), 90, 1e-3);
    // An object list appended to handle 0's list.
    PopupScript popups;
    popups.Choose = "Insert Object List";
    tree.Expand(root);
    tree.Expand(Handle(tree, 0));
    Pump();
    const wxTreeItemId list = Child(tree, Handle(tree, 0), 0);
    RightClick(tree, PointOf(tree, list));
    ASSERT_EQ(popups.Shown.size(), 1u);
    EXPECT_EQ(tree.GetChildrenCount(list, false), 3u);
    ASSERT_TRUE(panes.Doc->IsModified());

    Command(ID_FILE_SAVE);
    EXPECT_FALSE(panes.Doc->IsModified());
    CloseAll();
    const std::vector<std::vector<std::string>> descriptions = DescribeGpl({original, path});
    const std::vector<std::string>& before = descriptions[0];
    const std::vector<std::string>& after = descriptions[1];
    ASSERT_FALSE(before.empty());

    // The lines that changed: the handle's, the transformation's (word 1 is X translation 1.0,
    // word 6 X rotation 0.125 radians), the list's (one child more), and the new list.
    std::vector<std::string> expected = before;
    const auto replace = [](std::string& line, const std::string& from, const std::string& to) {
        const std::size_t at = line.find(from);
        ASSERT_NE(at, std::string::npos) << line << " / " << from;
        line.replace(at, from.size(), to);
    };
    for (std::string& line : expected)
    {
        if (line == "handle wheel h1")
            line = "handle axle h1";
        else if (line.rfind("h1/0 19 ", 0) == 0)
        {
            replace(line, "body=13000000 0000803f 00000040 00004040 0000003f 0000803e 0000003e 0000c03f *",
                    "body=13000000 00009040 00000040 00004040 0000003f 0000803e db0fc93f 0000c03f *");
        }
        else if (line.rfind("h0 4 ", 0) == 0)
        {
            replace(line, "children=h0/0,h0/1 ", "children=h0/0,h0/1,h0/2 ");
            replace(line, "body=04000000 02000000 * *", "body=04000000 03000000 * * *");
        }
    }
    expected.insert(expected.begin() + 7,
                    "h0/2 4 children= siblings= vertices= normals= planes= strings= body=04000000 00000000");
    EXPECT_EQ(after, expected);
}

TEST_F(Tdo, FindReachesAnIdUnderACollapsedBranch)
{
    Panes panes = OpenGpl("basic.3do");
    ASSERT_TRUE(panes.IsOk());
    wxTreeCtrl& tree = *panes.Tree->GetTree();
    Messages messages;
    // The transformation below the bounding box that handle "wheel" names: the first walk
    // from the root meets it below the root's list, neither of them expanded, and its item is
    // not made yet.
    FirstTransform transformation;
    panes.Doc->GetFile()->FindHandle("wheel")->Accept(transformation);
    ASSERT_NE(transformation.Id, -1);
    EXPECT_TRUE(ItemsOf(*panes.Tree, transformation.Id).empty());
    EXPECT_EQ(panes.Tree->GetSelectedId(), -1);

    // Nothing selected: the search starts at the root.
    FindThroughDialog(transformation.Id);
    EXPECT_EQ(panes.Tree->GetSelectedId(), transformation.Id);
    for (wxTreeItemId item = tree.GetItemParent(tree.GetSelection()); item != tree.GetRootItem();
         item = tree.GetItemParent(item))
        EXPECT_TRUE(tree.IsExpanded(item)) << tree.GetItemText(item).utf8_string();
    EXPECT_EQ(panes.Fields->GetShownId(), transformation.Id);
    EXPECT_EQ(panes.View3D->GetState().GetShownId(), transformation.Id);

    // Its child, from the selected node.
    const wxTreeItemId selected = tree.GetSelection();
    const wxTreeItemId child = Child(tree, selected, 0);
    ASSERT_TRUE(child.IsOk());
    const int childId = panes.Tree->GetNodeId(child);
    FindThroughDialog(childId);
    EXPECT_EQ(tree.GetSelection(), child);
    // The selected node itself, and an id that is not below it: nothing changes, no message.
    const std::size_t hints = panes.View3D->GetReceivedCount();
    FindThroughDialog(childId);
    FindThroughDialog(transformation.Id);
    FindThroughDialog(123456789);
    EXPECT_EQ(tree.GetSelection(), child);
    EXPECT_EQ(panes.View3D->GetReceivedCount(), hints);
    // Cancel does nothing.
    {
        DialogTest::Script script;
        script.onShow = [](wxDialog& dialog) { DialogTest::Click(dialog, DialogId::Cancel); };
        Command(ID_FIND);
    }
    EXPECT_EQ(tree.GetSelection(), child);
    EXPECT_TRUE(messages.Texts.empty());
    CloseAll();
}

TEST_F(Tdo, DeleteChildAsksAndRefillsTheItem)
{
    Panes panes = OpenGpl("basic.3do");
    ASSERT_TRUE(panes.IsOk());
    wxTreeCtrl& tree = *panes.Tree->GetTree();
    // Handle 0's list of two polygons.
    const wxTreeItemId list = Child(tree, Handle(tree, 0), 0);
    tree.SelectItem(list);
    Pump();
    const std::vector<std::string> children = ChildTexts(tree, list);
    ASSERT_EQ(children.size(), 2u);
    const int row = RowNamed(*panes.Fields->GetList(), "Child 0");
    ASSERT_GE(row, 0);
    DialogTest::Script script;
    script.answer = wxID_CANCEL;
    panes.Fields->EditRow(row);
    EXPECT_EQ(script.messages, std::vector<std::string>{"Delete Child ?"});
    EXPECT_FALSE(panes.Doc->IsModified());
    EXPECT_EQ(ChildTexts(tree, list), children);
    script.answer = wxID_OK;
    panes.Fields->EditRow(row);
    EXPECT_TRUE(panes.Doc->IsModified());
    EXPECT_EQ(ChildTexts(tree, list), std::vector<std::string>{children[1]});
    EXPECT_EQ(RowNamed(*panes.Fields->GetList(), "Child 1"), -1);
    // A row that edits nothing.
    script.messages.clear();
    panes.Fields->EditRow(RowNamed(*panes.Fields->GetList(), "Type"));
    EXPECT_EQ(script.messages, std::vector<std::string>{"This item is not editable"});
    panes.Doc->Modify(false);
    CloseAll();
}

// An edit lists the node again where the user had scrolled it; another node starts at its top.
TEST_F(Tdo, AnEditKeepsTheListScrolled)
{
    Panes panes = OpenGpl("allkinds.3do");
    ASSERT_TRUE(panes.IsOk());
    wxTreeCtrl& tree = *panes.Tree->GetTree();
    // The root's list of every kind: a row per child.
    tree.SelectItem(Child(tree, RootItem(tree), 0));
    Pump();
    CFieldList& list = *panes.Fields->GetList();
    ASSERT_GT(list.GetRowCount(), 2 * list.GetCountPerPage());
    // Scrolled some way down, not to the end (a shorter listing could not keep an end's top).
    list.EnsureVisible(list.GetCountPerPage() + 5);
    ASSERT_TRUE(PumpUntil([&] { return list.GetTopItem() > 0; }));
    const long top = list.GetTopItem();
    DialogTest::Script script;
    script.answer = wxID_OK;
    panes.Fields->EditRow(RowNamed(list, "Child 40"));
    ASSERT_TRUE(panes.Doc->IsModified());
    Pump();
    EXPECT_EQ(list.GetTopItem(), top);
    tree.SelectItem(Handle(tree, 0));
    Pump();
    EXPECT_EQ(list.GetTopItem(), 0);
}

// A hint about a node that the file does not hold: the look-up's assertion is shown and the
// panes keep what they showed.
TEST_F(Tdo, HintAboutAMissingNodeLeavesThePanes)
{
    Panes panes = OpenGpl("basic.3do");
    ASSERT_TRUE(panes.IsOk());
    wxTreeCtrl& tree = *panes.Tree->GetTree();
    const wxTreeItemId list = Child(tree, Handle(tree, 0), 0);
    tree.SelectItem(list);
    Pump();
    const int shown = panes.Fields->GetShownId();
    const int rows = panes.Fields->GetList()->GetRowCount();
    const std::vector<std::string> children = ChildTexts(tree, list);
    Messages messages;
    C3DOHint missing(987654);
    panes.Doc->UpdateAllViews(nullptr, &missing);
    ASSERT_EQ(messages.Texts.size(), 1u);
    EXPECT_NE(messages.Texts[0].find("p != SubObjects.end()"), std::string::npos) << messages.Texts[0];
    EXPECT_EQ(panes.Fields->GetShownId(), shown);
    EXPECT_EQ(panes.Fields->GetList()->GetRowCount(), rows);
    EXPECT_EQ(ChildTexts(tree, list), children);
    EXPECT_EQ(tree.GetSelection(), list);
}

TEST_F(Tdo, PtfInAGplFolderIsRefusedInPlainWordsAndOpensNoWindow)
{
    VelmoTest::TempFolder folder;
    const std::string gpl = WriteGplSamples(folder);
    folder.Write("gpl/X.PTF", std::string(64, '\0'));
    Panes other(Open(gpl + "/minimal.3do"));
    ASSERT_TRUE(other.IsOk());
    Messages messages;
    EXPECT_EQ(Open(gpl + "/X.PTF"), nullptr);
    ASSERT_EQ(messages.Texts.size(), 1u);
    EXPECT_NE(messages.Texts[0].find(gpl + "/X.PTF can't be opened: its folder holds no files of that kind"),
              std::string::npos)
        << messages.Texts[0];
    EXPECT_EQ(messages.Texts[0].find("Assertion"), std::string::npos) << messages.Texts[0];
    EXPECT_EQ(DocumentCount(), 1);
    // A bad .3do: its reader's message, no window, the other document as it was.
    folder.Write("gpl/bad.3do", "3DO4 is not what this is");
    EXPECT_EQ(Open(gpl + "/bad.3do"), nullptr);
    ASSERT_EQ(messages.Texts.size(), 2u);
    EXPECT_NE(messages.Texts[1].find("3do"), std::string::npos) << messages.Texts[1];
    EXPECT_EQ(DocumentCount(), 1);
    EXPECT_EQ(ChildTexts(*other.Tree->GetTree(), other.Tree->GetTree()->GetRootItem()), std::vector<std::string>{"Root"});
    CloseAll();
}

TEST_F(Tdo, PtfInAnN4FolderOpensThroughThePtfFacet)
{
    VelmoTest::TempFolder folder;
    const std::string n4 = WriteN4Samples(folder);
    CopyFile(n4 + "/track.ptf", n4 + "/X.PTF");
    Panes panes(Open(n4 + "/X.PTF"));
    ASSERT_TRUE(panes.IsOk());
    EXPECT_EQ(ChildTexts(*panes.Tree->GetTree(), panes.Tree->GetTree()->GetRootItem()), std::vector<std::string>{"Root"});
    EXPECT_GT(panes.Tree->GetTree()->GetChildrenCount(RootItem(*panes.Tree->GetTree()), false), 0u);
    CloseAll();
}

TEST_F(Tdo, N2SaveIsRefusedAndTheFileUnchanged)
{
    VelmoTest::TempFolder folder;
    const std::string n2 = WriteN2Samples(folder);
    const std::string name = n2 + "/minimal.3do";
    const std::string bytes = ReadFile(name);
    Panes panes(Open(name));
    ASSERT_TRUE(panes.IsOk());
    Messages messages;
    panes.Doc->Modify(true);
    Command(ID_FILE_SAVE);
    EXPECT_EQ(messages.Texts, std::vector<std::string>{CCommonSave::CannotSaveText});
    EXPECT_TRUE(panes.Doc->IsModified());
    EXPECT_EQ(ReadFile(name), bytes);
    panes.Doc->Modify(false);
    CloseAll();
}

TEST_F(Tdo, FileNewDocumentShowsEmptyPanesAndRefusesToSave)
{
    wxDocTemplate* tdoTemplate = nullptr;
    for (wxList::compatibility_iterator node = Manager().GetTemplates().GetFirst(); node; node = node->GetNext())
        if (static_cast<wxDocTemplate*>(node->GetData())->GetDocClassInfo() == wxCLASSINFO(C3DODoc))
            tdoTemplate = static_cast<wxDocTemplate*>(node->GetData());
    ASSERT_NE(tdoTemplate, nullptr);
    Panes panes(tdoTemplate->CreateDocument(wxString(), wxDOC_NEW));
    Pump();
    ASSERT_TRUE(panes.IsOk());
    EXPECT_EQ(panes.Doc->GetFile().Get(), nullptr);
    EXPECT_EQ(panes.Tree->GetTree()->GetChildrenCount(panes.Tree->GetTree()->GetRootItem()), 0u);
    Messages messages;
    Command(ID_FILE_SAVE);
    EXPECT_EQ(messages.Texts, std::vector<std::string>{CCommonSave::NoFileText});
    // Find asks for its id, and finds nothing in no file.
    DialogTest::Script script;
    script.onShow = [](wxDialog& dialog) { EnterAndOk(dialog, CFindIdDlg::IdId, "4"); };
    Command(ID_FIND);
    EXPECT_EQ(messages.Texts.size(), 1u);
    CloseAll();
}

// Saves without an edit (Ctrl+S on a document marked modified).
void SaveUnedited(const std::string& path)
{
    Panes panes(Open(path));
    ASSERT_TRUE(panes.IsOk());
    panes.Doc->Modify(true);
    Command(ID_FILE_SAVE);
    EXPECT_FALSE(panes.Doc->IsModified());
    CloseAll();
    Velmo::Papy::FileFactoryRegistry::Instance()->Purge();
}

// Saving without an edit: an N4 archive is written as it was, byte for byte. A GPL file keeps
// its object (the generator describes the saved file as the original), laid out as the program
// writes it (records after their children, tables in the order of use); from the second save on
// a save keeps it byte for byte.
TEST_F(Tdo, UneditedSaveKeepsTheFile)
{
    VelmoTest::TempFolder folder;
    const std::string n4 = WriteN4Samples(folder);
    for (const std::string name : {"structure.3do", "shared.3do", "primitives.3do", "track.ptf", "variants.ptf"})
    {
        SCOPED_TRACE(name);
        const std::string bytes = ReadFile(n4 + "/" + name);
        SaveUnedited(n4 + "/" + name);
        EXPECT_TRUE(ReadFile(n4 + "/" + name) == bytes);
    }
    const std::string gpl = WriteGplSamples(folder);
    std::vector<std::string> described;
    for (const std::string name : {"minimal.3do", "basic.3do", "allkinds.3do", "track.3do", "car.3do"})
    {
        SCOPED_TRACE(name);
        const std::string path = gpl + "/" + name;
        described.push_back(folder.Path("original-" + name));
        CopyFile(path, described.back());
        SaveUnedited(path);
        described.push_back(folder.Path("saved-" + name));
        CopyFile(path, described.back());
        // Its tables are numbered as the saved file keeps them from the second save on.
        SaveUnedited(path);
        const std::string saved = ReadFile(path);
        SaveUnedited(path);
        EXPECT_TRUE(ReadFile(path) == saved);
    }
    const std::vector<std::vector<std::string>> descriptions = DescribeGpl(described);
    for (std::size_t i = 0; i < descriptions.size(); i += 2)
    {
        EXPECT_FALSE(descriptions[i].empty()) << described[i];
        EXPECT_EQ(descriptions[i + 1], descriptions[i]) << described[i];
    }
}

// An N4 transform edited in the window and saved is the file the archive generator writes with
// those values.
TEST_F(Tdo, N4EditsAreWhatTheGeneratorWrites)
{
    VelmoTest::TempFolder folder;
    const std::string n4 = WriteN4Samples(folder);
    const std::string path = n4 + "/structure.3do";
    Panes panes(Open(path));
    ASSERT_TRUE(panes.IsOk());
    FirstTransform door("door");
    panes.Doc->GetFile()->GetRoot()->Accept(door);
    ASSERT_NE(door.Id, -1);
    FindThroughDialog(door.Id);
    ASSERT_EQ(panes.Fields->GetShownId(), door.Id);
    // The rotation is held in radians and edited in degrees.
    EditField(panes, "X Translation", CEditFloatDlg::ValueId, "5.25");
    EditField(panes, "X Rotation", CEditFloatDlg::ValueId, "90");
    Command(ID_FILE_SAVE);
    CloseAll();

    const std::string expected = folder.Path("expected.3do");
    const std::string script =
        "import math, sys; sys.path.insert(0, '" + Generator("N4") + "'); import n4archive as n; "
        "root = n.sample_structure(); door = root['children'][2]; "
        "door.f['translation'] = [5.25, 2.0, 3.0]; door.f['rotation'] = [90 * math.pi / 180, 20.0, 30.0]; "
        "open('" + expected + "', 'wb').write(n.archive_bytes(root))";
    ASSERT_TRUE(TdoTest::Run(Python() + "-c \"" + script + "\""));
    EXPECT_TRUE(ReadFile(path) == ReadFile(expected));
}

// Closing an edited document without saving: opening the file again shows the file, not the
// edits.
TEST_F(Tdo, DiscardedEditsAreNotShownAgain)
{
    VelmoTest::TempFolder folder;
    const std::string gpl = WriteGplSamples(folder);
    const std::string path = gpl + "/basic.3do";
    Panes panes(Open(path));
    ASSERT_TRUE(panes.IsOk());
    wxTreeCtrl& tree = *panes.Tree->GetTree();
    tree.SelectItem(Handle(tree, 1));
    Pump();
    EditField(panes, "Name", CEditStringDlg::ValueId, "axle");
    ASSERT_TRUE(panes.Doc->IsModified());
    panes.Doc->Modify(false);
    CloseAll();
    Panes again(Open(path));
    ASSERT_TRUE(again.IsOk());
    EXPECT_EQ(again.Tree->GetTree()->GetItemText(Handle(*again.Tree->GetTree(), 1)).utf8_string(), "wheel");
    CloseAll();
}

namespace
{
// The value of a row of the listed node's fields.
std::string FieldValue(Panes& panes, const std::string& label)
{
    const int row = RowNamed(*panes.Fields->GetList(), label);
    return row < 0 ? std::string() : panes.Fields->GetList()->GetValue(row);
}

// A copy of the N4 Sebring archive in a folder of its own: the path of its .ptf (in the archive
// only); sebring is set to the folder.
std::string CopySebring(const VelmoTest::TempFolder& folder, std::string& sebring)
{
    sebring = folder.MakeFolder("n4/tracks/Sebring");
    CopyFile(TrkDocTest::Game("n4/tracks/Sebring/Sebring.dat"), sebring + "/Sebring.dat");
    return sebring + "/sebring.ptf";
}

// The id of the first transform of the window's object, -1 when it has none.
int FirstTransformId(const Panes& panes)
{
    FirstTransform reference;
    panes.Doc->GetFile()->GetRoot()->Accept(reference);
    return reference.Id;
}

// Whether the file is the generator's variants .ptf with the edits (Python statements on root)
// made, written beside it as expected.ptf.
bool IsGeneratorsPtf(const VelmoTest::TempFolder& folder, const std::string& path, const std::string& edits)
{
    const std::string expected = folder.Path("expected.ptf");
    const std::string script = "import sys; sys.path.insert(0, '" + Generator("N4") +
                               "'); import n4archive as n; root = n.sample_ptf_variants(); " + edits +
                               "; open('" + expected + "', 'wb').write(n.archive_bytes(root))";
    EXPECT_TRUE(TdoTest::Run(Python() + "-c \"" + script + "\""));
    return ReadFile(path) == ReadFile(expected);
}
} // namespace

// The .ptf of an N4 folder's archive, edited, then its folder's track opened from the archive's
// window (built on the same object), then the .ptf's window closed answering No: opened again it
// shows the file, and a later edit saved writes the generator's file with that edit alone. The
// track's window keeps the track it had; the folder builds a new one for the next request.
TEST_F(Tdo, DiscardedPtfEditIsNotShownAgainWhileItsTrackIsOpen)
{
    VelmoTest::TempFolder folder;
    std::string sebring;
    const std::string path = CopySebring(folder, sebring);
    Panes panes(Open(path));
    ASSERT_TRUE(panes.IsOk());
    const int id = FirstTransformId(panes);
    ASSERT_NE(id, -1);
    FindThroughDialog(id);
    ASSERT_EQ(panes.Fields->GetShownId(), id);
    const std::string x = FieldValue(panes, "X Translation");
    EditField(panes, "X Translation", CEditFloatDlg::ValueId, "42.5");
    ASSERT_NE(FieldValue(panes, "X Translation"), x);

    ASSERT_NE(Open(sebring + "/Sebring.dat"), nullptr);
    Command(ID_OPEN_TRACK);
    auto* trackDoc = dynamic_cast<CTrkDoc*>(Manager().GetCurrentDocument());
    ASSERT_NE(trackDoc, nullptr);
    const CTrkDoc::TrackPointer track = trackDoc->GetTrack();
    ASSERT_TRUE(track);

    panes.Doc->Activate();
    Pump();
    ASSERT_EQ(Manager().GetCurrentDocument(), panes.Doc);
    wxTEST_DIALOG(Command(ID_FILE_CLOSE), wxExpectModal<wxMessageDialog>(wxID_NO));
    Pump();
    ASSERT_EQ(DocumentCount(), 2);
    EXPECT_EQ(trackDoc->GetTrack().Get(), track.Get());
    CTrkDoc::TrackPointer rebuilt;
    trackDoc->GetFactory()->GetFacet<Velmo::Papy::MakeTrack>()->Make(rebuilt, "", "", false);
    EXPECT_NE(rebuilt.Get(), track.Get()) << "the track built on the discarded edit was handed out again";

    Panes again(Open(path));
    ASSERT_TRUE(again.IsOk());
    EXPECT_FALSE(again.Doc->IsModified());
    FindThroughDialog(id);
    ASSERT_EQ(again.Fields->GetShownId(), id);
    EXPECT_EQ(FieldValue(again, "X Translation"), x) << "the discarded edit came back";
    EditField(again, "Y Translation", CEditFloatDlg::ValueId, "7");
    Command(ID_FILE_SAVE);
    EXPECT_FALSE(again.Doc->IsModified());

    EXPECT_TRUE(IsGeneratorsPtf(folder, path, "root['objects'][0].f['p'][1] = 7.0"))
        << "the saved file is not the generator's with Y 7";
}

namespace
{
// Ticks Strict, and unticks it when the test ends, however it ends.
class StrictOn
{
public:
    StrictOn()
    {
        GuiTest::Command(ID_STRICT);
        EXPECT_TRUE(Velmo::Papy::Options::Instance()->Strict);
    }
    ~StrictOn()
    {
        if (Velmo::Papy::Options::Instance()->Strict)
            GuiTest::Command(ID_STRICT);
    }
};
} // namespace

// The .ptf of an N4 folder's archive open, Strict ticked, then the folder's track opened from the
// archive's window, which reads the .ptf again: it gets the open document's object, so the edit
// then saved is what the next open shows, while the track's window is open and after it is
// closed too (the file read again); and a later edit saved keeps the first one.
TEST_F(Tdo, AnEditSavedAfterStrictAndARereadIsWhatTheNextOpenShows)
{
    VelmoTest::TempFolder folder;
    std::string sebring;
    const std::string path = CopySebring(folder, sebring);
    Panes panes(Open(path));
    ASSERT_TRUE(panes.IsOk());
    const int id = FirstTransformId(panes);
    ASSERT_NE(id, -1);

    StrictOn strict;
    ASSERT_NE(Open(sebring + "/Sebring.dat"), nullptr);
    Command(ID_OPEN_TRACK);
    auto* trackDoc = dynamic_cast<CTrkDoc*>(Manager().GetCurrentDocument());
    ASSERT_NE(trackDoc, nullptr);
    Velmo::Util::CountedPointer<Velmo::Papy::TdoFile> reread;
    trackDoc->GetFactory()->GetFacet<Velmo::Papy::MakePtf>()->Make(reread, "sebring", "ptf", false);
    EXPECT_EQ(reread.Get(), panes.Doc->GetFile().Get()) << "the file's second object";
    reread = nullptr;

    panes.Doc->Activate();
    Pump();
    ASSERT_EQ(Manager().GetCurrentDocument(), panes.Doc);
    FindThroughDialog(id);
    ASSERT_EQ(panes.Fields->GetShownId(), id);
    EditField(panes, "X Translation", CEditFloatDlg::ValueId, "42.5");
    const std::string edited = FieldValue(panes, "X Translation");
    Command(ID_FILE_SAVE);
    ASSERT_FALSE(panes.Doc->IsModified());
    Command(ID_FILE_CLOSE);
    Pump();
    ASSERT_EQ(DocumentCount(), 2);

    const auto reopened = [&] {
        Panes again(Open(path));
        EXPECT_TRUE(again.IsOk());
        if (!again.IsOk())
            return std::string();
        FindThroughDialog(id);
        EXPECT_EQ(again.Fields->GetShownId(), id);
        const std::string shown = FieldValue(again, "X Translation");
        Command(ID_FILE_CLOSE);
        Pump();
        return shown;
    };
    EXPECT_EQ(reopened(), edited) << "with the track's window open: the object from before the save";
    CloseAll();
    EXPECT_EQ(reopened(), edited) << "read again: not the saved file";

    // A later edit saved keeps the first.
    Panes last(Open(path));
    ASSERT_TRUE(last.IsOk());
    FindThroughDialog(id);
    ASSERT_EQ(last.Fields->GetShownId(), id);
    EditField(last, "Y Translation", CEditFloatDlg::ValueId, "7");
    Command(ID_FILE_SAVE);
    EXPECT_TRUE(IsGeneratorsPtf(folder, path, "root['objects'][0].f['p'][0] = 42.5; root['objects'][0].f['p'][1] = 7.0"))
        << "the saved file is not the generator's with X 42.5 and Y 7";
}

// A GPL object saved over another file of its folder (basic.3do's object written as
// minimal.3do, whose object the folder's cache holds for another holder): minimal.3do's next
// request gets the saved object, and basic.3do's no longer does (the edit is not in that file).
TEST_F(Tdo, ASaveOverAnotherCachedFileIsWhatThatFilesNextOpenShows)
{
    VelmoTest::TempFolder folder;
    const std::string gpl = WriteGplSamples(folder);
    Panes panes(Open(gpl + "/basic.3do"));
    ASSERT_TRUE(panes.IsOk());
    const auto make = [&](const std::string& name) {
        Velmo::Util::CountedPointer<Velmo::Papy::TdoFile> file;
        panes.Doc->GetFactory()->GetFacet<Velmo::Papy::MakeTdo>()->Make(file, name, "3do", false);
        return file;
    };
    const Velmo::Util::CountedPointer<Velmo::Papy::TdoFile> other = make("minimal.3do");
    wxTreeCtrl& tree = *panes.Tree->GetTree();
    tree.SelectItem(Handle(tree, 1));
    Pump();
    EditField(panes, "Name", CEditStringDlg::ValueId, "axle");
    ASSERT_TRUE(panes.Doc->OnSaveDocument(CPathText::ToWx(gpl + "/minimal.3do")));

    EXPECT_EQ(make("minimal.3do").Get(), panes.Doc->GetFile().Get()) << "the copy from before the save";
    EXPECT_NE(make("basic.3do").Get(), panes.Doc->GetFile().Get()) << "basic.3do holds no edit";
    EXPECT_GT(other.GetCount(), 0) << "the other holder keeps its object";
}
