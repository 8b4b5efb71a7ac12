#include "Vantrel/Dialogs/EditVertexDlg.h"

#include <wx/sizer.h>
#include <wx/textctrl.h>

#include "Vantrel/Dialogs/DoubleValidator.h"
#include "Vantrel/Dialogs/TextValidator.h"

CEditVertexDlg::CEditVertexDlg(wxWindow* parent) : CValueDialog(parent, "Edit Vertex")
{
    wxFlexGridSizer* grid = NewGrid(2);
    AddLabel(grid, "Value Name");
    wxTextCtrl* caption = AddCaption(grid, CaptionId, CTextValidator(&Caption));
    AddLabel(grid, "X");
    Exchange(AddText(grid, XId, CDoubleValidator(&X)));
    AddLabel(grid, "Y");
    Exchange(AddText(grid, YId, CDoubleValidator(&Y)));
    AddLabel(grid, "Z");
    m_zEdit = AddText(grid, ZId, CDoubleValidator(&Z));
    Exchange(m_zEdit);
    Exchange(caption);
    Finish(grid);
}

bool CEditVertexDlg::TransferDataToWindow()
{
    // A disabled field is shown but not read back: Z stays as it was given.
    m_zEdit->Enable(NoZ == 0);
    return CValueDialog::TransferDataToWindow();
}
