#include "Vantrel/Dialogs/EditBoolDlg.h"

#include <wx/checkbox.h>
#include <wx/sizer.h>
#include <wx/textctrl.h>
#include <wx/valgen.h>

#include "Vantrel/Dialogs/TextValidator.h"

CEditBoolDlg::CEditBoolDlg(wxWindow* parent) : CValueDialog(parent, "Edit Boolean")
{
    wxFlexGridSizer* grid = NewGrid(2);
    AddLabel(grid, "Value Name");
    wxTextCtrl* caption = AddCaption(grid, CaptionId, CTextValidator(&Caption));
    grid->AddSpacer(0);
    auto* value = new wxCheckBox(this, ValueId, "Value Data", wxDefaultPosition, wxDefaultSize, 0,
                                 wxGenericValidator(&Value));
    grid->Add(value, 0, wxALL, 4);
    Exchange(value);
    Exchange(caption);
    Finish(grid);
}
