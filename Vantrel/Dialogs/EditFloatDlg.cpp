#include "Vantrel/Dialogs/EditFloatDlg.h"

#include <wx/sizer.h>
#include <wx/textctrl.h>

#include "Vantrel/Dialogs/DoubleValidator.h"
#include "Vantrel/Dialogs/TextValidator.h"

CEditFloatDlg::CEditFloatDlg(wxWindow* parent) : CValueDialog(parent, "Edit Float")
{
    wxFlexGridSizer* grid = NewGrid(2);
    AddLabel(grid, "Value Name");
    Exchange(AddCaption(grid, CaptionId, CTextValidator(&Caption)));
    AddLabel(grid, "Value Data");
    Exchange(AddText(grid, ValueId, CDoubleValidator(&Value)));
    Finish(grid);
}
