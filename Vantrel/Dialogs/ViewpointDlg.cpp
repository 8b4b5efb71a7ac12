#include "Vantrel/Dialogs/ViewpointDlg.h"

#include <wx/combobox.h>
#include <wx/sizer.h>
#include <wx/stattext.h>
#include <wx/textctrl.h>
#include <wx/valgen.h>

#include "Vantrel/Dialogs/DoubleValidator.h"

CViewpointDlg::CViewpointDlg(wxWindow* parent) : CValueDialog(parent, "Viewpoint")
{
    auto* contents = new wxBoxSizer(wxVERTICAL);

    // The rows X, Y and Z under the columns From and To.
    wxFlexGridSizer* points = NewGrid(3);
    points->AddSpacer(0);
    AddLabel(points, "From");
    AddLabel(points, "To");
    const struct
    {
        const char* label;
        int fromId, toId;
        double *from, *to;
    } rows[] = {
        {"X", FromXId, ToXId, &FromX, &ToX},
        {"Y", FromYId, ToYId, &FromY, &ToY},
        {"Z", FromZId, ToZId, &FromZ, &ToZ},
    };
    wxTextCtrl* froms[3];
    wxTextCtrl* tos[3];
    for (int r = 0; r < 3; ++r)
    {
        AddLabel(points, rows[r].label);
        froms[r] = AddText(points, rows[r].fromId, CDoubleValidator(rows[r].from), wxTE_READONLY);
        tos[r] = AddText(points, rows[r].toId, CDoubleValidator(rows[r].to), wxTE_READONLY);
    }
    contents->Add(points, 0, wxEXPAND);

    wxFlexGridSizer* vertical = NewGrid(2);
    AddLabel(vertical, "Vertical");
    wxArrayString names;
    for (const char* name : VerticalNames)
        names.Add(name);
    auto* box = new wxComboBox(this, VerticalId, wxString(), wxDefaultPosition, wxDefaultSize, names,
                               wxCB_READONLY, wxGenericValidator(&Vertical));
    vertical->Add(box, 1, wxEXPAND | wxALL, 4);
    contents->Add(vertical, 0, wxEXPAND);

    // "Near" and "Far" under "Clip".
    auto* clip = new wxStaticBoxSizer(wxVERTICAL, this, "Clip");
    wxFlexGridSizer* planes = NewGrid(2);
    AddLabel(planes, "Near");
    wxTextCtrl* nearText = AddText(planes, NearId, CDoubleValidator(&Near), wxTE_READONLY);
    AddLabel(planes, "Far");
    wxTextCtrl* farText = AddText(planes, FarId, CDoubleValidator(&Far), wxTE_READONLY);
    clip->Add(planes, 1, wxEXPAND);
    contents->Add(clip, 0, wxEXPAND | wxTOP, 4);

    Exchange(nearText);
    for (wxTextCtrl* text : froms)
        Exchange(text);
    for (wxTextCtrl* text : tos)
        Exchange(text);
    Exchange(box);
    Exchange(farText);
    Finish(contents);
}
