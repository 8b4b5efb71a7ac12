#pragma once
// The About box: the application's icon, its name and version, and an OK button.
#include <wx/dialog.h>

class CAboutDlg : public wxDialog
{
public:
    explicit CAboutDlg(wxWindow* parent);
};
