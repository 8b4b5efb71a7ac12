#include "Vantrel/View/3DO3DView.h"

#include <wx/window.h>

#include "Vantrel/Frame/CommandBinding.h"
#include "Vantrel/Frame/CommandIds.h"

wxIMPLEMENT_DYNAMIC_CLASS(C3DO3DView, CVantrelView);

wxWindow* C3DO3DView::CreatePane(wxWindow* parent)
{
    m_window = new wxWindow(parent, wxID_ANY);
    m_window->SetBackgroundColour(*wxBLACK);
    BindCommand(*this, ID_REFRESH, [this](wxCommandEvent&) { OnRefresh(); });
    return m_window;
}

void C3DO3DView::OnUpdate(wxView* sender, wxObject* hint)
{
    const auto* tdoHint = dynamic_cast<const C3DOHint*>(hint);
    if (tdoHint == nullptr)
        return;
    m_received.push_back({*tdoHint, sender != nullptr});
    m_shownId = tdoHint->NodeId;
    if (m_window != nullptr)
        m_window->Refresh(false);
}

void C3DO3DView::OnRefresh()
{
    ++m_refreshCount;
    if (m_window != nullptr)
        m_window->Refresh(false);
}
