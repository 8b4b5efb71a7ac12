// What a user of the desktop meets around the panes: a recent-file entry that names an entry of
// a DAT container opens again through its folder's factory; the DAT pane's list control can
// outlive its view for a moment (a deferred destruction) and still paints its rows; the 3D pane
// does not gather every hint it receives; a clip test asked for twice answers twice.
#include <gtest/gtest.h>

#include <malloc.h>

#include <string>
#include <vector>

#include <wx/filehistory.h>
#include <wx/filename.h>
#include <wx/frame.h>
#include <wx/statusbr.h>

#include "FileViewsGui.h"
#include "GuiKit.h"
#include "Papy/Model/ThreeDObjectRoot.h"
#include "TdoSupport.h"
#include "Vantrel/App/MainFrame.h"
#include "Vantrel/App/VantrelDocManager.h"
#include "Vantrel/Doc/3DODoc.h"
#include "Vantrel/Doc/3DOHint.h"
#include "Vantrel/Doc/DatDoc.h"
#include "Vantrel/Doc/SubDoc.h"
#include "Vantrel/Frame/CommandIds.h"
#include "Vantrel/View/3DO3DView.h"
#include "Vantrel/View/3DOTreeView.h"
#include "Vantrel/View/DatEntryListCtrl.h"
#include "Vantrel/View/DatListView.h"

using namespace GuiTest;

namespace
{
// The N4 archive of the DAT samples (tracks/monza/monza.dat; its first entry is Beta.txt, four
// bytes, which no template claims: it opens as a dump).
class DatSample : public ::testing::Test
{
protected:
    void SetUp() override { FileViewsGui::Copy(folder, "dat", "n4", "n4"); }
    void TearDown() override { CloseAll(); }

    std::string Archive() const { return folder.Path("n4/tracks/monza/monza.dat"); }
    std::string Entry(const std::string& name) const { return folder.Path("n4/tracks/monza/" + name); }

    VelmoTest::TempFolder folder;
};

// The bytes the allocator has handed out and not taken back.
std::size_t HeapInUse()
{
    const struct mallinfo2 info = mallinfo2();
    return info.uordblks + info.hblkhd;
}

std::string StatusText()
{
    wxStatusBar* bar = Frame().GetStatusBar();
    return bar != nullptr ? bar->GetStatusText(0).utf8_string() : std::string();
}
} // namespace

// An entry opened as a dump joins the recent files with its path in the archive's folder, where
// no file is: choosing it opens the entry again through the folder's factory, and it stays in
// the list. An entry the archive does not hold either gives the open's message and leaves.
TEST_F(DatSample, ARecentDatEntryOpensAgain)
{
    ClearHistory();
    auto* dat = dynamic_cast<CDatDoc*>(Open(Archive()));
    ASSERT_NE(dat, nullptr);
    CDatListView* view = ViewOf<CDatListView>(dat);
    ASSERT_NE(view, nullptr);
    ASSERT_EQ(view->GetEntries().GetText(0, 0), "Beta");
    auto* entry = dynamic_cast<CSubDoc*>(view->OpenRow(0));
    ASSERT_NE(entry, nullptr);
    EXPECT_EQ(TemplateIdOf(entry), 132);
    ASSERT_EQ(History(), (std::vector<std::string>{Entry("Beta.txt"), Archive()}));
    ASSERT_FALSE(wxFileName::FileExists(wxString::FromUTF8(Entry("Beta.txt")))) << "only in the archive";
    CloseAll();
    ASSERT_EQ(DocumentCount(), 0);

    // File > Recent File > 1.
    Command(wxID_FILE1);
    auto* reopened = dynamic_cast<CSubDoc*>(Manager().GetCurrentDocument());
    ASSERT_NE(reopened, nullptr);
    EXPECT_EQ(reopened->GetFilename().utf8_string(), Entry("Beta.txt"));
    EXPECT_EQ(reopened->GetSize(), 4u);
    EXPECT_EQ(History(), (std::vector<std::string>{Entry("Beta.txt"), Archive()}));
    CloseAll();

    // A name neither on disk nor in the archive: the open's message, and the entry leaves.
    Manager().AddFileToHistory(wxString::FromUTF8(Entry("Absent.txt")));
    {
        Messages messages;
        Command(wxID_FILE1);
        EXPECT_EQ(messages.Texts.size(), 1u);
    }
    EXPECT_EQ(DocumentCount(), 0);
    EXPECT_EQ(History(), (std::vector<std::string>{Entry("Beta.txt"), Archive()}));
    ClearHistory();
}

// The list control goes with its window, which may go after the view (a deferred destruction):
// until then it still paints the rows it shows, and a click or a double click reaches no view.
// Here the control is moved into a window of the test's own before the view goes.
TEST_F(DatSample, TheEntryListOutlivesItsView)
{
    auto* dat = dynamic_cast<CDatDoc*>(Open(Archive()));
    ASSERT_NE(dat, nullptr);
    CDatListView* view = ViewOf<CDatListView>(dat);
    ASSERT_NE(view, nullptr);
    CDatEntryListCtrl* list = view->GetList();
    ASSERT_NE(list, nullptr);
    const long rows = list->GetItemCount();
    ASSERT_GT(rows, 3);
    const std::string first = list->GetItemText(0, 0).utf8_string();
    ASSERT_EQ(first, "Beta");

    // The view goes (and the document with its last view); the control only later.
    auto* holder = new wxFrame(nullptr, wxID_ANY, "holder");
    list->Reparent(holder);
    delete view;
    ASSERT_EQ(DocumentCount(), 0);
    EXPECT_EQ(list->GetItemCount(), rows);
    for (long row = 0; row < rows; ++row)
        EXPECT_FALSE(list->GetItemText(row, 0).empty()) << row;
    EXPECT_EQ(list->GetItemText(0, 0).utf8_string(), first);
    EXPECT_EQ(list->GetItemText(0, 1).utf8_string(), "txt");
    wxListEvent click(wxEVT_LIST_COL_CLICK, list->GetId());
    click.SetEventObject(list);
    click.m_col = 0;
    list->ProcessWindowEvent(click);
    wxListEvent open(wxEVT_LIST_ITEM_ACTIVATED, list->GetId());
    open.SetEventObject(list);
    open.m_itemIndex = 0;
    list->ProcessWindowEvent(open);
    EXPECT_EQ(list->GetItemText(0, 0).utf8_string(), first) << "nothing sorted";
    EXPECT_EQ(DocumentCount(), 0) << "nothing opened";
    holder->Destroy();
    Pump();
}

namespace
{
class ThreeDPane : public ::testing::Test
{
protected:
    void TearDown() override { CloseAll(); }

    C3DODoc* OpenObject(const std::string& path)
    {
        document = dynamic_cast<C3DODoc*>(Open(path));
        view = ViewOf<C3DO3DView>(document);
        tree = ViewOf<C3DOTreeView>(document);
        return view != nullptr && tree != nullptr ? document : nullptr;
    }
    void Select(int id)
    {
        C3DOHint hint(id);
        document->UpdateAllViews(tree, &hint);
    }
    bool Paint()
    {
        const int before = Paints();
        view->Invalidate();
        return PumpUntil([&] { return Paints() > before; });
    }
    int Paints() const { return view->GetPaintCount() + view->GetFailedPaintCount(); }

    VelmoTest::TempFolder folder;
    C3DODoc* document = nullptr;
    C3DO3DView* view = nullptr;
    C3DOTreeView* tree = nullptr;
};
} // namespace

// Selections for as long as the window lives: the pane's memory does not grow with them.
TEST_F(ThreeDPane, HintsAreNotGathered)
{
    ASSERT_NE(OpenObject(TdoTest::WriteGplSamples(folder) + "/basic.3do"), nullptr);
    const int root = document->GetFile()->GetRoot()->GetId();
    const int child = document->GetFile()->GetRoot()->GetChild(0)->GetId();
    C3DOHint hints[2] = {C3DOHint(root), C3DOHint(child)};
    for (int i = 0; i < 1000; ++i)
        view->OnUpdate(tree, &hints[i % 2]);
    Pump();
    const std::size_t before = HeapInUse();
    for (int i = 0; i < 100000; ++i)
        view->OnUpdate(tree, &hints[i % 2]);
    const std::size_t after = HeapInUse();
    EXPECT_LT(after, before + 256 * 1024) << "grew by " << (after - before) << " bytes";
    EXPECT_EQ(view->GetState().GetShownId(), child);
    Pump();
}

// The clip test answers every request: the summary of a failing node each time, "Clip test
// passed" each time for a passing one, a Refresh in between or not.
TEST_F(ThreeDPane, EveryClipTestAnswers)
{
    const std::string generator = TdoTest::Python() + TdoTest::Generator("GPL/gpl3do.py") + " drawing";
    const std::string scenes = TdoTest::GeneratedFolder(folder, "drawing", generator);
    ASSERT_NE(OpenObject(scenes + "/gpl-clip/fail.3do"), nullptr);
    Command(ID_VIEW_3D);
    Select(document->GetFile()->GetRoot()->GetId());
    ASSERT_TRUE(Paint());
    {
        Messages messages;
        for (std::size_t run = 1; run <= 3; ++run)
        {
            SCOPED_TRACE(run);
            if (run == 3)
                Command(ID_REFRESH);
            Command(ID_CLIP_TEST);
            ASSERT_TRUE(PumpUntil([&] { return messages.Texts.size() == run; }));
            EXPECT_FALSE(messages.Texts.back().empty());
            EXPECT_EQ(messages.Texts.back(), messages.Texts.front());
            ASSERT_TRUE(Paint());
        }
        Pump();
        EXPECT_EQ(messages.Texts.size(), 3u);
    }
    CloseAll();

    ASSERT_NE(OpenObject(scenes + "/gpl-clip/pass.3do"), nullptr);
    Command(ID_VIEW_3D);
    Select(document->GetFile()->GetRoot()->GetId());
    ASSERT_TRUE(Paint());
    Messages messages;
    for (int run = 0; run < 2; ++run)
    {
        SCOPED_TRACE(run);
        Frame().SetStatusText("", 0);
        Command(ID_CLIP_TEST);
        EXPECT_TRUE(PumpUntil([] { return StatusText() == C3DO3DView::ClipTestPassedText; }));
    }
    EXPECT_TRUE(messages.Texts.empty());
}
