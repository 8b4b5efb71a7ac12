#pragma once
// The right pane of a layout window: the fields of the control the tree selected, "Field"
// (100 pixels) and "Value" (500 pixels), the value edited in place. An edit is written to the
// file as the field's kind reads it (a name cut at 255 bytes, a number read as its leading
// decimal digits: "12abc" is 12, "abc" is 0; the index, the type and unknown values are shown
// only); the list is then built again from the file, after the edit's event, so that it shows
// what the file stored. A name with a character that the file's code page lacks is refused with
// a message, and the old name stays. After the last control is deleted the list is empty.
#include <string>

#include "Vantrel/Frame/VantrelView.h"

class CLytDoc;
class wxDataViewEvent;
class wxDataViewListCtrl;

class CLytListView : public CVantrelView
{
public:
    wxWindow* CreatePane(wxWindow* parent) override;
    void OnUpdate(wxView* sender, wxObject* hint) override;

    wxDataViewListCtrl* GetList() const { return m_list; }
    // The control shown; -1 for none.
    int GetShownControl() const;
    // The Field and Value texts of the rows shown.
    std::vector<std::pair<std::string, std::string>> GetRows() const;

    // Ends an edit of a row's value with text (what the in-place editor does); the list is built
    // again after the current event.
    void EndEdit(int row, const std::string& text);

private:
    CLytDoc* GetLytDocument() const;
    void Rebuild();
    void OnEditingDone(wxDataViewEvent& event);

    wxDataViewListCtrl* m_list = nullptr;

    wxDECLARE_DYNAMIC_CLASS(CLytListView);
};
