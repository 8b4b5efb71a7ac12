#include "Vantrel/App/AboutDlg.h"

#include <wx/button.h>
#include <wx/sizer.h>
#include <wx/statbmp.h>
#include <wx/stattext.h>

#include "Vantrel/Frame/WindowIcons.h"

CAboutDlg::CAboutDlg(wxWindow* parent) : wxDialog(parent, wxID_ANY, "About Vantrel")
{
    auto* text = new wxBoxSizer(wxVERTICAL);
    text->Add(new wxStaticText(this, wxID_ANY, "Vantrel Version 3.0"), 0, wxBOTTOM, 6);
    text->Add(new wxStaticText(this, wxID_ANY, "Viewer and editor of racing-simulation game files"));
    auto* row = new wxBoxSizer(wxHORIZONTAL);
    row->Add(new wxStaticBitmap(this, wxID_ANY, wxBitmap(GetWindowIcon(128))), 0,
             wxRIGHT, 12);
    row->Add(text, 1);
    row->Add(new wxButton(this, wxID_OK, "OK"), 0, wxLEFT, 12);
    auto* outer = new wxBoxSizer(wxVERTICAL);
    outer->Add(row, 1, wxALL | wxEXPAND, 12);
    SetSizerAndFit(outer);
    CentreOnParent();
}
