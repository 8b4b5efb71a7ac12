#include "Vantrel/Frame/SplitterFrame.h"

wxIMPLEMENT_ABSTRACT_CLASS(CSplitterFrame, CDocChildFrame);

CSplitterFrame::Pane::Pane(wxClassInfo* viewClass, int width)
    : Make([viewClass]() -> CVantrelView* {
          wxObject* object = viewClass != nullptr ? viewClass->CreateObject() : nullptr;
          auto* view = dynamic_cast<CVantrelView*>(object);
          if (view == nullptr)
              delete object;
          return view;
      }),
      Width(width)
{
}

CSplitterFrame::Pane::Pane(std::function<CVantrelView*()> make, int width) : Make(std::move(make)), Width(width)
{
}

CSplitterFrame::CSplitterFrame(std::vector<Pane> panes) : m_panes(std::move(panes))
{
}

bool CSplitterFrame::CreatePanes(wxClassInfo*)
{
    if (m_panes.empty())
        return false;
    // Pane i sits on the left of splitter i; the last pane on the right of the last splitter.
    wxWindow* parent = this;
    std::vector<wxWindow*> windows;
    for (std::size_t i = 0; i < m_panes.size(); ++i)
    {
        if (i + 1 < m_panes.size())
        {
            auto* splitter = new wxSplitterWindow(parent, wxID_ANY, wxDefaultPosition, wxDefaultSize,
                                                  wxSP_3D | wxSP_LIVE_UPDATE);
            m_splitters.push_back(splitter);
            parent = splitter;
        }
        if (!AddPane(m_panes[i].Make ? m_panes[i].Make() : nullptr, parent))
            return false;
        windows.push_back(GetViews().back()->GetPane());
    }
    for (std::size_t i = 0; i < m_splitters.size(); ++i)
    {
        wxWindow* right = i + 1 < m_splitters.size() ? static_cast<wxWindow*>(m_splitters[i + 1]) : windows.back();
        m_splitters[i]->SplitVertically(windows[i], right, m_panes[i].Width);
    }
    Bind(wxEVT_SIZE, &CSplitterFrame::OnSize, this);
    return true;
}

void CSplitterFrame::OnSize(wxSizeEvent& event)
{
    event.Skip();
    if (m_widthsSet || m_splitters.empty())
        return;
    const wxSize client = GetClientSize();
    if (client.GetWidth() <= 0 || client.GetHeight() <= 0)
        return;
    m_widthsSet = true;
    // Left to right: setting a sash sizes the splitter on its right, whose sash comes next.
    m_splitters.front()->SetSize(client);
    for (std::size_t i = 0; i < m_splitters.size(); ++i)
        m_splitters[i]->SetSashPosition(m_panes[i].Width);
}
