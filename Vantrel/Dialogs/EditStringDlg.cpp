#include "Vantrel/Dialogs/EditStringDlg.h"

#include <algorithm>

#include <wx/sizer.h>
#include <wx/textctrl.h>

#include "Vantrel/Dialogs/TextValidator.h"
#include "Vantrel/Text/CodePage1252.h"

CEditStringDlg::CEditStringDlg(wxWindow* parent) : CValueDialog(parent, "Edit String")
{
    wxFlexGridSizer* grid = NewGrid(2);
    AddLabel(grid, "Value Name");
    wxTextCtrl* caption = AddCaption(grid, CaptionId, CTextValidator(&Caption));
    AddLabel(grid, "Value Data");
    m_value = AddText(grid, ValueId, CTextValidator(&Value));
    Exchange(m_value);
    Exchange(caption);
    Bind(wxEVT_TEXT, &CEditStringDlg::OnChange, this, ValueId);
    Finish(grid);
}

void CEditStringDlg::OnChange(wxCommandEvent&)
{
    Restrict();
}

void CEditStringDlg::Restrict()
{
    const std::size_t limit = MaxLength < 0 ? 0 : std::size_t(MaxLength);
    const wxString text = m_value->GetValue();
    wxString kept;
    std::size_t length = 0;
    for (wxUniChar c : text)
    {
        if (length == limit)
            break;
        if (!CodePage1252::IsRepresentable(char32_t(c.GetValue())))
            continue;
        kept += c;
        ++length;
    }
    if (kept == text)
        return;
    const long position = m_value->GetInsertionPoint();
    // Changing the value from inside its own change event sends no further event.
    m_value->ChangeValue(kept);
    m_value->SetInsertionPoint(std::min<long>(position, long(kept.length())));
}
