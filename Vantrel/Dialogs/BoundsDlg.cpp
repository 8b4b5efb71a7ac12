#include "Vantrel/Dialogs/BoundsDlg.h"

#include <wx/sizer.h>
#include <wx/textctrl.h>

#include "Vantrel/Dialogs/DoubleValidator.h"

CBoundsDlg::CBoundsDlg(wxWindow* parent) : CValueDialog(parent, "Bounds")
{
    wxFlexGridSizer* grid = NewGrid(3);
    const struct
    {
        const char* label;
        int minimumId, maximumId;
        double *minimum, *maximum;
    } rows[] = {
        {"X", MinXId, MaxXId, &MinX, &MaxX},
        {"Y", MinYId, MaxYId, &MinY, &MaxY},
        {"Z", MinZId, MaxZId, &MinZ, &MaxZ},
    };
    wxTextCtrl* minimums[3];
    wxTextCtrl* maximums[3];
    for (int r = 0; r < 3; ++r)
    {
        AddLabel(grid, rows[r].label);
        minimums[r] = AddText(grid, rows[r].minimumId, CDoubleValidator(rows[r].minimum), wxTE_READONLY);
        maximums[r] = AddText(grid, rows[r].maximumId, CDoubleValidator(rows[r].maximum), wxTE_READONLY);
    }
    // The maximums first, then the minimums.
    for (wxTextCtrl* text : maximums)
        Exchange(text);
    for (wxTextCtrl* text : minimums)
        Exchange(text);
    Finish(grid, false, "Close");
}
