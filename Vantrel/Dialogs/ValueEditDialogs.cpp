#include "Vantrel/Dialogs/ValueEditDialogs.h"

#include <wx/app.h>
#include <wx/msgdlg.h>

#include "Papy/Model/Colour.h"
#include "Vantrel/Dialogs/DialogIds.h"
#include "Vantrel/Dialogs/EditBoolDlg.h"
#include "Vantrel/Dialogs/EditColourDlg.h"
#include "Vantrel/Dialogs/EditFloatDlg.h"
#include "Vantrel/Dialogs/EditIntDlg.h"
#include "Vantrel/Dialogs/EditStringDlg.h"
#include "Vantrel/Dialogs/EditVertexDlg.h"
#include "Vantrel/Visitors/CodePage1252.h"

namespace
{
wxString Title()
{
    return wxTheApp != nullptr ? wxTheApp->GetAppDisplayName() : wxString("Vantrel");
}
} // namespace

bool CValueEditDialogs::EditFloat(const std::string& caption, double& value)
{
    CEditFloatDlg dialog(m_parent);
    dialog.Caption = caption;
    dialog.Value = value;
    if (dialog.DoModal() != DialogId::Ok)
        return false;
    value = dialog.Value;
    return true;
}

bool CValueEditDialogs::EditInt(const std::string& caption, int& value, int minimum, int maximum)
{
    CEditIntDlg dialog(m_parent, minimum, maximum);
    dialog.Caption = caption;
    dialog.Value = value;
    if (dialog.DoModal() != DialogId::Ok)
        return false;
    value = dialog.Value;
    return true;
}

bool CValueEditDialogs::EditString(const std::string& caption, std::string& value, int maxLength)
{
    CEditStringDlg dialog(m_parent);
    dialog.Caption = caption;
    dialog.Value = value;
    dialog.MaxLength = maxLength;
    if (dialog.DoModal() != DialogId::Ok)
        return false;
    value = dialog.Value;
    return true;
}

bool CValueEditDialogs::EditBool(const std::string& caption, bool& value)
{
    CEditBoolDlg dialog(m_parent);
    dialog.Caption = caption;
    dialog.Value = value;
    if (dialog.DoModal() != DialogId::Ok)
        return false;
    value = dialog.Value;
    return true;
}

bool CValueEditDialogs::EditColour(const std::string& caption, Velmo::Papy::Colour& value)
{
    CEditColourDlg dialog(m_parent);
    dialog.Caption = caption;
    dialog.Red = value.GetRed();
    dialog.Green = value.GetGreen();
    dialog.Blue = value.GetBlue();
    dialog.Alpha = value.GetAlpha();
    if (dialog.DoModal() != DialogId::Ok)
        return false;
    value = Velmo::Papy::Colour(dialog.Red, dialog.Green, dialog.Blue, dialog.Alpha);
    return true;
}

bool CValueEditDialogs::EditVertex(const std::string& caption, double& x, double& y, double& z, bool noZ)
{
    CEditVertexDlg dialog(m_parent);
    dialog.Caption = caption;
    dialog.X = x;
    dialog.Y = y;
    dialog.Z = z;
    dialog.NoZ = noZ ? 1 : 0;
    if (dialog.DoModal() != DialogId::Ok)
        return false;
    x = dialog.X;
    y = dialog.Y;
    z = dialog.Z;
    return true;
}

bool CValueEditDialogs::AskOkCancel(const std::string& text)
{
    return wxMessageBox(wxString::FromUTF8(CodePage1252::ToUtf8(text)), Title(), wxOK | wxCANCEL | wxICON_QUESTION,
                        m_parent) == wxOK;
}

void CValueEditDialogs::ShowMessage(const std::string& text)
{
    wxMessageBox(wxString::FromUTF8(CodePage1252::ToUtf8(text)), Title(), wxOK, m_parent);
}
