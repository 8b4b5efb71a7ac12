#pragma once
// The base of the small modal dialogs: the controls are built in code with their fixed ids, the
// values travel through validators in a fixed exchange order, and OK (id 1) or Cancel (id 2)
// closes the dialog. On OK every field is checked in exchange order first: the first refused
// field shows its message and keeps the dialog open; only when all are accepted are the members
// written. Cancel writes nothing.
#include <vector>

#include <wx/dialog.h>

class wxFlexGridSizer;
class wxSizer;
class wxStaticText;
class wxTextCtrl;
class wxValidator;

class CValueDialog : public wxDialog
{
public:
    // Runs the dialog: DialogId::Ok after OK (the members hold what was entered), else
    // DialogId::Cancel (the members as they were).
    int DoModal();

    bool Validate() override;
    bool TransferDataToWindow() override;
    bool TransferDataFromWindow() override;

protected:
    CValueDialog(wxWindow* parent, const wxString& title);

    wxStaticText* AddLabel(wxSizer* sizer, const wxString& text);
    // A text field; exchanged in the order of the Exchange calls.
    wxTextCtrl* AddText(wxSizer* sizer, int id, const wxValidator& validator, long style = 0);
    // The field that shows the Caption: read only, as changing it would change nothing.
    wxTextCtrl* AddCaption(wxSizer* sizer, int id, const wxValidator& validator);
    void Exchange(wxWindow* control) { m_exchange.push_back(control); }
    // A grid of label and field pairs.
    static wxFlexGridSizer* NewGrid(int columns);
    // Puts the contents above the buttons (OK and Cancel, or one button of id 1 with the given
    // label) and fits the dialog.
    void Finish(wxSizer* contents, bool withCancel = true, const wxString& okLabel = "OK");

private:
    std::vector<wxWindow*> m_exchange;
};
