#pragma once
// The message box of a report of many lines (the 3D pane's problems, Check's list): the first
// lines and how many more (ReportLines::Shorten), the whole text behind Details in a read-only
// text that the user may scroll, select and copy, and OK. The box fits the screen it is shown
// on, with Details open or closed, and OK is always on it. Enter and Escape close it.
#include <string>

#include <wx/dialog.h>

class wxCollapsiblePane;
class wxCollapsiblePaneEvent;
class wxTextCtrl;

class CReportDlg : public wxDialog
{
public:
    // The text is UTF-8, as the user reads it.
    CReportDlg(wxWindow* parent, const wxString& caption, const std::string& text);

    // Shows the report modally over the application's main window.
    static void Show(const wxString& caption, const std::string& text);

    wxCollapsiblePane* GetDetails() const { return m_details; }
    wxTextCtrl* GetText() const { return m_text; }

private:
    void OnDetails(wxCollapsiblePaneEvent& event);
    void FitScreen();

    wxCollapsiblePane* m_details = nullptr;
    wxTextCtrl* m_text = nullptr;
};
