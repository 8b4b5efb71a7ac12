#include "Vantrel/Dialogs/FindIdDlg.h"

#include <wx/sizer.h>
#include <wx/textctrl.h>

#include "Vantrel/Dialogs/IntValidator.h"

CFindIdDlg::CFindIdDlg(wxWindow* parent) : CValueDialog(parent, "Find Id")
{
    wxFlexGridSizer* grid = NewGrid(2);
    AddLabel(grid, "Id");
    Exchange(AddText(grid, IdId, CIntValidator(&Id)));
    Finish(grid);
}
