#pragma once
// The base of every view: one pane of a document window (CDocChildFrame). The frame makes the
// view, asks it for its pane window, gives every pane its initial update once all exist, and
// offers it menu and update-UI events (see DocChildFrame.h for the order). A view answers a
// command by binding it on itself with BindCommand (CommandBinding.h):
//
//   class CFooView : public CVantrelView
//   {
//   public:
//       wxWindow* CreatePane(wxWindow* parent) override
//       {
//           m_list = new wxListCtrl(parent, wxID_ANY, ...);
//           BindCommand(*this, ID_REFRESH, [this](wxCommandEvent&) { Fill(); });
//           return m_list;
//       }
//       void OnUpdate(wxView* sender, wxObject* hint) override { Fill(); }
//       ...
//       wxDECLARE_DYNAMIC_CLASS(CFooView);
//   };
//
// The view owns nothing of the frame: its pane window belongs to the frame and goes with it.
// Closing never asks the document through a view: the frame (or the document manager) asks it
// once, then deletes each view once.
#include <wx/docview.h>

class CDocChildFrame;

class CVantrelView : public wxView
{
public:
    ~CVantrelView() override;

    // Makes the pane's window as a child of parent; called once by the frame, after the view
    // has its document. Null when the window cannot be made (the document does not open).
    virtual wxWindow* CreatePane(wxWindow* parent) = 0;
    // Called once for every pane when all panes exist; the default is OnUpdate(nullptr, nullptr).
    virtual void OnInitialUpdate();
    // The accelerator table of the pane's own keys (the hexadecimal dump's 132), joined to the
    // frame's; 0 for none.
    virtual int GetAcceleratorId() const { return 0; }

    // Panes paint themselves.
    void OnDraw(wxDC* dc) override;
    // True: the frame or the document manager has asked the document already.
    bool OnClose(bool deleteWindow) override;

    wxWindow* GetPane() const { return m_pane; }
    CDocChildFrame* GetChildFrame() const { return m_childFrame; }

protected:
    // The frame offers the document its events itself, after every pane; the framework's view
    // would offer them to the document first.
    bool TryBefore(wxEvent& event) override;

private:
    friend class CDocChildFrame;
    wxWindow* m_pane = nullptr;
    CDocChildFrame* m_childFrame = nullptr;

    wxDECLARE_ABSTRACT_CLASS(CVantrelView);
};
