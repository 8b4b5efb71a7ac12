#pragma once
// The view of the hexadecimal dump: the dump window as its pane, and the dump's keys (Home,
// End, PgUp, PgDn: accelerator table 132, joined to its frame's).
#include "Vantrel/Frame/VantrelView.h"

class CBinCanvas;

class CBinView : public CVantrelView
{
public:
    ~CBinView() override;

    wxWindow* CreatePane(wxWindow* parent) override;
    void OnInitialUpdate() override;
    void OnUpdate(wxView* sender, wxObject* hint = nullptr) override;
    int GetAcceleratorId() const override { return 132; }

    CBinCanvas* GetCanvas() const { return m_canvas; }

private:
    void OnCommand(wxCommandEvent& event);

    CBinCanvas* m_canvas = nullptr;

    wxDECLARE_DYNAMIC_CLASS(CBinView);
};
