#include "Vantrel/Dialogs/FieldValidator.h"

#include <wx/app.h>
#include <wx/msgdlg.h>
#include <wx/textctrl.h>

#include "Vantrel/Text/CodePage1252.h"

wxTextCtrl* CFieldValidator::GetTextControl() const
{
    return dynamic_cast<wxTextCtrl*>(GetWindow());
}

void CFieldValidator::ShowMessage(wxWindow* parent, const std::string& message)
{
    const wxString caption = wxTheApp != nullptr ? wxTheApp->GetAppDisplayName() : wxString("Vantrel");
    wxMessageBox(wxString::FromUTF8(CodePage1252::Shown(message)), caption, wxOK | wxICON_EXCLAMATION, parent);
}

bool CFieldValidator::Validate(wxWindow* parent)
{
    wxTextCtrl* text = GetTextControl();
    if (text == nullptr || !text->IsEnabled())
        return true;
    const std::string message = Read(text->GetValue().utf8_string(), false);
    if (message.empty())
        return true;
    text->SetFocus();
    ShowMessage(parent, message);
    // The message box took the focus while it was open: back to the offending field.
    text->SetFocus();
    text->SelectAll();
    return false;
}

bool CFieldValidator::TransferToWindow()
{
    wxTextCtrl* text = GetTextControl();
    if (text == nullptr)
        return false;
    m_shown = Write();
    m_hasShown = true;
    text->ChangeValue(wxString::FromUTF8(m_shown));
    return true;
}

bool CFieldValidator::TransferFromWindow()
{
    wxTextCtrl* text = GetTextControl();
    if (text == nullptr)
        return false;
    if (!text->IsEnabled())
        return true;
    const std::string typed = text->GetValue().utf8_string();
    // Left as shown: the member keeps the value that the text only rounds.
    if (m_hasShown && typed == m_shown)
        return true;
    return Read(typed, true).empty();
}
