#include "Vantrel/View/HintTreeView.h"

#include <vector>

#include <wx/utils.h>

#include "Vantrel/Doc/CatchPattern.h"
#include "Vantrel/View/TrkUpdateHint.h"

wxIMPLEMENT_ABSTRACT_CLASS(CHintTreeView, CVantrelView);

namespace
{
class CodeData : public wxTreeItemData
{
public:
    explicit CodeData(int code) : Code(code) {}
    int Code;
};

void AddChildren(wxTreeCtrl& tree, const wxTreeItemId& parent, const TrkTreeItem& item)
{
    for (const TrkTreeItem& child : item.Children)
    {
        const wxTreeItemId id = tree.AppendItem(parent, wxString::FromUTF8(child.Text), -1, -1, new CodeData(child.Hint));
        AddChildren(tree, id, child);
    }
}
} // namespace

wxWindow* CHintTreeView::CreatePane(wxWindow* parent)
{
    m_tree = new wxTreeCtrl(parent, wxID_ANY, wxDefaultPosition, wxDefaultSize,
                            wxTR_HAS_BUTTONS | wxTR_SINGLE | wxBORDER_NONE);
    m_tree->Bind(wxEVT_TREE_SEL_CHANGED, &CHintTreeView::OnSelectionChanged, this);
    return m_tree;
}

void CHintTreeView::OnInitialUpdate()
{
    wxBusyCursor wait;
    TrkTreeItem root;
    CCatchPattern::Run([&] { Build(root); });
    Fill(root);
}

void CHintTreeView::OnUpdate(wxView*, wxObject*)
{
}

void CHintTreeView::Fill(const TrkTreeItem& root)
{
    m_tree->Freeze();
    m_tree->DeleteAllItems();
    const wxTreeItemId top = m_tree->AddRoot(wxString::FromUTF8(root.Text), -1, -1, new CodeData(root.Hint));
    AddChildren(*m_tree, top, root);
    if (m_tree->HasChildren(top))
        m_tree->Expand(top);
    m_tree->Thaw();
    // The control makes its first item current without telling anyone; selected anew, it
    // sends its code, so that the other panes show what the tree shows selected.
    m_tree->Unselect();
    m_tree->SelectItem(top);
}

int CHintTreeView::GetItemCode(const wxTreeItemId& item) const
{
    const auto* data = item.IsOk() ? static_cast<CodeData*>(m_tree->GetItemData(item)) : nullptr;
    return data != nullptr ? data->Code : 0;
}

wxTreeItemId CHintTreeView::FindItem(int code) const
{
    std::vector<wxTreeItemId> pending;
    if (m_tree->GetRootItem().IsOk())
        pending.push_back(m_tree->GetRootItem());
    while (!pending.empty())
    {
        const wxTreeItemId item = pending.back();
        pending.pop_back();
        if (GetItemCode(item) == code)
            return item;
        std::vector<wxTreeItemId> children;
        wxTreeItemIdValue cookie;
        for (wxTreeItemId child = m_tree->GetFirstChild(item, cookie); child.IsOk();
             child = m_tree->GetNextChild(item, cookie))
            children.push_back(child);
        pending.insert(pending.end(), children.rbegin(), children.rend());
    }
    return wxTreeItemId();
}

void CHintTreeView::OnSelectionChanged(wxTreeEvent& event)
{
    const wxTreeItemId item = event.GetItem();
    if (!item.IsOk() || GetDocument() == nullptr)
        return;
    CTrkUpdateHint hint(GetItemCode(item));
    CCatchPattern::Run([&] { GetDocument()->UpdateAllViews(this, &hint); });
}
