#pragma once
// The field list of a 3D-object window (second pane): the rows of the node that the last hint
// named, made by the list visitor ("Field" and "Value"). A right click on a row edits that
// field through the value dialogs; when the node changed, the document is marked modified and
// every pane is told (this one lists the node again, the tree refills the item and shows a new
// handle name, the 3D pane draws again).
//
// A node that the file does not hold shows its assertion and leaves the list as it was.
#include "Vantrel/Doc/3DOHint.h"
#include "Vantrel/Frame/VantrelView.h"

class C3DODoc;
class CFieldList;
class wxListEvent;

class C3DOInstructionView : public CVantrelView
{
public:
    wxWindow* CreatePane(wxWindow* parent) override;
    void OnUpdate(wxView* sender, wxObject* hint = nullptr) override;

    CFieldList* GetList() const { return m_list; }
    // The node listed, -1 for none.
    int GetShownId() const { return m_shownId; }
    // What a right click on a row does.
    void EditRow(int row);

private:
    C3DODoc* GetTdoDocument() const;
    void OnRightClick(wxListEvent& event);

    CFieldList* m_list = nullptr;
    int m_shownId = -1;
    // The hint this pane sends after an edit.
    C3DOHint m_hint;

    wxDECLARE_DYNAMIC_CLASS(C3DOInstructionView);
};
