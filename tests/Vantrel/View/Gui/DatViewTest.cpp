// The DAT window in the application: archives of the independent DAT writer (datfile.py) in game
// folders, listed in five columns and sorted by a click on a heading, as the writer says they
// must be; an entry opened by a double click through its folder's factory; the folder's track
// opened by Open Track; names that would lead outside the folder and archives that nobody
// recognises refused with a message, touching nothing; the purge when the window closes.
#include <gtest/gtest.h>

#include <filesystem>
#include <map>
#include <sstream>

#include <wx/filehistory.h>
#include <wx/filename.h>
#include <wx/choicdlg.h>
#include <wx/listbox.h>
#include <wx/mdi.h>
#include <wx/testing.h>
#include <wx/uiaction.h>

#include "FileViewsGui.h"
#include "GuiKit.h"
#include "TrkDocSamples.h"
#include "Util/Exception.h"
#include "Vantrel/App/FixedMultiDocTemplate.h"
#include "Vantrel/App/TemplateTable.h"
#include "Vantrel/App/VantrelDocManager.h"
#include "Vantrel/Doc/DatDoc.h"
#include "Vantrel/Doc/LytDoc.h"
#include "Vantrel/Doc/MipDoc.h"
#include "Vantrel/Doc/PathText.h"
#include "Vantrel/Doc/SubDoc.h"
#include "Vantrel/Doc/TrkDoc.h"
#include "Vantrel/Frame/CommandIds.h"
#include "Vantrel/Frame/DocChildFrame.h"
#include "Vantrel/Rows/DatContainer.h"
#include "Vantrel/View/BinView.h"
#include "Vantrel/View/BitmapCanvas.h"
#include "Vantrel/View/DatEntryListCtrl.h"
#include "Vantrel/View/DatListView.h"
#include "Vantrel/View/MipView.h"

using namespace GuiTest;
namespace fs = std::filesystem;

namespace
{
struct Entry
{
    std::vector<std::string> columns; // name, type, folder, size, compressed size
    std::string relative;
    bool safe;
};

struct Archive
{
    std::string path, folder, track;
    std::vector<Entry> entries;
    std::map<int, std::pair<std::vector<int>, std::vector<int>>> sorts; // ascending, descending
};

std::vector<int> Indices(const std::string& text)
{
    std::vector<int> indices;
    std::stringstream in(text);
    for (std::string item; std::getline(in, item, ',');)
        indices.push_back(std::stoi(item));
    return indices;
}

// What the writer says of its archives (dat.txt).
std::vector<Archive> Archives()
{
    std::vector<Archive> archives;
    for (const auto& row : FileViewsTest::ReadTable(FileViewsGui::Samples("dat") + "/dat.txt"))
    {
        if (row[0] == "archive")
            archives.push_back(Archive{row[1], row[2], "", {}, {}});
        else if (row[0] == "entry")
            archives.back().entries.push_back(Entry{{row[2], row[3], row[4], row[5], row[6]}, row[7], row[8] != "!"});
        else if (row[0] == "sort")
            archives.back().sorts[std::stoi(row[1])] = {Indices(row[2]), Indices(row[3])};
        else if (row[0] == "track")
            archives.back().track = row[1];
    }
    return archives;
}

// Every file under a folder with its size and time of change.
std::map<std::string, std::pair<std::uintmax_t, fs::file_time_type>> Files(const std::string& folder)
{
    std::map<std::string, std::pair<std::uintmax_t, fs::file_time_type>> files;
    for (const auto& entry : fs::recursive_directory_iterator(folder))
        if (entry.is_regular_file())
            files[entry.path().string()] = {entry.file_size(), entry.last_write_time()};
    return files;
}

// The template choice of File New, answered with the template whose file-new name is "DAT File".
class ChooseDat : public wxExpectModalBase<wxSingleChoiceDialog, ChooseDat>
{
protected:
    int OnInvoked(wxSingleChoiceDialog* dialog) const override
    {
        int index = wxNOT_FOUND;
        for (wxWindow* child : dialog->GetChildren())
            if (auto* choices = dynamic_cast<wxListBox*>(child))
                index = choices->FindString("DAT File");
        EXPECT_NE(index, wxNOT_FOUND);
        dialog->SetSelection(index);
        return wxID_OK;
    }
};

// A document that opens any path and records it.
class CRecordingDoc : public CSubDoc
{
public:
    static inline std::vector<std::string> Paths;

protected:
    void Open(const std::string& path) override { Paths.push_back(path); }

    wxDECLARE_DYNAMIC_CLASS(CRecordingDoc);
};
wxIMPLEMENT_DYNAMIC_CLASS(CRecordingDoc, CSubDoc);

class DatView : public ::testing::Test
{
protected:
    void SetUp() override
    {
        archives = Archives();
        ASSERT_EQ(archives.size(), 2u);
        FileViewsGui::Copy(folder, "dat", "n4", "n4");
        FileViewsGui::Copy(folder, "dat", "gpl", "gpl");
    }
    void TearDown() override { CloseAll(); }

    // Opens an archive; its list view, or null.
    CDatListView* OpenArchive(const Archive& archive)
    {
        document = dynamic_cast<CDatDoc*>(Open(folder.Path(archive.path)));
        return ViewOf<CDatListView>(document);
    }
    // The entry indices in the order the control shows them.
    static std::vector<int> Shown(CDatListView* view)
    {
        std::vector<int> entries;
        for (long row = 0; row < view->GetList()->GetItemCount(); ++row)
            entries.push_back(view->GetEntries().GetEntry(int(row)));
        return entries;
    }
    // A click on a column heading, as the control reports it.
    static void ClickHeading(CDatListView* view, int column)
    {
        wxListEvent event(wxEVT_LIST_COL_CLICK, view->GetList()->GetId());
        event.SetEventObject(view->GetList());
        event.m_col = column;
        view->GetList()->ProcessWindowEvent(event);
        Pump();
    }
    // A double click on the row that shows an entry, as the control reports it.
    static void DoubleClick(CDatListView* view, int entry)
    {
        for (long row = 0; row < view->GetList()->GetItemCount(); ++row)
            if (view->GetEntries().GetEntry(int(row)) == entry)
            {
                wxListEvent event(wxEVT_LIST_ITEM_ACTIVATED, view->GetList()->GetId());
                event.SetEventObject(view->GetList());
                event.m_itemIndex = row;
                view->GetList()->ProcessWindowEvent(event);
                Pump();
                return;
            }
        ADD_FAILURE() << "no row shows entry " << entry;
    }

    VelmoTest::TempFolder folder;
    std::vector<Archive> archives;
    CDatDoc* document = nullptr;
};
} // namespace

TEST_F(DatView, EveryEntryInFiveColumnsSortedByAClickedHeading)
{
    const char* headings[] = {"Name", "Type", "Directory", "Size", "Compressed Size"};
    const int widths[] = {80, 50, 80, 80, 80};
    for (const Archive& archive : archives)
    {
        SCOPED_TRACE(archive.path);
        CDatListView* view = OpenArchive(archive);
        ASSERT_NE(view, nullptr);
        EXPECT_EQ(TemplateIdOf(document), 129);
        CDatEntryListCtrl* list = view->GetList();
        ASSERT_EQ(list->GetColumnCount(), 5);
        for (int c = 0; c < 5; ++c)
        {
            wxListItem column;
            column.SetMask(wxLIST_MASK_TEXT | wxLIST_MASK_WIDTH);
            list->GetColumn(c, column);
            EXPECT_EQ(column.GetText(), headings[c]);
            EXPECT_EQ(column.GetWidth(), widths[c]);
        }
        ASSERT_EQ(list->GetItemCount(), int(archive.entries.size()));
        for (std::size_t row = 0; row < archive.entries.size(); ++row)
            for (int c = 0; c < 5; ++c)
                EXPECT_EQ(list->GetItemText(long(row), c).utf8_string(), archive.entries[row].columns[std::size_t(c)])
                    << "row " << row << " column " << c;

        CloseAll();
        // From load order, each column: the first click ascending, the next descending (entries
        // that compare equal keep the order they had).
        for (int c : {0, 1, 2, 3, 4})
        {
            view = OpenArchive(archive);
            ASSERT_NE(view, nullptr);
            ClickHeading(view, c);
            EXPECT_EQ(Shown(view), archive.sorts.at(c).first) << "column " << c << " ascending";
            ClickHeading(view, c);
            EXPECT_EQ(Shown(view), archive.sorts.at(c).second) << "column " << c << " descending";
            CloseAll();
        }
    }

    // Beta, Gamma, alpha: byte order; then the reverse. The rows show the sorted entries' texts.
    // Another column's first click sorts ascending again.
    CDatListView* view = OpenArchive(archives[0]);
    ASSERT_NE(view, nullptr);
    auto names = [view] {
        std::vector<std::string> shown;
        for (long row = 0; row < view->GetList()->GetItemCount(); ++row)
        {
            const std::string name = view->GetList()->GetItemText(row, 0).utf8_string();
            if (name == "Beta" || name == "Gamma" || name == "alpha")
                shown.push_back(name);
        }
        return shown;
    };
    ClickHeading(view, 3);
    ClickHeading(view, 0);
    EXPECT_EQ(names(), (std::vector<std::string>{"Beta", "Gamma", "alpha"}));
    Shot(view->GetChildFrame(), "dat");
    ClickHeading(view, 0);
    EXPECT_EQ(names(), (std::vector<std::string>{"alpha", "Gamma", "Beta"}));
}

// A double click opens the entry through its folder's factory: art/logo.mip of the N4 archive as
// a multipart bitmap, the layout of the GPL archive as a layout; an entry without an extension is
// asked for as a dump without a trailing dot.
TEST_F(DatView, ADoubleClickOpensTheEntry)
{
    CDatListView* view = OpenArchive(archives[0]);
    ASSERT_NE(view, nullptr);
    DoubleClick(view, 3);
    auto* mip = dynamic_cast<CMipDoc*>(Manager().GetCurrentDocument());
    ASSERT_NE(mip, nullptr);
    EXPECT_EQ(TemplateIdOf(mip), 135);
    EXPECT_EQ(mip->GetFilename().utf8_string(), folder.Path("n4/tracks/monza/art/logo.mip"));
    ASSERT_NE(ViewOf<CMipView>(mip), nullptr);
    std::vector<std::string> headings;
    for (const BitmapViewItem& item : ViewOf<CMipView>(mip)->GetCanvas()->GetItems())
        if (item.What == BitmapViewItem::Text && item.Line.rfind("Bitmap ", 0) == 0)
            headings.push_back(item.Line);
    EXPECT_EQ(headings, (std::vector<std::string>{"Bitmap 8x4", "Bitmap 4x2", "Bitmap 2x1"}));

    // The entry without an extension: asked for without a trailing dot, as a dump (seen by a
    // document of template 132 that records its path). The folder rule of the library takes that
    // missing name without a dot for a folder not yet made, whose factory (a folder inside the
    // archive's) makes no unknown files: it says the entry has no extension and nothing opens.
    {
        const CTemplateTable::Entry* entry = CTemplateTable::Find(132);
        ASSERT_NE(entry, nullptr);
        wxList& templates = Manager().GetTemplates();
        auto* recording =
            new CFixedMultiDocTemplate(&Manager(), *entry, wxCLASSINFO(CRecordingDoc), wxCLASSINFO(CBinView));
        templates.DeleteObject(recording);
        templates.Insert(templates.GetFirst(), recording); // asked before the real 132
        CRecordingDoc::Paths.clear();
        DoubleClick(view, 4);
        EXPECT_EQ(CRecordingDoc::Paths, (std::vector<std::string>{folder.Path("n4/tracks/monza/noext")}));
        for (wxDocument* recorded : Manager().GetDocumentsVector())
            if (dynamic_cast<CRecordingDoc*>(recorded) != nullptr)
                recorded->DeleteAllViews();
        Pump();
        templates.DeleteObject(recording);
        delete recording;
        EXPECT_EQ(DocumentCount(), 2);
    }
    {
        Messages messages;
        DoubleClick(view, 4);
        EXPECT_EQ(messages.Texts, std::vector<std::string>{"noext can't be opened: it has no extension"});
    }
    EXPECT_EQ(DocumentCount(), 2);
    // Opening it again shows the open document.
    DoubleClick(view, 3);
    EXPECT_EQ(Manager().GetCurrentDocument(), mip);
    EXPECT_EQ(DocumentCount(), 2);
    CloseAll();

    view = OpenArchive(archives[1]);
    ASSERT_NE(view, nullptr);
    DoubleClick(view, 0);
    auto* layout = dynamic_cast<CLytDoc*>(Manager().GetCurrentDocument());
    ASSERT_NE(layout, nullptr);
    EXPECT_EQ(layout->GetFilename().utf8_string(), folder.Path("gpl/tracks/spa/spa.lyt"));
    ASSERT_TRUE(layout->GetFile());
    EXPECT_EQ(layout->GetFile()->GetControlCount(), 1);
    EXPECT_EQ(layout->GetFile()->GetName(0), "Only");
}

// An entry whose stored name holds a byte of the code page ("pitm\xE9n.mip", written by the
// independent DAT writer): its path keeps the name's bytes from the list to the factory, so it
// opens from the list; the list, the window's tab and its title show the name readably.
TEST_F(DatView, AnEntryNamedInTheCodePageOpensAndShowsItsName)
{
    const std::string spa = folder.MakeFolder("cp/tracks/spa");
    const std::string papy = std::string(VELMO_TEST_SOURCE_DIR) + "/Papy/";
    const std::string script =
        "import sys; sys.path.insert(0, '" + papy + "FacetSets'); sys.path.insert(0, '" + papy + "Bitmap'); "
        "import bitmap, folders; "
        "levels = [bitmap.bmap(3, w, w, bytes(bitmap.pixel_byte_count(3, w, w))) for w in (2, 1)]; "
        "open('" + spa + "/spa.dat', 'wb').write(folders.icr2_dat([(b'pitm\\xe9n.mip', bitmap.mip(3, 1, 1, levels))]))";
    const std::string line = std::string(VELMO_PYTHON3) + " -c \"" + script + "\"";
    ASSERT_EQ(std::system(line.c_str()), 0) << line;

    document = dynamic_cast<CDatDoc*>(Open(spa + "/spa.dat"));
    CDatListView* view = ViewOf<CDatListView>(document);
    ASSERT_NE(view, nullptr);
    ASSERT_EQ(view->GetList()->GetItemCount(), 1);
    EXPECT_EQ(view->GetList()->GetItemText(0, 0).utf8_string(), "pitm\xC3\xA9n");
    {
        Messages messages;
        DoubleClick(view, 0);
        EXPECT_EQ(messages.Texts, std::vector<std::string>());
    }
    auto* mip = dynamic_cast<CMipDoc*>(Manager().GetCurrentDocument());
    ASSERT_NE(mip, nullptr);
    EXPECT_EQ(CPathText::FromWx(mip->GetFilename()), spa + "/pitm\xE9n.mip");
    ASSERT_TRUE(mip->GetFile());
    const std::string shown = "pitm\xC3\xA9n.mip";
    EXPECT_EQ(mip->GetUserReadableName().utf8_string(), shown);
    auto* frame = dynamic_cast<wxMDIChildFrame*>(ViewOf<CMipView>(mip)->GetFrame());
    ASSERT_NE(frame, nullptr);
    EXPECT_EQ(frame->GetTitle().utf8_string(), shown); // the tab's text
    ScreenShot("dat-codepage-entry");
    // Asked again, the entry shows the open window.
    DoubleClick(view, 0);
    EXPECT_EQ(Manager().GetCurrentDocument(), mip);
    EXPECT_EQ(DocumentCount(), 2);
}

// A double click below the last row opens nothing and says nothing; one on a row opens its entry
// (the same pointer, so the click reaches the list). Activations naming no row do nothing either.
TEST_F(DatView, ADoubleClickBelowTheLastRowOpensNothing)
{
    FailOnMessages();
    CDatListView* view = OpenArchive(archives[0]);
    ASSERT_NE(view, nullptr);
    CDatEntryListCtrl* list = view->GetList();
    const long count = list->GetItemCount();
    ASSERT_EQ(count, long(archives[0].entries.size()));
    wxRect last;
    ASSERT_TRUE(list->GetItemRect(count - 1, last));
    const wxPoint below(last.GetLeft() + 20, last.GetBottom() + 2 * last.GetHeight());
    ASSERT_LT(below.y, list->GetClientSize().GetHeight()) << "room below the rows";
    list->SetFocus();
    wxUIActionSimulator mouse;
    mouse.MouseMove(list->ClientToScreen(below));
    Pump();
    mouse.MouseDblClick();
    Pump();
    EXPECT_FALSE(PumpUntil([] { return DocumentCount() != 1; }, 500));
    EXPECT_EQ(Manager().GetCurrentDocument(), document);

    for (long row : {count, -1L})
    {
        wxListEvent event(wxEVT_LIST_ITEM_ACTIVATED, list->GetId());
        event.SetEventObject(list);
        event.m_itemIndex = row;
        list->ProcessWindowEvent(event);
        Pump();
        EXPECT_EQ(DocumentCount(), 1) << row;
    }

    // The entry art/logo.mip, the fourth row in load order.
    wxRect logo;
    ASSERT_TRUE(list->GetItemRect(3, logo));
    ASSERT_EQ(list->GetItemText(3, 0), "logo");
    mouse.MouseMove(list->ClientToScreen(wxPoint(logo.GetLeft() + 20, logo.GetTop() + logo.GetHeight() / 2)));
    Pump();
    mouse.MouseDblClick();
    EXPECT_TRUE(PumpUntil([] { return DocumentCount() == 2; }));
    EXPECT_EQ(TemplateIdOf(Manager().GetCurrentDocument()), 135);
}

// Open Track asks for the folder's ".track": tracks/monza/monza.track. The track document of
// template 138 opens it: from the track file in the archive (an N4 folder's .ptf), or, where there
// is none, its message names the file missing and no window opens.
TEST_F(DatView, OpenTrackOpensTheFoldersTrack)
{
    CDatListView* view = OpenArchive(archives[0]);
    ASSERT_NE(view, nullptr);
    const std::string track = folder.Path(archives[0].track);
    {
        Messages messages;
        Command(ID_OPEN_TRACK);
        EXPECT_EQ(messages.Texts, std::vector<std::string>{Velmo::Util::XFileOpen(
                                      folder.Path("n4/tracks/monza/monza.ptf"), "File not found")
                                                               .GetText()});
        EXPECT_EQ(DocumentCount(), 1);
        EXPECT_EQ(Manager().GetCurrentDocument(), document);
    }
    CloseAll();

    // The N4 archive of the track documents' generator holds sebring.ptf.
    {
        FailOnMessages();
        const std::string sebring = folder.Path("n4/tracks/Sebring");
        fs::create_directories(sebring);
        fs::copy_file(TrkDocTest::Game("n4/tracks/Sebring/Sebring.dat"), sebring + "/Sebring.dat");
        document = dynamic_cast<CDatDoc*>(Open(sebring + "/Sebring.dat"));
        ASSERT_NE(ViewOf<CDatListView>(document), nullptr);
        Command(ID_OPEN_TRACK);
        auto* opened = dynamic_cast<CTrkDoc*>(Manager().GetCurrentDocument());
        ASSERT_NE(opened, nullptr);
        EXPECT_EQ(TemplateIdOf(opened), 138);
        EXPECT_EQ(opened->GetFilename().utf8_string(), sebring + "/Sebring.track");
        ASSERT_TRUE(opened->GetTrack());
        EXPECT_EQ(opened->GetTrack()->GetSegmentCount(), 2);
        EXPECT_EQ(DocumentCount(), 2);
    }
    CloseAll();

    // The request itself, seen by a document of template 138 that records its path.
    const CTemplateTable::Entry* entry = CTemplateTable::Find(138);
    ASSERT_NE(entry, nullptr);
    wxList& templates = Manager().GetTemplates();
    auto* recording = new CFixedMultiDocTemplate(&Manager(), *entry, wxCLASSINFO(CRecordingDoc), wxCLASSINFO(CBinView));
    templates.DeleteObject(recording);
    templates.Insert(templates.GetFirst(), recording); // asked before the real 138
    CRecordingDoc::Paths.clear();
    view = OpenArchive(archives[0]);
    ASSERT_NE(view, nullptr);
    Command(ID_OPEN_TRACK);
    EXPECT_EQ(CRecordingDoc::Paths, (std::vector<std::string>{track}));
    EXPECT_EQ(TemplateIdOf(Manager().GetCurrentDocument()), 138);
    CloseAll();
    templates.DeleteObject(recording);
    delete recording;
}

// Each entry whose name leads outside the archive's folder ("..", a leading separator, a drive,
// ':') gives the message and opens nothing; no file anywhere in the folders is touched.
TEST_F(DatView, UnsafeEntryNamesOpenNothing)
{
    folder.Write("n4/tracks/evil.txt", "outside");
    folder.Write("n4/up.txt", "outside");
    const auto before = Files(folder.Path());
    CDatListView* view = OpenArchive(archives[0]);
    ASSERT_NE(view, nullptr);
    int refused = 0;
    for (std::size_t entry = 0; entry < archives[0].entries.size(); ++entry)
    {
        const Entry& e = archives[0].entries[entry];
        if (e.safe)
            continue;
        SCOPED_TRACE(e.relative);
        Messages messages;
        DoubleClick(view, int(entry));
        EXPECT_EQ(messages.Texts, (std::vector<std::string>{DatContainer::UnsafeEntryText + e.relative}));
        EXPECT_EQ(DocumentCount(), 1);
        EXPECT_EQ(Manager().GetCurrentDocument(), document);
        ++refused;
    }
    EXPECT_EQ(refused, 5);
    CloseAll();
    EXPECT_EQ(Files(folder.Path()), before);
}

// An archive that no recognizer takes: "not a recognised DAT container", and no window.
TEST_F(DatView, AnUnrecognisedArchiveGivesAMessage)
{
    FileViewsGui::Copy(folder, "dat", "folders/dats", "dats");
    const auto before = Files(folder.Path());
    Messages messages;
    const std::string path = folder.Path("dats/junk.dat");
    EXPECT_EQ(Open(path), nullptr);
    EXPECT_EQ(messages.Texts,
              (std::vector<std::string>{Velmo::Util::XFileFormat(path, DatContainer::NotRecognisedText).GetText()}));
    EXPECT_EQ(DocumentCount(), 0);
    EXPECT_EQ(Files(folder.Path()), before);
    // The other archives of that folder open.
    EXPECT_NE(Open(folder.Path("dats/n4.dat")), nullptr);
}

// Closing the window lets the archive's factory go and purges the registry: only the test's
// copy holds the archive afterwards.
TEST_F(DatView, ClosingPurgesTheFactories)
{
    ASSERT_NE(OpenArchive(archives[0]), nullptr);
    CDatDoc::File dat = document->GetFile();
    ASSERT_TRUE(dat);
    EXPECT_GT(dat.GetCount(), 2) << "the document's, the factory's and this one";
    CloseAll();
    EXPECT_EQ(dat.GetCount(), 1);
}

// The DAT enters the recent-file list; File New offers "DAT File" but makes no document.
TEST_F(DatView, RecentFilesButNoFileNew)
{
    wxFileHistory* history = Manager().GetFileHistory();
    while (history->GetCount() > 0)
        history->RemoveFileFromHistory(0);
    ASSERT_NE(OpenArchive(archives[1]), nullptr);
    ASSERT_EQ(history->GetCount(), 1u);
    EXPECT_EQ(wxFileName(history->GetHistoryFile(0)).GetFullName(), "spa.dat");
    DoubleClick(ViewOf<CDatListView>(document), 0);
    EXPECT_EQ(history->GetCount(), 1u) << "the entry's layout stays out";
    CloseAll();

    // The template choice of File New, answered with "DAT File".
    wxTEST_DIALOG(Command(ID_FILE_NEW), ChooseDat());
    Pump();
    EXPECT_EQ(DocumentCount(), 0);
}
