#pragma once
// The node tree of a 3D-object window (first pane). Items are filled a few levels at a time by
// the tree-filling visitor: the first levels at the initial update, two more below an item
// when it is expanded, so every item with children can be opened. Each item's data is its
// node's id.
//
// - Selecting an item tells the other panes which node to show (the hint has this pane as its
//   sender, so this pane does not receive it).
// - A right click selects the item under the mouse first, then shows the popup of menu 146 for
//   its kind (the root, a handle, an object list, a transformation; other kinds show none);
//   right-clicking where there is no item does nothing.
// - The insert commands make a child of the right-clicked node, set the modified flag and tell
//   every pane (this one too), which refills the selected item.
// - Find (F3) asks for an id and selects the first node of that id below the selected node (the
//   root's when nothing is selected), expanding each item on the way.
// - A hint without this pane as sender (an insert, an edit) refills the selected item and, when
//   a handle was renamed, shows the new name. The items of children that are still there are
//   kept, so the branches the user opened below the item stay open.
// - * (the keypad's, or the character) opens the selected item and everything below it, up to a
//   bound on the items it adds (see ThreeDObjectTreeExpandAll); one expansion of an item adds at
//   most ThreeDObjectTreeVisitor's bound.
//
// What fails (a node id that the file does not hold, a kind that the game cannot make) is shown
// in a message box, and the tree stays as it was.
#include <functional>

#include <wx/treectrl.h>

#include "Vantrel/Doc/3DOHint.h"
#include "Vantrel/Frame/VantrelView.h"
#include "Vantrel/Visitors/ThreeDObjectTree.h"
#include "Vantrel/Visitors/ThreeDObjectTreeEditVisitor.h"

class C3DODoc;
class wxMenu;

class C3DOTreeView : public CVantrelView, public ThreeDObjectTree
{
public:
    // Shows a popup menu over a window at a point of its client area and returns the id of the
    // item chosen, or wxID_NONE. The tests put their own in to choose without a mouse.
    typedef std::function<int(wxWindow& window, wxMenu& menu, const wxPoint& point)> PopupPresenter;
    // Replaces the presenter (an empty one restores the toolkit's popup); returns the previous.
    static PopupPresenter SetPopupPresenter(PopupPresenter presenter);

    C3DOTreeView();

    wxWindow* CreatePane(wxWindow* parent) override;
    void OnInitialUpdate() override;
    void OnUpdate(wxView* sender, wxObject* hint = nullptr) override;

    wxTreeCtrl* GetTree() const { return m_tree; }
    // The node id of an item; -1 for no item (or the invisible top item).
    int GetNodeId(const wxTreeItemId& item) const;
    // The node id of the selected item, -1 when nothing is selected.
    int GetSelectedId() const;

    // What a right click at a point of the tree window (client coordinates) does.
    void ContextMenuAt(const wxPoint& point);
    // What Find does once the id is known: select the node of that id below the selected node.
    void FindId(int id);
    // What * does: opens the item and the items below it; false when it stopped at its bound.
    bool ExpandAll(const wxTreeItemId& item);

    // The tree as the filling visitor sees it.
    TreeItem GetRootItem() const override;
    TreeItem InsertItem(TreeItem parent, const std::string& text, int id) override;
    TreeItem InsertItemBefore(TreeItem parent, TreeItem before, const std::string& text, int id) override;
    void DeleteItem(TreeItem item) override;
    int GetItemId(TreeItem item) const override;
    TreeItem GetParentItem(TreeItem item) const override;
    TreeItem GetFirstChildItem(TreeItem item) const override;
    TreeItem GetNextSiblingItem(TreeItem item) const override;
    bool ItemHasChildren(TreeItem item) const override;

private:
    C3DODoc* GetTdoDocument() const;
    void OnSelChanged(wxTreeEvent& event);
    void OnItemExpanded(wxTreeEvent& event);
    void OnTreeKey(wxKeyEvent& event);
    void OnRightDown(wxMouseEvent& event);
    void OnInsert(int commandId);
    void OnFind();
    // Before each walk: items may have gone since the last.
    void ForgetSiblings();
    // The item among an item's children whose node has the id; an invalid item when none has.
    wxTreeItemId FindChild(const wxTreeItemId& parent, int id) const;

    wxTreeCtrl* m_tree = nullptr;
    // The hint this pane sends.
    C3DOHint m_hint;
    // The node whose item was last right-clicked.
    int m_contextNodeId = -1;
    ThreeDObjectTreeEditVisitor m_treeEdit;
    // The items the next filling on expansion may insert, and what the last one inserted.
    std::size_t m_fillAllowance;
    std::size_t m_lastFilled = 0;
    // The last next sibling given, its parent and its position there (see GetNextSiblingItem);
    // forgotten before each walk.
    mutable wxTreeItemId m_lastSibling;
    mutable wxTreeItemId m_lastParent;
    mutable wxTreeItemIdValue m_lastCookie = nullptr;

    wxDECLARE_DYNAMIC_CLASS(C3DOTreeView);
};
