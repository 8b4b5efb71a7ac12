#pragma once
// A command and its update-UI, bound together. The frames disable every menu item that no
// handler on their route answers, so a command that is bound here is enabled exactly while its
// handler is on the route (its view, document or frame is there); an update function may still
// disable it or set its check mark.
//
//   BindCommand(*this, ID_REFRESH, [this](wxCommandEvent&) { Refresh(); });
//   BindCommand(*this, ID_VIEW_3D, [this](wxCommandEvent&) { m_3d = !m_3d; },
//               [this](wxUpdateUIEvent& event) { event.Check(m_3d); });
//   BindCommandRange(*this, ID_INSERT_FIRST, ID_INSERT_LAST, [this](wxCommandEvent& event) { Insert(event.GetId()); });
#include <wx/event.h>

template <class Command>
void BindCommandRange(wxEvtHandler& target, int first, int last, Command command)
{
    target.Bind(wxEVT_MENU, command, first, last);
    target.Bind(wxEVT_UPDATE_UI, [](wxUpdateUIEvent& event) { event.Enable(true); }, first, last);
}

template <class Command, class Update>
void BindCommandRange(wxEvtHandler& target, int first, int last, Command command, Update update)
{
    target.Bind(wxEVT_MENU, command, first, last);
    target.Bind(
        wxEVT_UPDATE_UI,
        [update](wxUpdateUIEvent& event) {
            event.Enable(true);
            update(event);
        },
        first, last);
}

// The command runs command(wxCommandEvent&); its item is enabled.
template <class Command>
void BindCommand(wxEvtHandler& target, int id, Command command)
{
    BindCommandRange(target, id, id, command);
}

// The command runs command(wxCommandEvent&); update(wxUpdateUIEvent&) sees the item enabled
// and may disable it, check it or change its text.
template <class Command, class Update>
void BindCommand(wxEvtHandler& target, int id, Command command, Update update)
{
    BindCommandRange(target, id, id, command, update);
}
