#include "Vantrel/Dialogs/ValueDialog.h"

#include <wx/button.h>
#include <wx/sizer.h>
#include <wx/stattext.h>
#include <wx/textctrl.h>
#include <wx/validate.h>

#include "Vantrel/Dialogs/DialogIds.h"

CValueDialog::CValueDialog(wxWindow* parent, const wxString& title)
    : wxDialog(parent, wxID_ANY, title, wxDefaultPosition, wxDefaultSize, wxDEFAULT_DIALOG_STYLE)
{
}

int CValueDialog::DoModal()
{
    return ShowModal() == DialogId::Ok ? DialogId::Ok : DialogId::Cancel;
}

bool CValueDialog::Validate()
{
    for (wxWindow* control : m_exchange)
        if (wxValidator* validator = control->GetValidator(); validator != nullptr && !validator->Validate(this))
            return false;
    return true;
}

bool CValueDialog::TransferDataToWindow()
{
    for (wxWindow* control : m_exchange)
        if (wxValidator* validator = control->GetValidator(); validator != nullptr && !validator->TransferToWindow())
            return false;
    return true;
}

bool CValueDialog::TransferDataFromWindow()
{
    for (wxWindow* control : m_exchange)
        if (wxValidator* validator = control->GetValidator(); validator != nullptr && !validator->TransferFromWindow())
            return false;
    return true;
}

wxStaticText* CValueDialog::AddLabel(wxSizer* sizer, const wxString& text)
{
    auto* label = new wxStaticText(this, wxID_STATIC, text);
    sizer->Add(label, 0, wxALIGN_CENTER_VERTICAL | wxALL, 4);
    return label;
}

wxTextCtrl* CValueDialog::AddText(wxSizer* sizer, int id, const wxValidator& validator, long style)
{
    auto* text = new wxTextCtrl(this, id, wxString(), wxDefaultPosition, wxSize(160, -1), style, validator);
    sizer->Add(text, 1, wxEXPAND | wxALL, 4);
    return text;
}

wxTextCtrl* CValueDialog::AddCaption(wxSizer* sizer, int id, const wxValidator& validator)
{
    return AddText(sizer, id, validator, wxTE_READONLY);
}

wxFlexGridSizer* CValueDialog::NewGrid(int columns)
{
    auto* grid = new wxFlexGridSizer(columns, 0, 0);
    for (int c = 1; c < columns; ++c)
        grid->AddGrowableCol(c);
    return grid;
}

void CValueDialog::Finish(wxSizer* contents, bool withCancel, const wxString& okLabel)
{
    auto* buttons = new wxBoxSizer(wxHORIZONTAL);
    buttons->AddStretchSpacer();
    auto* ok = new wxButton(this, DialogId::Ok, okLabel);
    ok->SetDefault();
    buttons->Add(ok, 0, wxALL, 4);
    if (withCancel)
        buttons->Add(new wxButton(this, DialogId::Cancel, "Cancel"), 0, wxALL, 4);
    SetAffirmativeId(DialogId::Ok);
    SetEscapeId(withCancel ? DialogId::Cancel : DialogId::Ok);

    auto* top = new wxBoxSizer(wxVERTICAL);
    top->Add(contents, 1, wxEXPAND | wxALL, 8);
    top->Add(buttons, 0, wxEXPAND | wxLEFT | wxRIGHT | wxBOTTOM, 8);
    SetSizerAndFit(top);
    CentreOnParent();
}
