#include "Vantrel/App/MainFrame.h"

#include <wx/menu.h>
#include <wx/statusbr.h>
#include <wx/utils.h>

#include "Vantrel/App/TemplateTable.h"
#include "Vantrel/Frame/CommandBinding.h"
#include "Vantrel/Frame/CommandIds.h"
#include "Vantrel/Frame/DocChildFrame.h"
#include "Vantrel/Frame/MenuTables.h"
#include "Vantrel/Frame/WindowIcons.h"

CMainFrame::CMainFrame(wxDocManager* manager)
    : wxDocMDIParentFrame(manager, nullptr, wxID_ANY, "Vantrel", wxDefaultPosition, wxSize(1000, 750)),
      m_manager(manager), m_memoryReturn(*manager)
{
    SetMenuBar(CMenuTables::CreateMenuBar(CTemplateTable::MainFrameId, m_mruMenus));
    SetIcon(GetWindowIcon(CTemplateTable::MainFrameId));
    for (wxMenu* menu : m_mruMenus)
    {
        manager->FileHistoryUseMenu(menu);
        manager->FileHistoryAddFilesToMenu(menu);
    }
    SetAcceleratorTable(CMenuTables::CreateAccelerators(CTemplateTable::MainFrameId));
    wxStatusBar* status = CreateStatusBar(4, wxSTB_DEFAULT_STYLE, ID_VIEW_STATUS_BAR);
    const int widths[] = {-1, 50, 50, 50};
    status->SetStatusWidths(4, widths);
    SetStatusText("Ready", 0);

    Bind(wxEVT_MENU, &CMainFrame::OnNothing, this, ID_FILE_PRINT);
    BindCommand(*this, ID_VIEW_STATUS_BAR, [this](wxCommandEvent& event) { OnStatusBar(event); },
                [this](wxUpdateUIEvent& event) { OnUpdateStatusBar(event); });
    BindCommand(*this, ID_WINDOW_CASCADE, [this](wxCommandEvent& event) { OnCascade(event); });
    BindCommand(*this, ID_WINDOW_TILE, [this](wxCommandEvent& event) { OnTile(event); });
    // Exit and the recent files are the framework's commands of this window.
    Bind(wxEVT_UPDATE_UI, [](wxUpdateUIEvent& event) { event.Enable(true); }, ID_APP_EXIT);
    Bind(wxEVT_UPDATE_UI, [](wxUpdateUIEvent& event) { event.Enable(true); }, wxID_FILE1, wxID_FILE9);
    Bind(wxEVT_IDLE, &CMainFrame::OnIdle, this);
}

CMainFrame::~CMainFrame()
{
    for (wxMenu* menu : m_mruMenus)
        m_manager->FileHistoryRemoveMenu(menu);
}

bool CMainFrame::TryAfter(wxEvent& event)
{
    if (wxDocMDIParentFrame::TryAfter(event))
        return true;
    return DisableUnanswered(event);
}

void CMainFrame::OnNothing(wxCommandEvent&)
{
}

void CMainFrame::OnStatusBar(wxCommandEvent&)
{
    if (GetStatusBar() != nullptr)
    {
        GetStatusBar()->Show(!GetStatusBar()->IsShown());
        PositionStatusBar();
        SendSizeEvent();
    }
}

void CMainFrame::OnUpdateStatusBar(wxUpdateUIEvent& event)
{
    event.Check(GetStatusBar() != nullptr && GetStatusBar()->IsShown());
}

void CMainFrame::OnCascade(wxCommandEvent&)
{
    Cascade();
}

void CMainFrame::OnTile(wxCommandEvent&)
{
    Tile();
}

void CMainFrame::OnIdle(wxIdleEvent& event)
{
    event.Skip();
    m_memoryReturn.OnIdle(event);
    wxStatusBar* status = GetStatusBar();
    if (status == nullptr)
        return;
    const struct
    {
        wxKeyCode key;
        const char* text;
    } locks[] = {{WXK_CAPITAL, "CAP"}, {WXK_NUMLOCK, "NUM"}, {WXK_SCROLL, "SCRL"}};
    for (int i = 0; i < 3; ++i)
    {
        const wxString text = wxGetKeyState(locks[i].key) ? locks[i].text : "";
        if (status->GetStatusText(i + 1) != text)
            status->SetStatusText(text, i + 1);
    }
}
