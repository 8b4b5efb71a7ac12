#include "Vantrel/Dialogs/EditColourDlg.h"

#include <wx/sizer.h>
#include <wx/textctrl.h>

#include "Vantrel/Dialogs/FloatValidator.h"
#include "Vantrel/Dialogs/TextValidator.h"

CEditColourDlg::CEditColourDlg(wxWindow* parent) : CValueDialog(parent, "Edit Colour")
{
    wxFlexGridSizer* grid = NewGrid(2);
    AddLabel(grid, "Value Name");
    wxTextCtrl* caption = AddCaption(grid, CaptionId, CTextValidator(&Caption));
    const struct
    {
        const char* label;
        int id;
        float* value;
    } components[] = {
        {"Red", RedId, &Red},
        {"Green", GreenId, &Green},
        {"Blue", BlueId, &Blue},
        {"Alpha", AlphaId, &Alpha},
    };
    for (const auto& c : components)
    {
        AddLabel(grid, c.label);
        Exchange(AddText(grid, c.id, CFloatValidator(c.value, 0.0f, 1.0f)));
    }
    Exchange(caption);
    Finish(grid);
}
