// The track document in its window: GPL and ICR2 track files and an N4 folder's track through
// its DAT (".track"), made by the independent generators (trkdocs.py); the tree and list panes
// against the generators' values, the plan's pixels, and the window shots under artifacts/.
#include <gtest/gtest.h>

#include <wx/filefn.h>
#include <wx/filehistory.h>
#include <wx/splitter.h>

#include "GuiKit.h"
#include "TrkDocSamples.h"
#include "Vantrel/App/VantrelDocManager.h"
#include "Vantrel/Doc/TrkDoc.h"
#include "Vantrel/Frame/DocChildFrame.h"
#include "Vantrel/Rows/TrkHint.h"
#include "Vantrel/View/Trk3DView.h"
#include "Vantrel/View/TrkListView.h"
#include "Vantrel/View/TrkSplitterFrame.h"
#include "Vantrel/View/TrkTreeView.h"
#include "Vantrel/View/TrkUpdateHint.h"

using namespace GuiTest;
using namespace TrkDocTest;

namespace
{
CTrkDoc* OpenTrack(const std::string& relative)
{
    return dynamic_cast<CTrkDoc*>(Open(Game(relative)));
}

// The plan as the pane draws it now.
wxImage Plan(wxDocument* document, const std::string& name = "")
{
    CTrk3DView* view = ViewOf<CTrk3DView>(document);
    // The pane has its context once it has been painted on the screen.
    if (view == nullptr || !PumpUntil([view] { return view->GetContext() != nullptr; }))
        return wxImage();
    return GLShot(view->GetCanvas(), view->GetContext(), name, [view] { view->Render(); });
}
} // namespace

TEST(TrkDoc, GplTrackShowsTheGeneratorsRowsAndPlan)
{
    FailOnMessages();
    CTrkDoc* document = OpenTrack("gpl/Tracks/Plan/PLAN.TRK");
    ASSERT_NE(document, nullptr);
    EXPECT_EQ(TemplateIdOf(document), 133);
    ASSERT_TRUE(document->GetTrack());
    ASSERT_TRUE(document->GetFactory());

    // Tree, list and plan side by side, 200 and 200 pixels to begin with.
    auto* frame = dynamic_cast<CTrkSplitterFrame*>(ViewOf<CTrkTreeView>(document)->GetChildFrame());
    ASSERT_NE(frame, nullptr);
    ASSERT_EQ(frame->GetViews().size(), 3u);
    EXPECT_NE(dynamic_cast<CTrkListView*>(frame->GetViews()[1]), nullptr);
    EXPECT_NE(dynamic_cast<CTrk3DView*>(frame->GetViews()[2]), nullptr);
    ASSERT_TRUE(PumpUntil([frame] { return frame->HasWidths(); }));
    EXPECT_EQ(frame->GetSplitters()[0]->GetSashPosition(), 200);
    EXPECT_EQ(frame->GetSplitters()[1]->GetSashPosition(), 200);
    wxListCtrl* list = ViewOf<CTrkListView>(document)->GetList();
    EXPECT_EQ(list->GetColumnCount(), 2);
    EXPECT_EQ(list->GetColumnWidth(0), 100);
    EXPECT_EQ(list->GetColumnWidth(1), 500);

    ExpectPanes(document, "plan");

    // The plan: asphalt, grass and the narrow Armco wall; the hay-bale wall, 4 m wide and of a
    // type used nowhere else, leaves no pixel; no red anywhere.
    Select(document, TrkHint::Whole);
    const wxImage plan = Plan(document, "trk-plan");
    EXPECT_GT(Count(plan, Asphalt), 500);
    EXPECT_GT(Count(plan, Grass), 500);
    EXPECT_GT(Count(plan, Armco), 20);
    EXPECT_EQ(Count(plan, HayBales), 0);
    EXPECT_EQ(Count(plan, Red), 0);
    // The window as the screen shows it.
    const wxImage window = Shot(frame, "trk");
    EXPECT_GT(Count(window, Asphalt), 500);
    EXPECT_GT(Count(window, Grass), 500);
    EXPECT_EQ(Count(window, HayBales), 0);
    EXPECT_EQ(Count(window, Red), 0);
    CloseAll();
}

TEST(TrkDoc, RowCountsOfRootStraightAndCorner)
{
    FailOnMessages();
    CTrkDoc* document = OpenTrack("gpl/Tracks/Plan/PLAN.TRK");
    ASSERT_NE(document, nullptr);
    CHintListView* list = ViewOf<CHintListView>(document);
    const struct
    {
        int code;
        std::size_t rows;
        const char* first;
    } cases[] = {{TrkHint::Whole, 3, "Length (3d)"}, {TrkHint::Segment(0), 11, "Straight"}, {TrkHint::Segment(1), 15, "Corner"}};
    for (const auto& c : cases)
    {
        ASSERT_TRUE(Select(document, c.code)) << c.code;
        const std::vector<TrkRow> rows = list->GetRows();
        ASSERT_EQ(rows.size(), c.rows) << c.code;
        EXPECT_TRUE(rows[0].Field == c.first || rows[0].Value == c.first) << c.code;
    }
    // A hint of 0 from another pane leaves the list as it is.
    const std::vector<TrkRow> before = list->GetRows();
    CTrkUpdateHint nothing(0);
    document->UpdateAllViews(nullptr, &nothing);
    EXPECT_EQ(list->GetRows(), before);
    CloseAll();
}

TEST(TrkDoc, SelectedSegmentMovesOnlyTheCamera)
{
    FailOnMessages();
    CTrkDoc* document = OpenTrack("gpl/Tracks/Plan/PLAN.TRK");
    ASSERT_NE(document, nullptr);
    CTrk3DView* view = ViewOf<CTrk3DView>(document);
    const wxImage whole = Plan(document);
    ASSERT_TRUE(view->GetScene().HasSavedBounds());
    const TrackPlanBounds saved = view->GetScene().GetSavedBounds();
    const bool compiledList = view->GetScene().IsCompiled();

    // The code 0x00060000 (segment 5) and a trace of it (0x00060101) fit the camera to segment 5.
    for (int code : {0x00060000, 0x00060101})
    {
        ASSERT_TRUE(Select(document, code));
        const wxImage zoomed = Plan(document);
        EXPECT_EQ(view->GetScene().GetSelectedSegment(), 5);
        const TrackPlanBounds& bounds = view->GetScene().GetBounds();
        EXPECT_LT(bounds.MaxX - bounds.MinX + bounds.MaxY - bounds.MinY, saved.MaxX - saved.MinX + saved.MaxY - saved.MinY);
        EXPECT_GE(bounds.MinX, saved.MinX);
        EXPECT_LE(bounds.MaxX, saved.MaxX);
        EXPECT_GT(DifferentPixels(whole, zoomed), 1000);
    }
    EXPECT_EQ(view->GetScene().IsCompiled(), compiledList);
    // "root" goes back to the saved bounds of the whole track.
    ASSERT_TRUE(Select(document, TrkHint::Whole));
    const wxImage back = Plan(document);
    EXPECT_EQ(view->GetScene().GetSelectedSegment(), -1);
    EXPECT_EQ(view->GetScene().GetBounds(), saved);
    EXPECT_EQ(DifferentPixels(whole, back), 0);
    CloseAll();
}

TEST(TrkDoc, Icr2TrackInAnN3Folder)
{
    FailOnMessages();
    CTrkDoc* document = OpenTrack("n3/tracks/Jarama/JARAMA.TRK");
    ASSERT_NE(document, nullptr);
    ExpectPanes(document, "jarama");
    Select(document, TrkHint::Whole);
    EXPECT_GT(Count(Plan(document, "icr2-plan"), White), 100);
    CloseAll();
}

// The track of an N4 folder whose DAT holds its .ptf, opened as "<folder>/<name>.track" (the DAT
// document's "Open Track"): n4archive.py's two quarter circles of radius 10, 5 pi m long each.
TEST(TrkDoc, PtfTrackThroughTheFoldersDat)
{
    FailOnMessages();
    CTrkDoc* document = OpenTrack("n4/tracks/Sebring/Sebring.track");
    ASSERT_NE(document, nullptr);
    EXPECT_EQ(TemplateIdOf(document), 138);
    ASSERT_TRUE(document->GetTrack());
    EXPECT_EQ(document->GetTrack()->GetSegmentCount(), 2);
    // No menu of its own: the main window's stays.
    EXPECT_EQ(ViewOf<CTrkTreeView>(document)->GetChildFrame()->GetMenuBar(), nullptr);

    const auto items = TreeItems(*ViewOf<CTrkTreeView>(document));
    ASSERT_GE(items.size(), 3u);
    EXPECT_EQ(ViewOf<CTrkTreeView>(document)->GetTree()->GetItemText(items[1].second), "Segment 0");
    ASSERT_TRUE(Select(document, TrkHint::Segment(1)));
    const std::vector<TrkRow> rows = ViewOf<CTrkListView>(document)->GetRows();
    ASSERT_EQ(rows.size(), 15u);
    EXPECT_EQ(rows[0], (TrkRow{"Type", "Corner"}));
    EXPECT_EQ(rows[3], (TrkRow{"Start (3d)", "15.707963"}));
    EXPECT_EQ(rows[6], (TrkRow{"End Orientation", "90.000000\u00b0"}));
    ASSERT_TRUE(Select(document, TrkHint::Whole));
    EXPECT_EQ(ViewOf<CTrkListView>(document)->GetRows(),
              (std::vector<TrkRow>{{"Length (3d)", "31.415927"}, {"Length (2d)", "31.415927"}, {"Segments", "2"}}));

    const wxImage plan = Plan(document, "track-plan");
    EXPECT_GT(plan.GetWidth() * plan.GetHeight() - Count(plan, White), 500);
    Shot(ViewOf<CTrkTreeView>(document)->GetChildFrame(), "track");
    CloseAll();
}

// A name whose base holds a dot opens that file, not the one named by its first part.
TEST(TrkDoc, DottedNameOpensItsOwnFile)
{
    FailOnMessages();
    CTrkDoc* dotted = OpenTrack("gpl/Tracks/Dots/v1.2.trk");
    ASSERT_NE(dotted, nullptr);
    EXPECT_EQ(dotted->GetTrack()->GetSegmentCount(), 12);
    CTrkDoc* plain = OpenTrack("gpl/Tracks/Dots/v1.trk");
    ASSERT_NE(plain, nullptr);
    EXPECT_EQ(plain->GetTrack()->GetSegmentCount(), 2);
    CloseAll();
}

TEST(TrkDoc, BadFilesShowTheReadersMessageAndOpenNothing)
{
    VelmoTest::TempFolder folder;
    folder.Write("gpl/tracks/short/short.trk", "TRAK");
    folder.MakeFolder("gpl/tracks/none");
    const struct
    {
        const char* name;
        const char* text;
    } cases[] = {
        {"gpl/tracks/short/short.trk", "Couldn't read from %s\n"},
        // A folder's ".track" without a track file or a DAT that holds it.
        {"gpl/tracks/none/none.track", "Couldn't open %s/gpl/tracks/none/none.trk\nFile not found\n"},
    };
    for (const auto& c : cases)
    {
        Messages messages;
        EXPECT_EQ(Open(folder.Path(c.name)), nullptr) << c.name;
        std::string text = c.text;
        text.replace(text.find("%s"), 2, std::string(c.name).find(".track") != std::string::npos ? folder.Path() : folder.Path(c.name));
        EXPECT_EQ(messages.Texts, std::vector<std::string>{text});
    }
    EXPECT_EQ(DocumentCount(), 0);
}

// The document is only read: it never counts as changed, Ctrl+S writes nothing and closing
// asks nothing. Tracks stay out of the recent-file list.
TEST(TrkDoc, RefusesToSaveAndNeverAsks)
{
    FailOnMessages();
    const std::size_t history = Manager().GetFileHistory()->GetCount();
    CTrkDoc* document = OpenTrack("gpl/Tracks/Plan/PLAN.TRK");
    ASSERT_NE(document, nullptr);
    EXPECT_EQ(Manager().GetFileHistory()->GetCount(), history);
    document->Modify(true);
    EXPECT_FALSE(document->IsModified());
    EXPECT_FALSE(document->Save());
    EXPECT_FALSE(document->OnSaveDocument(wxString::FromUTF8(Generated() + "/copy.trk")));
    EXPECT_FALSE(wxFileExists(wxString::FromUTF8(Generated() + "/copy.trk")));
    EXPECT_TRUE(document->Close());
    CloseAll();
    EXPECT_EQ(DocumentCount(), 0);
}
