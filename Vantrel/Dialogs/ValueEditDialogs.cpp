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
#include "Vantrel/Text/CodePage1252.h"

namespace
{
wxString Title()
{
    return wxTheApp != nullptr ? wxTheApp->GetAppDisplayName() : wxString("Vantrel");
}

// Runs a value dialog, filled beforehand, under the caption; on OK take reads its fields back.
template <class Dialog, class Take>
bool Run(Dialog& dialog, const std::string& caption, Take take)
{
    dialog.Caption = caption;
    if (dialog.DoModal() != DialogId::Ok)
        return false;
    take(dialog);
    return true;
}

// A dialog of one field, Value.
template <class Dialog, class Value>
bool RunValue(Dialog& dialog, const std::string& caption, Value& value)
{
    dialog.Value = value;
    return Run(dialog, caption, [&](const Dialog& done) { value = done.Value; });
}
} // namespace

bool CValueEditDialogs::EditFloat(const std::string& caption, double& value)
{
    CEditFloatDlg dialog(m_parent);
    return RunValue(dialog, caption, value);
}

bool CValueEditDialogs::EditInt(const std::string& caption, int& value, int minimum, int maximum)
{
    CEditIntDlg dialog(m_parent, minimum, maximum);
    return RunValue(dialog, caption, value);
}

bool CValueEditDialogs::EditString(const std::string& caption, std::string& value, int maxLength)
{
    CEditStringDlg dialog(m_parent);
    dialog.MaxLength = maxLength;
    return RunValue(dialog, caption, value);
}

bool CValueEditDialogs::EditBool(const std::string& caption, bool& value)
{
    CEditBoolDlg dialog(m_parent);
    return RunValue(dialog, caption, value);
}

bool CValueEditDialogs::EditColour(const std::string& caption, Velmo::Papy::Colour& value)
{
    CEditColourDlg dialog(m_parent);
    dialog.Red = value.GetRed();
    dialog.Green = value.GetGreen();
    dialog.Blue = value.GetBlue();
    dialog.Alpha = value.GetAlpha();
    return Run(dialog, caption, [&](const CEditColourDlg& done) {
        value = Velmo::Papy::Colour(done.Red, done.Green, done.Blue, done.Alpha);
    });
}

bool CValueEditDialogs::EditVertex(const std::string& caption, double& x, double& y, double& z, bool noZ)
{
    CEditVertexDlg dialog(m_parent);
    dialog.X = x;
    dialog.Y = y;
    dialog.Z = z;
    dialog.NoZ = noZ ? 1 : 0;
    return Run(dialog, caption, [&](const CEditVertexDlg& done) {
        x = done.X;
        y = done.Y;
        z = done.Z;
    });
}

bool CValueEditDialogs::AskOkCancel(const std::string& text)
{
    return wxMessageBox(wxString::FromUTF8(CodePage1252::Shown(text)), Title(), wxOK | wxCANCEL | wxICON_QUESTION,
                        m_parent) == wxOK;
}

void CValueEditDialogs::ShowMessage(const std::string& text)
{
    wxMessageBox(wxString::FromUTF8(CodePage1252::Shown(text)), Title(), wxOK, m_parent);
}
