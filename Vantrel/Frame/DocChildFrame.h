#pragma once
// The document windows. Every document is shown in a CDocChildFrame (one pane) or a
// CSplitterFrame (N panes side by side); the frame is made by the document's template.
//
// A document with one view: its template names CDocChildFrame as the frame and the view class
// (a CVantrelView) as the view, in GetClasses (Vantrel/App/VantrelApp.cpp):
//
//   case 137: document = wxCLASSINFO(CCamDoc); frame = wxCLASSINFO(CDocChildFrame); view = wxCLASSINFO(CCamView);
//
// A document with N panes: a CSplitterFrame subclass lists its panes (view class or factory,
// and the pane's starting width), and the template names it as the frame (the view class given
// with it is the first pane's, for the record; the splitter makes all panes itself):
//
//   class C3DOSplitterFrame : public CSplitterFrame
//   {
//   public:
//       C3DOSplitterFrame()
//           : CSplitterFrame({Pane::Of<C3DOTreeView>(192), Pane::Of<C3DOInstructionView>(192), Pane::Of<C3DO3DView>(192)}) {}
//       wxDECLARE_DYNAMIC_CLASS(C3DOSplitterFrame);
//   };
//   wxIMPLEMENT_DYNAMIC_CLASS(C3DOSplitterFrame, CSplitterFrame);
//
//   case 130: document = wxCLASSINFO(C3DODoc); frame = wxCLASSINFO(C3DOSplitterFrame); view = wxCLASSINFO(C3DOTreeView);
//
// What the frame does for its document:
// - the menu bar, accelerators and recent-file submenu of its template id (the template id's
//   menu and accelerator tables of MenuTables, joined with the accelerators its panes ask for),
//   shown in the main window as soon as the frame is the active one, with no input needed;
//   the recent-file submenus leave the file history when the frame closes;
// - its panes' views are made, given their windows, then each gets its initial update once;
//   the first pane has the focus; the view of the pane that has the focus is the active view;
// - a menu or update-UI event is offered to the active pane's view, then the document's other
//   views, the document and the document manager; what none of them answers goes on to the
//   frame itself, the main window and the application, and a menu item whose update-UI nobody
//   answered is disabled (bind commands with BindCommand, CommandBinding.h; the main window,
//   where the toolkit delivers the document windows' menu events last, disables them too,
//   through DisableUnanswered);
// - closing the window asks the document once (the framework's "save changes" question when it
//   is modified and these are its last views), then deletes each view once; the last view
//   takes the document with it. A document closed by the manager deletes the views, and the
//   frame goes with its last view.
#include <vector>

#include <wx/mdi.h>

class CVantrelView;
class wxDocument;
class wxView;

// For the last window an update-UI event reaches: a menu item's event that nobody answered
// disables the item (true then); any other event is left alone (false).
bool DisableUnanswered(wxEvent& event);

class CDocChildFrame : public wxMDIChildFrame
{
public:
    CDocChildFrame();
    ~CDocChildFrame() override;

    // Makes the window of a document: a frame of frameClass (CDocChildFrame or a subclass; null
    // means CDocChildFrame) inside the application's main window, with the menus of templateId
    // and its panes (viewClass is the one-pane frame's view). Returns the first pane's view, or
    // null when the main window, the frame or a pane could not be made: the frame is gone then,
    // and views already made stay with the document for the caller to delete.
    static wxView* Make(wxClassInfo* frameClass, wxDocument* document, int templateId, wxClassInfo* viewClass);

    wxDocument* GetDocument() const { return m_document; }
    int GetTemplateId() const { return m_templateId; }
    // The views of the panes, left to right.
    const std::vector<CVantrelView*>& GetViews() const { return m_views; }
    // The view of the pane that has (or last had) the focus.
    CVantrelView* GetActiveView() const;

    // Offers a menu or update-UI event along the route above (views, document, manager); true
    // when one of them answered.
    bool RouteCommand(wxEvent& event);

    // Enables, disables and checks the items of the frame's menu bar through update-UI.
    void UpdateMenus();

    // A view that is being deleted leaves the frame; the frame goes with its last view.
    void ForgetView(CVantrelView* view);

protected:
    // Makes the panes; the base makes one view of viewClass that fills the frame.
    virtual bool CreatePanes(wxClassInfo* viewClass);
    // Gives a new view its document and its pane window (a child of parent); false when the
    // view or its window could not be made (the view stays with the document).
    bool AddPane(CVantrelView* view, wxWindow* parent);

    bool TryBefore(wxEvent& event) override;
    bool TryAfter(wxEvent& event) override;

private:
    bool Build(wxMDIParentFrame* parent, wxDocument* document, int templateId, wxClassInfo* viewClass);
    void Abandon();
    void ForgetMenus();
    void ActivatePane(std::size_t index);
    void OnCloseWindow(wxCloseEvent& event);
    void OnChildFocus(wxChildFocusEvent& event);
    void OnActivate(wxActivateEvent& event);
    void OnIdle(wxIdleEvent& event);

    wxDocument* m_document = nullptr;
    int m_templateId = 0;
    std::vector<CVantrelView*> m_views;
    std::size_t m_active = 0;
    std::vector<wxMenu*> m_mruMenus;
    bool m_closing = false;
    // Idle passes asked for while the window is active and its menu bar not yet shown.
    int m_menuPasses = 0;
    static constexpr int MaxMenuPasses = 8;

    wxDECLARE_DYNAMIC_CLASS(CDocChildFrame);
};
