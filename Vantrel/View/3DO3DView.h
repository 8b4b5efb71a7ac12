#pragma once
// The third pane of a 3D-object window until the OpenGL pane takes its place: a plain window
// that keeps the hints it receives and repaints on Refresh (F5), enough for the other panes'
// routing to be seen.
#include <vector>

#include "Vantrel/Doc/3DOHint.h"
#include "Vantrel/Frame/VantrelView.h"

class C3DO3DView : public CVantrelView
{
public:
    struct Received
    {
        C3DOHint Hint;
        // Whether the hint came with a sender (a selection) or without (a change of content).
        bool FromPane = false;
    };

    wxWindow* CreatePane(wxWindow* parent) override;
    void OnUpdate(wxView* sender, wxObject* hint = nullptr) override;

    // The hints received, in order.
    const std::vector<Received>& GetReceived() const { return m_received; }
    // The node shown: the last hint's, -1 before any.
    int GetShownId() const { return m_shownId; }
    // How often Refresh was asked for.
    int GetRefreshCount() const { return m_refreshCount; }

private:
    void OnRefresh();

    wxWindow* m_window = nullptr;
    std::vector<Received> m_received;
    int m_shownId = -1;
    int m_refreshCount = 0;

    wxDECLARE_DYNAMIC_CLASS(C3DO3DView);
};
