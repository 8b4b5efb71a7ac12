#pragma once
// The tree pane of the track and replay documents: the items that a subclass builds (a
// TrkTreeItem tree, apart from the control), shown once at the initial update under the wait
// cursor, "root" selected. Selecting an item sends its code to the document's other panes
// (CTrkUpdateHint).
// What the model throws while the items are built is shown once; the items built before stay.
#include <wx/treectrl.h>

#include "Vantrel/Frame/VantrelView.h"
#include "Vantrel/Rows/TrkTreeItem.h"

class CHintTreeView : public CVantrelView
{
public:
    wxWindow* CreatePane(wxWindow* parent) override;
    void OnInitialUpdate() override;
    // The tree changes with nothing the other panes send.
    void OnUpdate(wxView* sender, wxObject* hint = nullptr) override;

    wxTreeCtrl* GetTree() const { return m_tree; }
    // The code of an item (0 for none).
    int GetItemCode(const wxTreeItemId& item) const;
    // The item of a code, searched in tree order; invalid when there is none.
    wxTreeItemId FindItem(int code) const;

protected:
    // Makes root the tree of the document's model; what the model throws propagates.
    virtual void Build(TrkTreeItem& root) = 0;

private:
    void Fill(const TrkTreeItem& root);
    void OnSelectionChanged(wxTreeEvent& event);

    wxTreeCtrl* m_tree = nullptr;

    wxDECLARE_ABSTRACT_CLASS(CHintTreeView);
};
