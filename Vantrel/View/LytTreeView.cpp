#include "Vantrel/View/LytTreeView.h"

#include <vector>

#include <wx/treectrl.h>
#include <wx/utils.h>

#include "Vantrel/Doc/CatchPattern.h"
#include "Vantrel/Doc/LytDoc.h"
#include "Vantrel/Frame/CommandBinding.h"
#include "Vantrel/Frame/CommandIds.h"
#include "Vantrel/View/LytHint.h"
#include "Vantrel/Text/CodePage1252.h"

wxIMPLEMENT_DYNAMIC_CLASS(CLytTreeView, CVantrelView);

namespace
{
// The control an item stands for.
class ControlData : public wxTreeItemData
{
public:
    explicit ControlData(int control) : Control(control) {}
    int Control;
};

std::vector<wxTreeItemId> Children(const wxTreeCtrl& tree)
{
    std::vector<wxTreeItemId> items;
    const wxTreeItemId root = tree.GetRootItem();
    if (!root.IsOk())
        return items;
    wxTreeItemIdValue cookie;
    for (wxTreeItemId item = tree.GetFirstChild(root, cookie); item.IsOk(); item = tree.GetNextChild(root, cookie))
        items.push_back(item);
    return items;
}

wxString NameText(const std::string& name)
{
    return wxString::FromUTF8(CodePage1252::ToUtf8(name));
}
} // namespace

wxWindow* CLytTreeView::CreatePane(wxWindow* parent)
{
    m_tree = new wxTreeCtrl(parent, wxID_ANY, wxDefaultPosition, wxDefaultSize,
                            wxTR_HIDE_ROOT | wxTR_SINGLE | wxTR_NO_LINES | wxTR_FULL_ROW_HIGHLIGHT);
    m_tree->AddRoot(wxString());
    m_tree->Bind(wxEVT_TREE_SEL_CHANGED, &CLytTreeView::OnSelectionChanged, this);
    auto canRun = [this](bool (LytEditor::*can)(int) const) {
        return [this, can](wxUpdateUIEvent& event) {
            CLytDoc* document = GetLytDocument();
            event.Enable(document != nullptr && (document->GetEditor().*can)(GetSelectedControl()));
        };
    };
    BindCommand(*this, ID_EDIT_COPY, [this](wxCommandEvent&) { Copy(); }, canRun(&LytEditor::CanCopy));
    BindCommand(*this, ID_EDIT_PASTE, [this](wxCommandEvent&) { Paste(); }, canRun(&LytEditor::CanPaste));
    BindCommand(*this, ID_EDIT_DELETE, [this](wxCommandEvent&) { Delete(); }, canRun(&LytEditor::CanDelete));
    return m_tree;
}

CLytDoc* CLytTreeView::GetLytDocument() const
{
    return dynamic_cast<CLytDoc*>(GetDocument());
}

void CLytTreeView::OnInitialUpdate()
{
    if (m_tree == nullptr || GetLytDocument() == nullptr)
        return;
    wxBusyCursor wait;
    Sync();
}

void CLytTreeView::OnUpdate(wxView* sender, wxObject*)
{
    // An edit may have renamed a control.
    if (sender != this && m_tree != nullptr && GetLytDocument() != nullptr)
        Sync();
}

void CLytTreeView::Sync()
{
    const std::vector<LytEditor::Item>& items = GetLytDocument()->GetEditor().GetItems();
    std::vector<wxTreeItemId> shown = Children(*m_tree);
    if (shown.size() != items.size())
    {
        m_tree->DeleteChildren(m_tree->GetRootItem());
        for (const LytEditor::Item& item : items)
            m_tree->AppendItem(m_tree->GetRootItem(), NameText(item.Text), -1, -1, new ControlData(item.Control));
        return;
    }
    for (std::size_t i = 0; i < items.size(); ++i)
    {
        const wxString text = NameText(items[i].Text);
        if (m_tree->GetItemText(shown[i]) != text)
            m_tree->SetItemText(shown[i], text);
        static_cast<ControlData*>(m_tree->GetItemData(shown[i]))->Control = items[i].Control;
    }
}

int CLytTreeView::GetSelectedControl() const
{
    if (m_tree == nullptr)
        return -1;
    const wxTreeItemId item = m_tree->GetSelection();
    const auto* data = item.IsOk() ? dynamic_cast<ControlData*>(m_tree->GetItemData(item)) : nullptr;
    return data != nullptr ? data->Control : -1;
}

void CLytTreeView::SelectControl(int control)
{
    if (m_tree == nullptr)
        return;
    for (const wxTreeItemId& item : Children(*m_tree))
        if (static_cast<ControlData*>(m_tree->GetItemData(item))->Control == control)
        {
            m_tree->SelectItem(item);
            m_tree->EnsureVisible(item);
            return;
        }
    m_tree->UnselectAll();
}

void CLytTreeView::OnSelectionChanged(wxTreeEvent& event)
{
    const auto* data = event.GetItem().IsOk() ? dynamic_cast<ControlData*>(m_tree->GetItemData(event.GetItem())) : nullptr;
    CLytDoc* document = GetLytDocument();
    if (data == nullptr || document == nullptr)
        return;
    CLytHint hint(LytEditor::HintOf(data->Control));
    CCatchPattern::Run([&] { document->UpdateAllViews(this, &hint); });
}

void CLytTreeView::Copy()
{
    CLytDoc* document = GetLytDocument();
    const int selected = GetSelectedControl();
    if (document != nullptr)
        CCatchPattern::Run([&] { document->CopyControl(selected); });
}

void CLytTreeView::Paste()
{
    CLytDoc* document = GetLytDocument();
    const int selected = GetSelectedControl();
    if (document == nullptr)
        return;
    int pasted = -1;
    CCatchPattern::Run([&] { pasted = document->PasteControl(selected); });
    Sync();
    if (pasted != -1)
        SelectControl(pasted);
}

void CLytTreeView::Delete()
{
    CLytDoc* document = GetLytDocument();
    const int selected = GetSelectedControl();
    if (document == nullptr)
        return;
    int next = -1;
    if (!CCatchPattern::Run([&] { next = document->DeleteControl(selected); }))
        return;
    // The tree follows the model: the item goes, the others are renumbered; the next control is
    // selected and shown, or nothing when none is left.
    Sync();
    SelectControl(next);
    CLytHint hint(LytEditor::HintOf(next));
    CCatchPattern::Run([&] { document->UpdateAllViews(this, &hint); });
}
