// Figures of the 3D-object window on the generator's document-sized object (label perf):
// printed, not asserted. The object: about 100,000 records under handle "scene", a list of
// 10,000 polygons under handle "wide" and a polygon of 20,000 vertices under handle "big".
// Targets: open, first fill and first paint under 1 s; expanding an item of 10,000 children
// under 0.5 s; selecting the polygon of 20,000 vertices lists it under 1 s.
#include <gtest/gtest.h>

#include <chrono>
#include <cstdio>
#include <map>

#include <wx/app.h>

#include "TdoSupport.h"
#include "Vantrel/App/VantrelDocManager.h"

using namespace GuiTest;
using namespace TdoTest;

namespace
{
// Counts the paints of a window and of the windows inside it.
class PaintCounter
{
public:
    void Watch(wxWindow* window)
    {
        window->Bind(wxEVT_PAINT, [this](wxPaintEvent& event) {
            ++Paints;
            event.Skip();
        });
        for (wxWindow* child : window->GetChildren())
            Watch(child);
    }
    int Paints = 0;
};

double Since(std::chrono::steady_clock::time_point start)
{
    return std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
}

// Handles events until every counter has moved past its mark; false after 10 s.
bool UntilPainted(const std::vector<std::pair<PaintCounter*, int>>& marks)
{
    const auto start = std::chrono::steady_clock::now();
    for (;;)
    {
        bool all = true;
        for (const auto& [counter, mark] : marks)
            all = all && counter->Paints > mark;
        if (all)
            return true;
        if (Since(start) > 10000)
            return false;
        wxTheApp->ProcessPendingEvents();
        wxTheApp->Yield(true);
    }
}

const char* Verdict(double milliseconds, double target)
{
    return milliseconds < target ? "under" : "OVER";
}
} // namespace

TEST(PerfTdo, DocumentSizedObject)
{
    VelmoTest::TempFolder folder;
    const std::string path = folder.MakeFolder("gpl") + "/document.3do";
    ASSERT_TRUE(TdoTest::Run(Python() + Generator("GPL/gpl3do.py") + " document '" + path + "'"));

    // Open, first fill and first paint of all three panes.
    const auto start = std::chrono::steady_clock::now();
    wxDocument* document = Manager().CreateDocument(wxString::FromUTF8(path), wxDOC_SILENT);
    const double created = Since(start);
    Panes panes(document);
    ASSERT_TRUE(panes.IsOk());
    PaintCounter tree, fields, view3D;
    tree.Watch(panes.Tree->GetPane());
    fields.Watch(panes.Fields->GetPane());
    view3D.Watch(panes.View3D->GetPane());
    ASSERT_TRUE(UntilPainted({{&tree, 0}, {&fields, 0}, {&view3D, 0}}));
    const double opened = Since(start);
    std::printf("open, first fill and first paint: %.1f ms (%s 1000 ms; the open and fill alone %.1f ms)\n", opened,
                Verdict(opened, 1000), created);

    wxTreeCtrl& control = *panes.Tree->GetTree();
    const wxTreeItemId root = RootItem(control);
    control.Expand(root);
    Pump();
    std::map<std::string, wxTreeItemId> handles;
    wxTreeItemIdValue cookie;
    for (wxTreeItemId item = control.GetFirstChild(root, cookie); item.IsOk(); item = control.GetNextChild(root, cookie))
        handles[control.GetItemText(item).utf8_string()] = item;
    ASSERT_EQ(handles.count("wide"), 1u);
    ASSERT_EQ(handles.count("big"), 1u);

    // Expanding the handle of the list of 10,000 makes the list's 10,000 items; expanding the
    // list shows them.
    const auto expand = [&](const wxTreeItemId& item) {
        const int mark = tree.Paints;
        const auto begin = std::chrono::steady_clock::now();
        control.Expand(item);
        EXPECT_TRUE(UntilPainted({{&tree, mark}}));
        return Since(begin);
    };
    const double handle = expand(handles["wide"]);
    const wxTreeItemId list = Child(control, handles["wide"], 0);
    const std::size_t children = control.GetChildrenCount(list, false);
    const double shown = expand(list);
    std::printf("expanding the handle over the list of %zu (its items made): %.1f ms (%s 500 ms)\n", children, handle,
                Verdict(handle, 500));
    std::printf("expanding the list of %zu: %.1f ms (%s 500 ms)\n", children, shown, Verdict(shown, 500));

    // Selecting the polygon of 20,000 vertices lists its rows.
    control.Expand(handles["big"]);
    Pump();
    const wxTreeItemId big = Child(control, handles["big"], 0);
    const int mark = fields.Paints;
    const auto begin = std::chrono::steady_clock::now();
    control.SelectItem(big);
    EXPECT_TRUE(UntilPainted({{&fields, mark}}));
    const double listed = Since(begin);
    std::printf("selecting the polygon of 20,000 vertices: %d rows listed and painted in %.1f ms (%s 1000 ms)\n",
                panes.Fields->GetList()->GetRowCount(), listed, Verdict(listed, 1000));
    CloseAll();
}
