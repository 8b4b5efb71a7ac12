#include "Vantrel/Frame/DocChildFrame.h"

#include <algorithm>

#include <wx/app.h>
#include <wx/docview.h>
#include <wx/filehistory.h>
#include <wx/menu.h>

#include "Vantrel/Frame/MenuTables.h"
#include "Vantrel/Frame/VantrelView.h"
#include "Vantrel/Frame/WindowIcons.h"

wxIMPLEMENT_DYNAMIC_CLASS(CDocChildFrame, wxMDIChildFrame);

CDocChildFrame::CDocChildFrame() = default;

CDocChildFrame::~CDocChildFrame()
{
    // A frame destroyed with views still in it takes them along, so that no view outlives its
    // window (the last one takes the document).
    m_closing = true;
    ForgetMenus();
    const std::vector<CVantrelView*> views = m_views;
    for (CVantrelView* view : views)
        delete view;
}

wxView* CDocChildFrame::Make(wxClassInfo* frameClass, wxDocument* document, int templateId, wxClassInfo* viewClass)
{
    auto* parent = dynamic_cast<wxMDIParentFrame*>(wxTheApp != nullptr ? wxTheApp->GetTopWindow() : nullptr);
    if (parent == nullptr || document == nullptr)
        return nullptr;
    wxObject* object = (frameClass != nullptr ? frameClass : wxCLASSINFO(CDocChildFrame))->CreateObject();
    auto* frame = dynamic_cast<CDocChildFrame*>(object);
    if (frame == nullptr)
    {
        delete object;
        return nullptr;
    }
    if (!frame->Build(parent, document, templateId, viewClass))
    {
        frame->Abandon();
        return nullptr;
    }
    return frame->m_views.front();
}

bool CDocChildFrame::Build(wxMDIParentFrame* parent, wxDocument* document, int templateId, wxClassInfo* viewClass)
{
    m_document = document;
    m_templateId = templateId;
    if (!Create(parent, wxID_ANY, document->GetUserReadableName(), wxDefaultPosition, wxSize(700, 500)))
        return false;
    if (wxMenuBar* bar = CMenuTables::CreateMenuBar(templateId, m_mruMenus))
        SetMenuBar(bar);
    if (const wxIcon icon = GetWindowIcon(templateId); icon.IsOk())
        SetIcon(icon);
    if (wxDocManager* manager = document->GetDocumentManager(); manager != nullptr && manager->GetFileHistory() != nullptr)
        for (wxMenu* menu : m_mruMenus)
        {
            manager->FileHistoryUseMenu(menu);
            manager->FileHistoryAddFilesToMenu(menu);
        }
    Bind(wxEVT_CLOSE_WINDOW, &CDocChildFrame::OnCloseWindow, this);
    Bind(wxEVT_CHILD_FOCUS, &CDocChildFrame::OnChildFocus, this);
    Bind(wxEVT_ACTIVATE, &CDocChildFrame::OnActivate, this);
    Bind(wxEVT_IDLE, &CDocChildFrame::OnIdle, this);

    if (!CreatePanes(viewClass) || m_views.empty())
        return false;
    std::vector<int> accelerators = {templateId};
    for (CVantrelView* view : m_views)
        if (view->GetAcceleratorId() != 0)
            accelerators.push_back(view->GetAcceleratorId());
    SetAcceleratorTable(CMenuTables::CreateAccelerators(accelerators));

    Show(true);
    Layout();
    const std::vector<CVantrelView*> views = m_views;
    for (CVantrelView* view : views)
        view->OnInitialUpdate();
    if (m_views.empty())
        return true;
    ActivatePane(0);
    m_views.front()->GetPane()->SetFocus();
    UpdateMenus();
    return true;
}

void CDocChildFrame::Abandon()
{
    // The views made so far stay with the document: whoever asked for the frame deletes them
    // (and the document with the last).
    m_closing = true;
    for (CVantrelView* view : m_views)
    {
        view->m_childFrame = nullptr;
        view->m_pane = nullptr;
        view->SetFrame(nullptr);
    }
    m_views.clear();
    m_document = nullptr;
    ForgetMenus();
#if defined(__WXGTK__)
    // The toolkit's main window brings the page inserted last to the front on its next idle turn
    // and attaches the menus of the page in front then, which, with this page gone, is one whose
    // menus are attached already (a failed assertion).
    if (wxMDIParentFrame* parent = GetMDIParent(); parent != nullptr)
        parent->m_justInserted = false;
#endif
    if (GetHandle() != nullptr)
        Destroy();
    else
        delete this;
}

bool CDocChildFrame::CreatePanes(wxClassInfo* viewClass)
{
    wxObject* object = viewClass != nullptr ? viewClass->CreateObject() : nullptr;
    auto* view = dynamic_cast<CVantrelView*>(object);
    if (view == nullptr)
    {
        delete object;
        return false;
    }
    return AddPane(view, this);
}

bool CDocChildFrame::AddPane(CVantrelView* view, wxWindow* parent)
{
    if (view == nullptr)
        return false;
    view->SetDocument(m_document);
    view->m_childFrame = this;
    view->SetFrame(this);
    m_views.push_back(view);
    wxWindow* pane = view->CreatePane(parent);
    if (pane == nullptr)
        return false;
    view->m_pane = pane;
    return view->OnCreate(m_document, 0);
}

void CDocChildFrame::UpdateMenus()
{
    if (wxMenuBar* bar = GetMenuBar())
        for (std::size_t i = 0; i < bar->GetMenuCount(); ++i)
            bar->GetMenu(i)->UpdateUI(GetEventHandler());
}

CVantrelView* CDocChildFrame::GetActiveView() const
{
    return m_active < m_views.size() ? m_views[m_active] : nullptr;
}

void CDocChildFrame::ActivatePane(std::size_t index)
{
    if (index >= m_views.size())
        return;
    m_active = index;
    m_views[index]->Activate(true);
}

bool CDocChildFrame::RouteCommand(wxEvent& event)
{
    if (m_document == nullptr)
        return false;
    CVantrelView* active = GetActiveView();
    if (active != nullptr && active->ProcessEventLocally(event))
        return true;
    for (wxList::compatibility_iterator node = m_document->GetViews().GetFirst(); node; node = node->GetNext())
    {
        auto* view = static_cast<wxView*>(node->GetData());
        if (view != active && view->ProcessEventLocally(event))
            return true;
    }
    if (m_document->ProcessEventLocally(event))
        return true;
    wxDocManager* manager = m_document->GetDocumentManager();
    return manager != nullptr && manager->ProcessEventLocally(event);
}

bool CDocChildFrame::TryBefore(wxEvent& event)
{
    const wxEventType type = event.GetEventType();
    if ((type == wxEVT_MENU || type == wxEVT_UPDATE_UI) && !m_closing && RouteCommand(event))
        return true;
    return wxMDIChildFrame::TryBefore(event);
}

bool CDocChildFrame::TryAfter(wxEvent& event)
{
    if (wxMDIChildFrame::TryAfter(event))
        return true;
    return DisableUnanswered(event);
}

bool DisableUnanswered(wxEvent& event)
{
    // A menu item that nobody answered: its command would reach no handler.
    if (event.GetEventType() != wxEVT_UPDATE_UI)
        return false;
    auto* menu = dynamic_cast<wxMenu*>(event.GetEventObject());
    wxMenuItem* item = menu != nullptr ? menu->FindItem(event.GetId()) : nullptr;
    if (item == nullptr || item->IsSubMenu())
        return false;
    static_cast<wxUpdateUIEvent&>(event).Enable(false);
    return true;
}

void CDocChildFrame::ForgetView(CVantrelView* view)
{
    auto found = std::find(m_views.begin(), m_views.end(), view);
    if (found == m_views.end())
        return;
    const std::size_t index = std::size_t(found - m_views.begin());
    m_views.erase(found);
    view->m_childFrame = nullptr;
    view->m_pane = nullptr;
    if (index < m_active || m_active >= m_views.size())
        m_active = m_active > 0 ? m_active - 1 : 0;
    if (m_views.empty() && !m_closing)
    {
        // The document was closed without the window (the manager deleted its views).
        m_closing = true;
        m_document = nullptr;
        ForgetMenus();
        // No Hide(): inside the main window this frame is a page of the toolkit's notebook, not
        // a window of its own; Destroy takes the page away.
        Destroy();
    }
}

void CDocChildFrame::ForgetMenus()
{
    wxDocManager* manager = wxDocManager::GetDocumentManager();
    if (manager != nullptr && manager->GetFileHistory() != nullptr)
        for (wxMenu* menu : m_mruMenus)
            manager->FileHistoryRemoveMenu(menu);
    m_mruMenus.clear();
}

void CDocChildFrame::OnCloseWindow(wxCloseEvent& event)
{
    if (m_closing)
    {
        event.Skip();
        return;
    }
    // The document is asked once, and only when these are its last views.
    bool last = m_document != nullptr;
    for (wxList::compatibility_iterator node = last ? m_document->GetViews().GetFirst() : nullptr; node;
         node = node->GetNext())
        if (std::find(m_views.begin(), m_views.end(), static_cast<wxView*>(node->GetData())) == m_views.end())
            last = false;
    if (last && !m_document->Close() && event.CanVeto())
    {
        event.Veto();
        return;
    }
    m_closing = true;
    ForgetMenus();
    const std::vector<CVantrelView*> views = m_views;
    for (CVantrelView* view : views)
        delete view;
    m_views.clear();
    m_document = nullptr;
    Destroy();
}

void CDocChildFrame::OnChildFocus(wxChildFocusEvent& event)
{
    event.Skip();
    for (wxWindow* window = event.GetWindow(); window != nullptr && window != this; window = window->GetParent())
        for (std::size_t i = 0; i < m_views.size(); ++i)
            if (m_views[i]->GetPane() == window)
            {
                ActivatePane(i);
                return;
            }
}

void CDocChildFrame::OnIdle(wxIdleEvent& event)
{
    event.Skip();
    // The main window shows the active document window's menu bar in place of its own at idle
    // time, over more than one pass (a new window's page is made current in the first). Without
    // input nothing asks for the next pass, and the bar of menu 128 would stay until the user
    // clicks: ask for passes until this window's bar is shown (a few at most).
    wxMenuBar* bar = GetMenuBar();
    wxMDIParentFrame* parent = GetMDIParent();
    if (m_closing || bar == nullptr || parent == nullptr || parent->GetActiveChild() != this || bar->IsShown())
    {
        m_menuPasses = 0;
        return;
    }
    if (m_menuPasses < MaxMenuPasses)
    {
        ++m_menuPasses;
        event.RequestMore();
    }
}

void CDocChildFrame::OnActivate(wxActivateEvent& event)
{
    event.Skip();
    if (!m_closing && GetActiveView() != nullptr)
        GetActiveView()->Activate(event.GetActive());
}
