#include "Vantrel/Dialogs/EditIntDlg.h"

#include <wx/sizer.h>
#include <wx/textctrl.h>

#include "Vantrel/Dialogs/IntValidator.h"
#include "Vantrel/Dialogs/TextValidator.h"

CEditIntDlg::CEditIntDlg(wxWindow* parent, int minimum, int maximum) : CValueDialog(parent, "Edit Integer")
{
    wxFlexGridSizer* grid = NewGrid(2);
    AddLabel(grid, "Value Name");
    Exchange(AddCaption(grid, CaptionId, CTextValidator(&Caption)));
    AddLabel(grid, "Value Data");
    Exchange(AddText(grid, ValueId, CIntValidator(&Value, minimum, maximum)));
    Finish(grid);
}
