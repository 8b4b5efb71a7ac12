#pragma once
// The view of the hexadecimal dump in its own document window: the template's menu, the dump's
// keys (Home, End, PgUp, PgDn) and the dump window.
#include <vector>

#include <wx/docview.h>

class CBinCanvas;
class wxMenu;

class CBinView : public wxView
{
public:
    bool OnCreate(wxDocument* document, long flags) override;
    void OnDraw(wxDC* dc) override;
    void OnUpdate(wxView* sender, wxObject* hint = nullptr) override;
    bool OnClose(bool deleteWindow = true) override;

    CBinCanvas* GetCanvas() const { return m_canvas; }

private:
    void OnCommand(wxCommandEvent& event);
    void ForgetMenus();

    CBinCanvas* m_canvas = nullptr;
    std::vector<wxMenu*> m_mruMenus;

    wxDECLARE_DYNAMIC_CLASS(CBinView);
};
