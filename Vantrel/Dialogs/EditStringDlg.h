#pragma once
// Edits a code-page 1252 text of at most MaxLength characters (set before DoModal; a negative
// length counts as 0). Every change of the field cuts it to MaxLength and drops characters that
// the code page lacks, so neither can be typed or pasted in. A text given longer than MaxLength
// is shown whole, and comes back whole unless it is changed.
#include <string>

#include "Vantrel/Dialogs/ValueDialog.h"

class wxCommandEvent;

class CEditStringDlg : public CValueDialog
{
public:
    static constexpr int ResourceId = 138;
    enum Control
    {
        CaptionId = 1000,
        ValueId = 1001,
    };

    explicit CEditStringDlg(wxWindow* parent = nullptr);

    std::string Value;
    std::string Caption;
    int MaxLength = 0;

private:
    void OnChange(wxCommandEvent& event);
    // The field's text within MaxLength and the code page.
    void Restrict();

    wxTextCtrl* m_value = nullptr;
};
