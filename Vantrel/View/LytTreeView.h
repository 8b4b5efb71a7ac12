#pragma once
// The left pane of a layout window: one item per control, in file order, named after the
// control. Selecting an item shows its control in the field pane (hint: control index + 1).
// Edit Copy (57634), Paste (57637) and Delete (145) work on the selected control: copy puts it in
// the program's clipboard, paste inserts the clipboard's control after it (and selects the new
// one), delete removes it (and selects the one that took its place, else the new last one).
// Each is enabled only while it can run.
#include <wx/treebase.h>

#include "Vantrel/Frame/VantrelView.h"

class CLytDoc;
class wxTreeCtrl;
class wxTreeEvent;

class CLytTreeView : public CVantrelView
{
public:
    wxWindow* CreatePane(wxWindow* parent) override;
    void OnInitialUpdate() override;
    void OnUpdate(wxView* sender, wxObject* hint) override;

    wxTreeCtrl* GetTree() const { return m_tree; }
    // The control of the selected item; -1 when none is selected.
    int GetSelectedControl() const;
    // Selects the item of a control (which shows it in the field pane); -1 clears the selection.
    void SelectControl(int control);

    void Copy();
    void Paste();
    void Delete();

private:
    CLytDoc* GetLytDocument() const;
    // The items follow the model's: the same order, texts and controls.
    void Sync();
    void OnSelectionChanged(wxTreeEvent& event);

    wxTreeCtrl* m_tree = nullptr;

    wxDECLARE_DYNAMIC_CLASS(CLytTreeView);
};
