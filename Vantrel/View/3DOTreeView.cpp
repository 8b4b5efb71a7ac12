#include "Vantrel/View/3DOTreeView.h"

#include <algorithm>
#include <memory>

#include <wx/menu.h>
#include <wx/utils.h>
#include <wx/wupdlock.h>

#include "Papy/Model/ThreeDObjectRoot.h"
#include "Vantrel/Dialogs/DialogIds.h"
#include "Vantrel/Dialogs/FindIdDlg.h"
#include "Vantrel/Doc/3DODoc.h"
#include "Vantrel/Doc/CatchPattern.h"
#include "Vantrel/Frame/CommandBinding.h"
#include "Vantrel/Frame/CommandIds.h"
#include "Vantrel/Frame/MenuTables.h"
#include "Vantrel/Text/CodePage1252.h"
#include "Vantrel/Visitors/ThreeDObjectFindIdVisitor.h"
#include "Vantrel/Visitors/ThreeDObjectTreeExpandAll.h"
#include "Vantrel/Visitors/ThreeDObjectTreeVisitor.h"

wxIMPLEMENT_DYNAMIC_CLASS(C3DOTreeView, CVantrelView);

namespace
{
// The item data of every item: its node's id.
class NodeData : public wxTreeItemData
{
public:
    explicit NodeData(int id) : Id(id) {}
    int Id;
};

// The menu that holds the tree's popups.
constexpr int PopupMenuId = 146;

C3DOTreeView::PopupPresenter& Presenter()
{
    static C3DOTreeView::PopupPresenter presenter;
    return presenter;
}

wxTreeItemId ItemOf(TreeItem item)
{
    return wxTreeItemId(item.GetHandle());
}

TreeItem Item(const wxTreeItemId& item)
{
    return TreeItem(item.GetID());
}
} // namespace

C3DOTreeView::PopupPresenter C3DOTreeView::SetPopupPresenter(PopupPresenter presenter)
{
    PopupPresenter previous = std::move(Presenter());
    Presenter() = std::move(presenter);
    return previous;
}

C3DOTreeView::C3DOTreeView() : m_fillAllowance(ThreeDObjectTree::MaxInsertedItems)
{
}

wxWindow* C3DOTreeView::CreatePane(wxWindow* parent)
{
    m_tree = new wxTreeCtrl(parent, wxID_ANY, wxDefaultPosition, wxDefaultSize,
                            wxTR_HAS_BUTTONS | wxTR_LINES_AT_ROOT | wxTR_HIDE_ROOT | wxTR_SINGLE);
    m_tree->AddRoot(wxString());
    // Bound with this view as the handler, so that the bindings go with the view when the
    // window outlives it.
    m_tree->Bind(wxEVT_TREE_SEL_CHANGED, &C3DOTreeView::OnSelChanged, this);
    m_tree->Bind(wxEVT_TREE_ITEM_EXPANDED, &C3DOTreeView::OnItemExpanded, this);
    // Ahead of the control's own handling of the keys (bound handlers come first).
    m_tree->Bind(wxEVT_KEY_DOWN, &C3DOTreeView::OnTreeKey, this);
    m_tree->Bind(wxEVT_CHAR, &C3DOTreeView::OnTreeKey, this);
    m_tree->Bind(wxEVT_RIGHT_DOWN, &C3DOTreeView::OnRightDown, this);
    BindCommandRange(*this, ID_INSERT_FIRST, ID_INSERT_LAST, [this](wxCommandEvent& event) { OnInsert(event.GetId()); });
    BindCommand(*this, ID_FIND, [this](wxCommandEvent&) { OnFind(); });
    return m_tree;
}

C3DODoc* C3DOTreeView::GetTdoDocument() const
{
    return dynamic_cast<C3DODoc*>(GetDocument());
}

void C3DOTreeView::OnInitialUpdate()
{
    wxBusyCursor wait;
    C3DODoc* document = GetTdoDocument();
    if (m_tree == nullptr || document == nullptr || document->GetFile().Get() == nullptr)
        return;
    CCatchPattern::Run([&] {
        C3DODoc::File file = document->GetFile();
        Velmo::Util::CountedPointer<Velmo::Papy::ThreeDObjectRoot> root = file->GetRoot();
        if (root.Get() == nullptr)
            return;
        ForgetSiblings();
        ThreeDObjectTreeVisitor fill(*this, GetRootItem());
        root->Accept(fill);
    });
}

int C3DOTreeView::GetNodeId(const wxTreeItemId& item) const
{
    if (m_tree == nullptr || !item.IsOk())
        return -1;
    const auto* data = dynamic_cast<const NodeData*>(m_tree->GetItemData(item));
    return data != nullptr ? data->Id : -1;
}

int C3DOTreeView::GetSelectedId() const
{
    return m_tree != nullptr ? GetNodeId(m_tree->GetSelection()) : -1;
}

void C3DOTreeView::OnSelChanged(wxTreeEvent& event)
{
    const wxTreeItemId item = event.GetItem();
    C3DODoc* document = GetTdoDocument();
    if (!item.IsOk() || document == nullptr || GetNodeId(item) == -1)
        return;
    m_hint.NodeId = GetNodeId(item);
    m_hint.NameChanged = false;
    m_hint.NewName.clear();
    document->UpdateAllViews(this, &m_hint);
}

void C3DOTreeView::OnItemExpanded(wxTreeEvent& event)
{
    const wxTreeItemId item = event.GetItem();
    C3DODoc* document = GetTdoDocument();
    if (!item.IsOk() || document == nullptr || document->GetFile().Get() == nullptr)
        return;
    const int id = GetNodeId(item);
    if (id == -1)
        return;
    wxBusyCursor wait;
    CCatchPattern::Run([&] {
        C3DODoc::File file = document->GetFile();
        Velmo::Papy::TdoFile::Node node = file->GetSubObject(id);
        ForgetSiblings();
        ThreeDObjectTreeVisitor fill(*this, Item(item), m_fillAllowance);
        m_lastFilled = 0;
        try
        {
            node->Accept(fill);
        }
        catch (...)
        {
            m_lastFilled = fill.GetInsertedCount();
            throw;
        }
        m_lastFilled = fill.GetInsertedCount();
    });
}

void C3DOTreeView::OnTreeKey(wxKeyEvent& event)
{
    // The control's own * would open every item below without a bound; handled here, the
    // control does nothing more with the key (the keypad's * as it goes down, the character *
    // as it is typed).
    const int key = event.GetKeyCode();
    if (key != '*' && key != WXK_MULTIPLY && key != WXK_NUMPAD_MULTIPLY)
    {
        event.Skip();
        return;
    }
    ExpandAll(m_tree->GetSelection());
}

bool C3DOTreeView::ExpandAll(const wxTreeItemId& item)
{
    if (m_tree == nullptr || !item.IsOk() || GetNodeId(item) == -1)
        return true;
    wxBusyCursor wait;
    // Laid out once at the end, not once per item opened.
    wxWindowUpdateLocker frozen(m_tree);
    ThreeDObjectTreeExpandAll expand(*this, [this](TreeItem open, std::size_t allowed) {
        const wxTreeItemId opened = ItemOf(open);
        if (m_tree->IsExpanded(opened))
            return std::size_t(0);
        // The expansion fills the item through OnItemExpanded, within what is left.
        m_fillAllowance = std::min(allowed, ThreeDObjectTree::MaxInsertedItems);
        m_lastFilled = 0;
        m_tree->Expand(opened);
        m_fillAllowance = ThreeDObjectTree::MaxInsertedItems;
        return m_lastFilled;
    });
    return expand.Run(Item(item));
}

void C3DOTreeView::OnRightDown(wxMouseEvent& event)
{
    // Handled here rather than by the control, which would select the item only in some
    // toolkits and may offer the menu of the item that was selected before.
    ContextMenuAt(event.GetPosition());
}

void C3DOTreeView::ContextMenuAt(const wxPoint& point)
{
    if (m_tree == nullptr)
        return;
    int flags = 0;
    const wxTreeItemId item = m_tree->HitTest(point, flags);
    if (!item.IsOk() || (flags & wxTREE_HITTEST_NOWHERE) != 0 || GetNodeId(item) == -1)
        return;
    m_tree->SetFocus();
    if (m_tree->GetSelection() != item)
        m_tree->SelectItem(item);
    C3DODoc* document = GetTdoDocument();
    if (document == nullptr || document->GetFile().Get() == nullptr)
        return;
    const int id = GetNodeId(item);
    int index = -1;
    CCatchPattern::Run([&] {
        C3DODoc::File file = document->GetFile();
        Velmo::Papy::TdoFile::Node node = file->GetSubObject(id);
        m_treeEdit.SetMode(ThreeDObjectTreeEditVisitor::Query);
        m_treeEdit.SetPopupIndex(-1);
        node->Accept(m_treeEdit);
        index = m_treeEdit.GetPopupIndex();
    });
    if (index < 0)
        return;
    std::unique_ptr<wxMenu> popup(CMenuTables::CreatePopupMenu(PopupMenuId, std::size_t(index)));
    if (popup == nullptr)
        return;
    m_contextNodeId = id;
    const int chosen = Presenter() ? Presenter()(*m_tree, *popup, point)
                                   : m_tree->GetPopupMenuSelectionFromUser(*popup, point);
    if (chosen == wxID_NONE)
        return;
    // The chosen item reaches this view as its menu command.
    wxCommandEvent command(wxEVT_MENU, chosen);
    command.SetEventObject(m_tree);
    ProcessEvent(command);
}

void C3DOTreeView::OnInsert(int commandId)
{
    C3DODoc* document = GetTdoDocument();
    if (document == nullptr || document->GetFile().Get() == nullptr || m_contextNodeId == -1)
        return;
    // The menu ids stand for the commands 34000 and up.
    const int command = commandId - ID_INSERT_FIRST + ThreeDObjectTreeEditVisitor::InsertHandle;
    bool changed = false;
    CCatchPattern::Run([&] {
        C3DODoc::File file = document->GetFile();
        Velmo::Papy::TdoFile::Node node = file->GetSubObject(m_contextNodeId);
        m_treeEdit.SetMode(ThreeDObjectTreeEditVisitor::Apply);
        m_treeEdit.SetChanged(false);
        m_treeEdit.SetFile(file);
        m_treeEdit.SetCommand(command);
        try
        {
            node->Accept(m_treeEdit);
        }
        catch (...)
        {
            m_treeEdit.SetFile(nullptr);
            throw;
        }
        m_treeEdit.SetFile(nullptr);
        changed = m_treeEdit.IsChanged();
    });
    if (!changed)
        return;
    document->Modify(true);
    m_hint.NodeId = m_contextNodeId;
    m_hint.NameChanged = false;
    m_hint.NewName.clear();
    document->UpdateAllViews(nullptr, &m_hint);
}

void C3DOTreeView::OnUpdate(wxView*, wxObject* hint)
{
    const auto* tdoHint = dynamic_cast<const C3DOHint*>(hint);
    C3DODoc* document = GetTdoDocument();
    if (tdoHint == nullptr || m_tree == nullptr || document == nullptr || document->GetFile().Get() == nullptr)
        return;
    // The hint is about the selected node (the one listed, or the one that got a child); a
    // hint about any other node would refill the selected item with that node's children.
    const wxTreeItemId selected = m_tree->GetSelection();
    if (!selected.IsOk() || GetNodeId(selected) != tdoHint->NodeId)
        return;
    CCatchPattern::Run([&] {
        C3DODoc::File file = document->GetFile();
        Velmo::Papy::TdoFile::Node node = file->GetSubObject(tdoHint->NodeId);
        if (tdoHint->NameChanged)
            m_tree->SetItemText(selected, wxString::FromUTF8(CodePage1252::ToUtf8(tdoHint->NewName)));
        // The walk keeps the items of the children that are still there, with what is open
        // below them.
        ForgetSiblings();
        ThreeDObjectTreeVisitor fill(*this, Item(selected));
        node->Accept(fill);
    });
    m_tree->Refresh(false);
}

void C3DOTreeView::OnFind()
{
    CFindIdDlg dialog(m_tree);
    dialog.Id = 0;
    if (dialog.DoModal() != DialogId::Ok)
        return;
    FindId(dialog.Id);
}

void C3DOTreeView::FindId(int id)
{
    C3DODoc* document = GetTdoDocument();
    if (m_tree == nullptr || document == nullptr || document->GetFile().Get() == nullptr)
        return;
    wxBusyCursor wait;
    CCatchPattern::Run([&] {
        C3DODoc::File file = document->GetFile();
        // Nothing selected: the search starts at the root.
        wxTreeItemId current = m_tree->GetSelection();
        if (!current.IsOk() || GetNodeId(current) == -1)
        {
            wxTreeItemIdValue cookie;
            current = m_tree->GetFirstChild(m_tree->GetRootItem(), cookie);
            if (!current.IsOk())
                return;
        }
        Velmo::Papy::TdoFile::Node start = file->GetSubObject(GetNodeId(current));
        ThreeDObjectFindIdVisitor find(id);
        start->Accept(find);
        if (!find.IsFound())
            return;
        const std::deque<int>& path = find.GetPath();
        for (std::size_t i = 1; i < path.size(); ++i)
        {
            m_tree->Expand(current);
            const wxTreeItemId next = FindChild(current, path[i]);
            if (!next.IsOk())
                return;
            m_tree->SelectItem(next);
            current = next;
        }
        m_tree->EnsureVisible(current);
    });
}

wxTreeItemId C3DOTreeView::FindChild(const wxTreeItemId& parent, int id) const
{
    wxTreeItemIdValue cookie;
    for (wxTreeItemId child = m_tree->GetFirstChild(parent, cookie); child.IsOk();
         child = m_tree->GetNextChild(parent, cookie))
        if (GetNodeId(child) == id)
            return child;
    return wxTreeItemId();
}

void C3DOTreeView::ForgetSiblings()
{
    m_lastSibling = wxTreeItemId();
    m_lastParent = wxTreeItemId();
    m_lastCookie = nullptr;
}

TreeItem C3DOTreeView::GetRootItem() const
{
    return Item(m_tree->GetRootItem());
}

TreeItem C3DOTreeView::InsertItem(TreeItem parent, const std::string& text, int id)
{
    return Item(m_tree->AppendItem(ItemOf(parent), wxString::FromUTF8(CodePage1252::ToUtf8(text)), -1, -1,
                                   new NodeData(id)));
}

TreeItem C3DOTreeView::InsertItemBefore(TreeItem parent, TreeItem before, const std::string& text, int id)
{
    ForgetSiblings();
    const wxTreeItemId previous = m_tree->GetPrevSibling(ItemOf(before));
    const wxString label = wxString::FromUTF8(CodePage1252::ToUtf8(text));
    if (previous.IsOk())
        return Item(m_tree->InsertItem(ItemOf(parent), previous, label, -1, -1, new NodeData(id)));
    return Item(m_tree->PrependItem(ItemOf(parent), label, -1, -1, new NodeData(id)));
}

void C3DOTreeView::DeleteItem(TreeItem item)
{
    ForgetSiblings();
    m_tree->Delete(ItemOf(item));
}

int C3DOTreeView::GetItemId(TreeItem item) const
{
    return GetNodeId(ItemOf(item));
}

TreeItem C3DOTreeView::GetParentItem(TreeItem item) const
{
    return Item(m_tree->GetItemParent(ItemOf(item)));
}

TreeItem C3DOTreeView::GetFirstChildItem(TreeItem item) const
{
    wxTreeItemIdValue cookie;
    return Item(m_tree->GetFirstChild(ItemOf(item), cookie));
}

TreeItem C3DOTreeView::GetNextSiblingItem(TreeItem item) const
{
    // The walk asks for the siblings of one parent in order: the position of the last answer
    // makes the next one a step instead of a search among the parent's children.
    const wxTreeItemId current = ItemOf(item);
    if (!(current == m_lastSibling) || !m_lastParent.IsOk())
    {
        m_lastParent = m_tree->GetItemParent(current);
        if (!m_lastParent.IsOk())
            return TreeItem();
        wxTreeItemId child = m_tree->GetFirstChild(m_lastParent, m_lastCookie);
        while (child.IsOk() && !(child == current))
            child = m_tree->GetNextChild(m_lastParent, m_lastCookie);
        if (!child.IsOk())
            return TreeItem();
    }
    m_lastSibling = m_tree->GetNextChild(m_lastParent, m_lastCookie);
    if (!m_lastSibling.IsOk())
        m_lastParent = wxTreeItemId();
    return Item(m_lastSibling);
}

bool C3DOTreeView::ItemHasChildren(TreeItem item) const
{
    return m_tree->GetChildrenCount(ItemOf(item), false) > 0;
}
