#pragma once
// The main window: the document windows inside it, menu 128 while none is open, a status bar of
// four fields (text, caps lock, num lock, scroll lock) and the accelerators that are always
// active (Ctrl+N, Ctrl+O, Ctrl+P, Ctrl+S). It is the last stop of every menu's events (the
// document windows' menus are shown in it): a menu item whose update-UI no handler answered on
// the way is disabled. Once documents have closed, its idle turns give their memory back
// (CMemoryReturn).
#include <vector>

#include <wx/docmdi.h>

#include "Vantrel/App/MemoryReturn.h"

class CMainFrame : public wxDocMDIParentFrame
{
public:
    explicit CMainFrame(wxDocManager* manager);
    ~CMainFrame() override;

protected:
    bool TryAfter(wxEvent& event) override;

private:
    void OnNothing(wxCommandEvent& event);
    void OnStatusBar(wxCommandEvent& event);
    void OnUpdateStatusBar(wxUpdateUIEvent& event);
    void OnCascade(wxCommandEvent& event);
    void OnTile(wxCommandEvent& event);
    void OnIdle(wxIdleEvent& event);

    wxDocManager* m_manager;
    std::vector<wxMenu*> m_mruMenus;
    CMemoryReturn m_memoryReturn;
};
