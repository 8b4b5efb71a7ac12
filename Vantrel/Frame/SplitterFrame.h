#pragma once
// A document window of N panes side by side (one row), each pane a view of the document; the
// 3D-object, track, replay and layout windows are subclasses that list their panes (see
// DocChildFrame.h for how a document plugs one in). The panes' starting widths are set once
// the window has its first size (the last pane takes what is left); the user may move the
// sashes. Everything else (menus, the route of commands, activation, closing) is the frame's.
#include <functional>
#include <vector>

#include <wx/splitter.h>

#include "Vantrel/Frame/DocChildFrame.h"
#include "Vantrel/Frame/VantrelView.h"

class CSplitterFrame : public CDocChildFrame
{
public:
    struct Pane
    {
        std::function<CVantrelView*()> Make;  // a new view of the pane
        int Width = 0;                        // starting width in pixels

        // A pane of a view class (wxDECLARE_DYNAMIC_CLASS) or of a view made by a function.
        Pane(wxClassInfo* viewClass, int width);
        Pane(std::function<CVantrelView*()> make, int width);
        template <class ViewT>
        static Pane Of(int width)
        {
            return Pane([] { return static_cast<CVantrelView*>(new ViewT); }, width);
        }
    };

    explicit CSplitterFrame(std::vector<Pane> panes);

    std::size_t GetPaneCount() const { return m_panes.size(); }
    // The splitter windows: the i-th holds pane i on its left and the rest on its right.
    const std::vector<wxSplitterWindow*>& GetSplitters() const { return m_splitters; }
    // Whether the starting widths have been set (after the first size event).
    bool HasWidths() const { return m_widthsSet; }

protected:
    bool CreatePanes(wxClassInfo* viewClass) override;

private:
    void OnSize(wxSizeEvent& event);

    std::vector<Pane> m_panes;
    std::vector<wxSplitterWindow*> m_splitters;
    bool m_widthsSet = false;

    wxDECLARE_ABSTRACT_CLASS(CSplitterFrame);
};
