#pragma once
// The pane of a camera document: every camera of the file as read-only text in a fixed-pitch
// font of 10 points, built once when the pane is first shown. A file without cameras (or a
// document without a file) shows an empty pane.
#include "Vantrel/Frame/VantrelView.h"

class wxTextCtrl;

class CCamView : public CVantrelView
{
public:
    wxWindow* CreatePane(wxWindow* parent) override;
    void OnInitialUpdate() override;
    void OnUpdate(wxView*, wxObject*) override {}

    wxTextCtrl* GetText() const { return m_text; }

private:
    wxTextCtrl* m_text = nullptr;

    wxDECLARE_DYNAMIC_CLASS(CCamView);
};
