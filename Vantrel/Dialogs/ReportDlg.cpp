#include "Vantrel/Dialogs/ReportDlg.h"

#include <algorithm>

#include <wx/app.h>
#include <wx/artprov.h>
#include <wx/button.h>
#include <wx/collpane.h>
#include <wx/display.h>
#include <wx/sizer.h>
#include <wx/statbmp.h>
#include <wx/stattext.h>
#include <wx/textctrl.h>

#include "Vantrel/Text/ReportLines.h"

namespace
{
// The part of the screen that windows may take, on the screen of the window (the first one
// before it is placed).
wxRect WorkArea(const wxWindow* window)
{
    const int index = window != nullptr ? wxDisplay::GetFromWindow(window) : wxNOT_FOUND;
    return wxDisplay(index == wxNOT_FOUND ? 0u : unsigned(index)).GetClientArea();
}
} // namespace

CReportDlg::CReportDlg(wxWindow* parent, const wxString& caption, const std::string& text)
    : wxDialog(parent, wxID_ANY, caption, wxDefaultPosition, wxDefaultSize, wxDEFAULT_DIALOG_STYLE | wxRESIZE_BORDER)
{
    const wxRect area = WorkArea(parent);
    auto* top = new wxBoxSizer(wxVERTICAL);

    auto* message = new wxBoxSizer(wxHORIZONTAL);
    message->Add(new wxStaticBitmap(this, wxID_ANY, wxArtProvider::GetBitmap(wxART_INFORMATION, wxART_MESSAGE_BOX)),
                 0, wxALL, 10);
    auto* summary = new wxStaticText(this, wxID_ANY, wxString::FromUTF8(ReportLines::Shorten(text)));
    summary->Wrap(std::min(720, area.GetWidth() * 4 / 5));
    message->Add(summary, 1, wxALL, 10);
    top->Add(message, 0, wxEXPAND);

    m_details = new wxCollapsiblePane(this, wxID_ANY, "&Details", wxDefaultPosition, wxDefaultSize,
                                      wxCP_DEFAULT_STYLE | wxCP_NO_TLW_RESIZE);
    wxWindow* pane = m_details->GetPane();
    m_text = new wxTextCtrl(pane, wxID_ANY, wxString::FromUTF8(text), wxDefaultPosition, wxDefaultSize,
                            wxTE_MULTILINE | wxTE_READONLY | wxTE_DONTWRAP);
    m_text->SetMinSize(wxSize(std::min(720, area.GetWidth() * 4 / 5), 320));
    auto* paneSizer = new wxBoxSizer(wxVERTICAL);
    paneSizer->Add(m_text, 1, wxEXPAND);
    pane->SetSizer(paneSizer);
    top->Add(m_details, 1, wxEXPAND | wxLEFT | wxRIGHT, 10);

    top->Add(CreateSeparatedButtonSizer(wxOK), 0, wxEXPAND | wxALL, 10);
    SetSizer(top);
    SetEscapeId(wxID_OK);
    if (wxWindow* ok = FindWindow(wxID_OK))
        ok->SetFocus();
    m_details->Bind(wxEVT_COLLAPSIBLEPANE_CHANGED, &CReportDlg::OnDetails, this);
    FitScreen();
}

void CReportDlg::Show(const wxString& caption, const std::string& text)
{
    CReportDlg dialog(wxTheApp != nullptr ? wxTheApp->GetTopWindow() : nullptr, caption, text);
    dialog.ShowModal();
}

void CReportDlg::OnDetails(wxCollapsiblePaneEvent&)
{
    FitScreen();
}

void CReportDlg::FitScreen()
{
    const wxRect area = WorkArea(GetParent());
    // The text takes what the screen leaves of its height, up to 320 pixels.
    const int width = m_text->GetMinSize().GetWidth();
    m_text->SetMinSize(wxSize(width, 0));
    const int room = area.GetHeight() - GetSizer()->ComputeFittingWindowSize(this).GetHeight() - 20;
    m_text->SetMinSize(wxSize(width, std::clamp(room, 60, 320)));
    m_details->GetPane()->Layout();
    Layout();
    const wxSize best = GetSizer()->ComputeFittingWindowSize(this);
    const wxSize size(std::min(best.GetWidth(), area.GetWidth()), std::min(best.GetHeight(), area.GetHeight()));
    SetMinSize(wxDefaultSize);
    SetSize(size);
    SetMinSize(wxSize(std::min(size.GetWidth(), 320), std::min(size.GetHeight(), 200)));
    // Whole on the screen: within the work area, over the parent where it fits.
    CentreOnParent();
    wxRect rect = GetRect();
    rect.SetX(std::clamp(rect.GetX(), area.GetLeft(), std::max(area.GetLeft(), area.GetRight() + 1 - rect.GetWidth())));
    rect.SetY(std::clamp(rect.GetY(), area.GetTop(), std::max(area.GetTop(), area.GetBottom() + 1 - rect.GetHeight())));
    Move(rect.GetPosition());
    Layout();
}
