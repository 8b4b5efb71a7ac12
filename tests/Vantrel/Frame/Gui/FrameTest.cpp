// The document windows with fake panes: a splitter of three panes under template 130's menus,
// the route of commands and their update-UI, activation by focus, the panes' widths and
// initial updates, and closing (one question, each view deleted once, nothing left).
#include <gtest/gtest.h>

#include <functional>
#include <map>
#include <string>
#include <vector>

#include <wx/evtloop.h>
#include <wx/filehistory.h>
#include <wx/menu.h>
#include <wx/msgdlg.h>
#include <wx/panel.h>
#include <wx/testing.h>
#include <wx/timer.h>
#include <wx/uiaction.h>
#include <wx/weakref.h>

#include "GuiKit.h"
#include "Support/TempFolder.h"
#include "Vantrel/App/FixedMultiDocTemplate.h"
#include "Vantrel/App/MainFrame.h"
#include "Vantrel/App/VantrelDocManager.h"
#include "Vantrel/Doc/VantrelDoc.h"
#include "Vantrel/Frame/CommandBinding.h"
#include "Vantrel/Frame/CommandIds.h"
#include "Vantrel/Frame/SplitterFrame.h"

using namespace GuiTest;

namespace
{
// What happened to the fake panes and documents, by pane name.
struct Log
{
    std::map<std::string, std::vector<int>> Commands;  // commands each pane (or "document") received
    std::map<std::string, int> InitialUpdates;
    std::map<std::string, std::size_t> PanesAtInitialUpdate;
    std::map<std::string, int> Deleted;
    int ViewsAlive = 0;
    int DocumentsAlive = 0;
    int Questions = 0;  // "save changes?" asked
    int Closings = 0;   // OnCloseDocument
};
Log g_log;
} // namespace

// A pane of a plain window that answers the given commands; ID_VIEW_3D also gets a check mark.
class CFakePane : public CVantrelView
{
public:
    CFakePane() : CFakePane("unnamed", {}) {}
    CFakePane(std::string name, std::vector<int> commands, bool makesWindow = true)
        : m_name(std::move(name)), m_commands(std::move(commands)), m_makesWindow(makesWindow)
    {
        ++g_log.ViewsAlive;
    }
    ~CFakePane() override
    {
        --g_log.ViewsAlive;
        ++g_log.Deleted[m_name];
    }

    wxWindow* CreatePane(wxWindow* parent) override
    {
        if (!m_makesWindow)
            return nullptr;
        for (int id : m_commands)
            BindCommand(
                *this, id, [this](wxCommandEvent& event) { g_log.Commands[m_name].push_back(event.GetId()); },
                [](wxUpdateUIEvent& event) {
                    if (event.GetId() == ID_VIEW_3D)
                        event.Check(true);
                });
        return new wxPanel(parent, wxID_ANY, wxDefaultPosition, wxDefaultSize, wxWANTS_CHARS);
    }
    void OnInitialUpdate() override
    {
        ++g_log.InitialUpdates[m_name];
        g_log.PanesAtInitialUpdate[m_name] = GetChildFrame()->GetViews().size();
    }

private:
    std::string m_name;
    std::vector<int> m_commands;
    bool m_makesWindow;
};

// Panes made from view classes.
class CTreePane : public CFakePane
{
public:
    CTreePane() : CFakePane("tree", {ID_FIND}) {}
    wxDECLARE_DYNAMIC_CLASS(CTreePane);
};
wxIMPLEMENT_DYNAMIC_CLASS(CTreePane, CVantrelView);

class CListPane : public CFakePane
{
public:
    CListPane() : CFakePane("list", {ID_VIEW_3D, ID_FIND}) {}
    wxDECLARE_DYNAMIC_CLASS(CListPane);
};
wxIMPLEMENT_DYNAMIC_CLASS(CListPane, CVantrelView);

// Tree, list and 3D pane, as the 3D-object window has them.
class CFakeSplitterFrame : public CSplitterFrame
{
public:
    CFakeSplitterFrame()
        : CSplitterFrame({Pane::Of<CTreePane>(150), Pane(wxCLASSINFO(CListPane), 120),
                          Pane([] { return new CFakePane("3d", {ID_REFRESH, ID_FIND}); }, 200)})
    {
    }
    wxDECLARE_DYNAMIC_CLASS(CFakeSplitterFrame);
};
wxIMPLEMENT_DYNAMIC_CLASS(CFakeSplitterFrame, CSplitterFrame);

// Its second pane cannot make its window.
class CFailingSplitterFrame : public CSplitterFrame
{
public:
    CFailingSplitterFrame()
        : CSplitterFrame({Pane([] { return new CFakePane("first", {}); }, 100),
                          Pane([] { return new CFakePane("broken", {}, false); }, 100),
                          Pane([] { return new CFakePane("never", {}); }, 100)})
    {
    }
    wxDECLARE_DYNAMIC_CLASS(CFailingSplitterFrame);
};
wxIMPLEMENT_DYNAMIC_CLASS(CFailingSplitterFrame, CSplitterFrame);

// A writable document that answers ID_BOUNDS and ID_VIEW_3D itself.
class CFakeDoc : public CVantrelDoc
{
public:
    CFakeDoc()
    {
        ++g_log.DocumentsAlive;
        for (int id : {ID_BOUNDS, ID_VIEW_3D})
            BindCommand(*this, id, [](wxCommandEvent& event) { g_log.Commands["document"].push_back(event.GetId()); });
    }
    ~CFakeDoc() override { --g_log.DocumentsAlive; }
    bool IsReadOnly() const override { return false; }
    bool OnSaveModified() override
    {
        if (IsModified())
            ++g_log.Questions;
        return CVantrelDoc::OnSaveModified();
    }
    bool OnCloseDocument() override
    {
        ++g_log.Closings;
        return CVantrelDoc::OnCloseDocument();
    }

protected:
    void Open(const std::string&) override {}

    wxDECLARE_DYNAMIC_CLASS(CFakeDoc);
};
wxIMPLEMENT_DYNAMIC_CLASS(CFakeDoc, CVantrelDoc);

namespace
{
// Template 130's menus and accelerators for ".fk3" files; ".fkx" files get the failing frame.
void AddTemplates()
{
    static const CTemplateTable::Entry splitter = {130, "\nUntitled\n\n\n.fk3\n\n"};
    static const CTemplateTable::Entry failing = {130, "\nUntitled\n\n\n.fkx\n\n"};
    static bool added = false;
    if (added)
        return;
    added = true;
    new CFixedMultiDocTemplate(&Manager(), splitter, wxCLASSINFO(CFakeDoc), wxCLASSINFO(CTreePane),
                               wxCLASSINFO(CFakeSplitterFrame));
    new CFixedMultiDocTemplate(&Manager(), failing, wxCLASSINFO(CFakeDoc), wxCLASSINFO(CTreePane),
                               wxCLASSINFO(CFailingSplitterFrame));
}

std::size_t MdiChildren()
{
    std::size_t count = 0;
    for (wxWindow* child : Frame().GetClientWindow()->GetChildren())
        if (dynamic_cast<CDocChildFrame*>(child) != nullptr && !child->IsBeingDeleted())
            ++count;
    return count;
}

class FrameTest : public testing::Test
{
protected:
    void SetUp() override
    {
        AddTemplates();
        g_log = Log();
        m_children = MdiChildren();
        m_document = Open(m_folder.Write("object.fk3", "fake"));
        ASSERT_NE(m_document, nullptr);
        m_frame = dynamic_cast<CSplitterFrame*>(m_document->GetFirstView()->GetFrame());
        ASSERT_NE(m_frame.get(), nullptr);
        ASSERT_EQ(m_frame->GetViews().size(), 3u);
    }
    void TearDown() override
    {
        if (m_frame)
            m_document->Modify(false);
        CloseAll();
        EXPECT_TRUE(PumpUntil([this] { return MdiChildren() == m_children; }));
    }

    CVantrelView* Pane(std::size_t index) const { return m_frame->GetViews()[index]; }
    wxMenuBar* Bar() const { return m_frame->GetMenuBar(); }
    // The frame is gone and so is everything it held.
    void ExpectNothingLeft()
    {
        EXPECT_TRUE(PumpUntil([this] { return !m_frame && MdiChildren() == m_children; }));
        EXPECT_EQ(g_log.ViewsAlive, 0);
        EXPECT_EQ(g_log.DocumentsAlive, 0);
        EXPECT_EQ(g_log.Deleted, (std::map<std::string, int>{{"tree", 1}, {"list", 1}, {"3d", 1}}));
        EXPECT_EQ(DocumentCount(), 0);
        EXPECT_EQ(g_log.Closings, 1);
    }

    VelmoTest::TempFolder m_folder;
    CVantrelDoc* m_document = nullptr;
    wxWeakRef<CSplitterFrame> m_frame;
    std::size_t m_children = 0;
};
} // namespace

// A command handled only by pane 2 reaches it while pane 0 has the focus, and its item is
// enabled; an item nobody answers is disabled.
TEST_F(FrameTest, CommandsAndTheirItemsFollowTheRoute)
{
    EXPECT_EQ(m_frame->GetActiveView(), Pane(0));
    EXPECT_EQ(Manager().GetCurrentView(), Pane(0));
    m_frame->UpdateMenus();
    const struct
    {
        int id;
        bool enabled;
    } items[] = {{ID_REFRESH, true},      {ID_VIEW_3D, true},  {ID_FIND, true},       {ID_BOUNDS, true},
                 {ID_FILE_OPEN, true},    {ID_FILE_CLOSE, true}, {ID_STRICT, true},   {ID_APP_EXIT, true},
                 {ID_VIEW_STATUS_BAR, true}, {ID_CHECK, false}, {ID_VIEW_CENTER, false}, {ID_DRAW_ALL, false},
                 {ID_TEXTURE_WALLS, false}, {ID_VIEWPOINT, false}};
    for (const auto& item : items)
        EXPECT_EQ(Bar()->IsEnabled(item.id), item.enabled) << item.id;
    EXPECT_TRUE(Bar()->IsChecked(ID_VIEW_3D));

    const struct
    {
        int id;
        const char* receiver;
    } commands[] = {{ID_REFRESH, "3d"}, {ID_VIEW_3D, "list"}, {ID_FIND, "tree"}, {ID_BOUNDS, "document"}};
    for (const auto& command : commands)
    {
        g_log.Commands.clear();
        Command(command.id);
        EXPECT_EQ(g_log.Commands, (std::map<std::string, std::vector<int>>{{command.receiver, {command.id}}}))
            << command.id;
    }
}

// The pane that gets the focus activates its view, which is offered commands first.
TEST_F(FrameTest, FocusedPaneIsOfferedCommandsFirst)
{
    for (std::size_t index : {2u, 1u, 0u})
    {
        Pane(index)->GetPane()->SetFocus();
        ASSERT_TRUE(PumpUntil([&] { return m_frame->GetActiveView() == Pane(index); })) << index;
        EXPECT_EQ(Manager().GetCurrentView(), Pane(index));
        g_log.Commands.clear();
        Command(ID_FIND);
        const char* names[] = {"tree", "list", "3d"};
        EXPECT_EQ(g_log.Commands, (std::map<std::string, std::vector<int>>{{names[index], {ID_FIND}}})) << index;
    }
}

// Accelerator table 130: F5 pressed in the tree pane reaches the 3D pane (F4 and F3 too: Check is
// answered by nobody, Find by the focused tree).
TEST_F(FrameTest, KeysOfTable130ReachTheirPanes)
{
    Pane(0)->GetPane()->SetFocus();
    ASSERT_TRUE(PumpUntil([this] { return Pane(0)->GetPane()->HasFocus(); }));
    wxUIActionSimulator keys;
    keys.Char(WXK_F5);
    EXPECT_TRUE(PumpUntil([] { return g_log.Commands["3d"] == std::vector<int>{ID_REFRESH}; }));
    keys.Char(WXK_F3);
    EXPECT_TRUE(PumpUntil([] { return g_log.Commands["tree"] == std::vector<int>{ID_FIND}; }));
    keys.Char(WXK_F4);
    Pump();
    EXPECT_EQ(g_log.Commands.size(), 2u);
}

// Every pane gets one initial update, when all panes exist; the widths are set once the window
// has its size; the window carries menu 130 and a recent-file submenu while it lives.
TEST_F(FrameTest, PanesWidthsAndMenus)
{
    for (const char* name : {"tree", "list", "3d"})
    {
        EXPECT_EQ(g_log.InitialUpdates[name], 1) << name;
        EXPECT_EQ(g_log.PanesAtInitialUpdate[name], 3u) << name;
    }
    ASSERT_TRUE(PumpUntil([this] { return m_frame->HasWidths(); }));
    EXPECT_EQ(Pane(0)->GetPane()->GetSize().GetWidth(), 150);
    EXPECT_EQ(Pane(1)->GetPane()->GetSize().GetWidth(), 120);
    EXPECT_GT(Pane(2)->GetPane()->GetSize().GetWidth(), 0);
    EXPECT_EQ(m_frame->GetTemplateId(), 130);
    std::vector<std::string> titles;
    for (std::size_t i = 0; i < Bar()->GetMenuCount(); ++i)
        titles.push_back(Bar()->GetMenuLabel(i).utf8_string());
    EXPECT_EQ(titles, (std::vector<std::string>{"&File", "&View", "&Draw", "&Texture", "&Window", "&Help"}));

    // The recent files: the window's submenu is one of the history's menus until it closes.
    wxFileHistory& history = *Manager().GetFileHistory();
    const std::size_t menus = history.GetMenus().GetCount();
    const int id = Bar()->FindMenuItem("&File", "Recent File");
    ASSERT_NE(id, wxNOT_FOUND);
    wxMenu* recent = Bar()->FindItem(id)->GetSubMenu();
    ASSERT_NE(recent, nullptr);
    EXPECT_TRUE(history.GetMenus().Member(recent));
    m_frame->Close();
    EXPECT_TRUE(PumpUntil([this] { return !m_frame; }));
    EXPECT_EQ(history.GetMenus().GetCount(), menus - 1);
}

// Closing the window of a modified document asks once; answered No, each view is deleted once,
// the document with the last, and the window goes.
TEST_F(FrameTest, ClosingAsksOnceAndLeavesNothing)
{
    m_document->Modify(true);
    wxTEST_DIALOG(m_frame->Close(), wxExpectModal<wxMessageDialog>(wxID_NO));
    EXPECT_EQ(g_log.Questions, 1);
    ExpectNothingLeft();
}

// Cancel keeps the window, its panes and the document as they were.
TEST_F(FrameTest, CancelledCloseKeepsEverything)
{
    m_document->Modify(true);
    wxTEST_DIALOG(m_frame->Close(), wxExpectModal<wxMessageDialog>(wxID_CANCEL));
    Pump();
    ASSERT_TRUE(m_frame);
    EXPECT_EQ(m_frame->GetViews().size(), 3u);
    EXPECT_EQ(g_log.ViewsAlive, 3);
    EXPECT_EQ(g_log.DocumentsAlive, 1);
    EXPECT_EQ(g_log.Closings, 0);
    EXPECT_TRUE(m_document->IsModified());
}

// File Close closes the document through the manager: the views go once each, and the window
// with its last view.
TEST_F(FrameTest, FileCloseTakesTheWindow)
{
    Command(ID_FILE_CLOSE);
    ExpectNothingLeft();
}

// A pane that cannot make its window: the open fails and leaves no view, document or window.
TEST(FrameFailure, PaneWithoutWindowLeavesNothing)
{
    AddTemplates();
    g_log = Log();
    const std::size_t children = MdiChildren();
    VelmoTest::TempFolder folder;
    EXPECT_EQ(Open(folder.Write("object.fkx", "fake")), nullptr);
    EXPECT_TRUE(PumpUntil([children] { return MdiChildren() == children; }));
    EXPECT_EQ(g_log.ViewsAlive, 0);
    EXPECT_EQ(g_log.DocumentsAlive, 0);
    EXPECT_EQ(g_log.Deleted, (std::map<std::string, int>{{"first", 1}, {"broken", 1}}));
    EXPECT_EQ(DocumentCount(), 0);
}

namespace
{
// Runs the toolkit's own loop with no input until the condition holds (looked at every few
// milliseconds), or for at most 10 s: what a user who only waits sees. (The kit's Pump asks for
// idle passes itself, which would hide what waits for one.) Whether the condition held.
bool WaitWithoutInput(const std::function<bool()>& condition)
{
    if (condition())
        return true;
    const wxLongLong end = wxGetLocalTimeMillis() + 10000;
    bool held = false;
    wxGUIEventLoop loop;
    wxTimer timer;
    timer.Bind(wxEVT_TIMER, [&](wxTimerEvent&) {
        held = condition();
        if (held || wxGetLocalTimeMillis() >= end)
            loop.Exit();
    });
    timer.Start(5);
    loop.Run();
    return held;
}

std::vector<std::string> Titles(wxMenuBar* bar)
{
    std::vector<std::string> titles;
    for (std::size_t i = 0; bar != nullptr && i < bar->GetMenuCount(); ++i)
        titles.push_back(bar->GetMenuLabel(i).utf8_string());
    return titles;
}
} // namespace

// The first document window shows its own menus (menu 130: Draw and Texture among them) in
// place of menu 128 as soon as it opens, with no click; menu 128 is back when it closes.
TEST(FrameMenus, TheFirstDocumentShowsItsMenusWithoutAClick)
{
    AddTemplates();
    g_log = Log();
    CloseAll();
    ASSERT_TRUE(WaitWithoutInput([] { return DocumentCount() == 0 && Frame().GetMenuBar()->IsShown(); }));
    EXPECT_EQ(Titles(Frame().GetMenuBar()), (std::vector<std::string>{"&File", "&View", "&Help"}));

    VelmoTest::TempFolder folder;
    const std::string path = folder.Write("object.fk3", "fake");
    wxDocument* document = Manager().CreateDocument(wxString::FromUTF8(path), wxDOC_SILENT);
    ASSERT_NE(document, nullptr);
    auto* frame = dynamic_cast<CDocChildFrame*>(document->GetFirstView()->GetFrame());
    ASSERT_NE(frame, nullptr);
    ASSERT_NE(frame->GetMenuBar(), nullptr);
    EXPECT_TRUE(WaitWithoutInput([frame] { return frame->GetMenuBar()->IsShown() && !Frame().GetMenuBar()->IsShown(); }));
    EXPECT_TRUE(frame->GetMenuBar()->IsShown()) << "the document window's menus";
    EXPECT_FALSE(Frame().GetMenuBar()->IsShown()) << "menu 128 gone";
    EXPECT_EQ(Titles(frame->GetMenuBar()),
              (std::vector<std::string>{"&File", "&View", "&Draw", "&Texture", "&Window", "&Help"}));
    Shot(&Frame(), "first-document-menus");

    CloseAll();
    EXPECT_TRUE(WaitWithoutInput([] { return Frame().GetMenuBar()->IsShown(); })) << "menu 128 back";
}
