#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <dlfcn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <filesystem>

#include <wx/filehistory.h>
#include <wx/filename.h>
#include <wx/menu.h>
#include <wx/testing.h>
#include <wx/uiaction.h>

#include "GuiKit.h"
#include "Papy/Model/Options.h"
#include "Support/TempFolder.h"
#include "Util/CharBuffer.h"
#include "Util/Exception.h"
#include "Vantrel/App/AboutDlg.h"
#include "Vantrel/Frame/CommandIds.h"
#include "Vantrel/Frame/WindowIcons.h"
#include "Vantrel/App/FixedMultiDocTemplate.h"
#include "Vantrel/App/MainFrame.h"
#include "Vantrel/App/VantrelApp.h"
#include "Vantrel/App/VantrelDocManager.h"
#include "Vantrel/Doc/DocumentSource.h"
#include "Vantrel/Doc/PathText.h"
#include "Vantrel/Doc/SubDoc.h"
#include "Vantrel/View/BinCanvas.h"

using namespace GuiTest;

namespace
{
std::vector<std::string> MenuTitles(wxMenuBar* bar)
{
    std::vector<std::string> titles;
    for (size_t i = 0; bar != nullptr && i < bar->GetMenuCount(); ++i)
        titles.push_back(bar->GetMenuLabel(i).utf8_string());
    return titles;
}

// The names of the recent files, most recent first.
std::vector<std::string> HistoryNames()
{
    std::vector<std::string> names;
    for (const std::string& path : History())
        names.push_back(wxFileName(wxString::FromUTF8(path)).GetFullName().utf8_string());
    return names;
}
} // namespace

TEST(Shell, PlainStartShowsMenu128AndNoDocument)
{
    EXPECT_EQ(DocumentCount(), 0);
    EXPECT_TRUE(Frame().IsShown());
    EXPECT_EQ(Frame().GetTitle(), "Vantrel");
    EXPECT_EQ(MenuTitles(Frame().GetMenuBar()), (std::vector<std::string>{"&File", "&View", "&Help"}));
    EXPECT_EQ(Frame().GetStatusBar()->GetFieldsCount(), 4);
    EXPECT_EQ(Frame().GetStatusBar()->GetStatusText(0), "Ready");
    ScreenShot("empty-frame");
}

TEST(Shell, ExtensionsPickTheirTemplates)
{
    VelmoTest::TempFolder folder;
    const struct
    {
        const char* name;
        int id;
    } cases[] = {{"X.PTF", 130}, {"a.b.3do", 130}, {"m.trk", 133}, {"t.track", 138}, {"x.xyz", 132}, {"noext", 132}};
    for (const auto& c : cases)
    {
        auto* found = dynamic_cast<CFixedMultiDocTemplate*>(Manager().FindTemplateForPath(folder.Path(c.name)));
        ASSERT_NE(found, nullptr) << c.name;
        EXPECT_EQ(found->GetId(), c.id) << c.name;
    }
    // Files of no kind of their own open as dumps.
    for (const char* name : {"x.xyz", "noext"})
    {
        CVantrelDoc* document = Open(folder.Write(name, "bytes of " + std::string(name)));
        ASSERT_NE(document, nullptr) << name;
        EXPECT_EQ(TemplateIdOf(document), 132) << name;
        EXPECT_NE(CanvasOf(document), nullptr) << name;
    }
    EXPECT_EQ(DocumentCount(), 2);
    CloseAll();
    EXPECT_EQ(DocumentCount(), 0);
}

TEST(Shell, DocumentWindowsCarryTheirTemplatesMenus)
{
    VelmoTest::TempFolder folder;
    CVantrelDoc* hex = Open(folder.Write("x.xyz", "hex"));
    ASSERT_NE(hex, nullptr);
    wxFrame* frame = dynamic_cast<wxFrame*>(hex->GetFirstView()->GetFrame());
    ASSERT_NE(frame, nullptr);
    EXPECT_EQ(MenuTitles(frame->GetMenuBar()), (std::vector<std::string>{"&File", "&View", "&Window", "&Help"}));
    // An empty 3D-object document (File New) has the 3D-object window's menus.
    wxDocument* object = Manager().FindTemplateById(130)->CreateDocument(wxString(), wxDOC_NEW);
    ASSERT_NE(object, nullptr);
    EXPECT_TRUE(object->OnNewDocument());
    Pump();
    wxMenuBar* bar = dynamic_cast<wxFrame*>(object->GetFirstView()->GetFrame())->GetMenuBar();
    EXPECT_EQ(MenuTitles(bar),
              (std::vector<std::string>{"&File", "&View", "&Draw", "&Texture", "&Window", "&Help"}));
    EXPECT_TRUE(bar->IsEnabled(ID_FILE_OPEN));
    CloseAll();
}

TEST(Shell, ReopeningActivatesTheOpenDocument)
{
    VelmoTest::TempFolder folder;
    const std::string path = folder.Write("x.xyz", "once");
    CVantrelDoc* first = Open(path);
    ASSERT_NE(first, nullptr);
    Open(folder.Write("other.xyz", "other"));
    EXPECT_EQ(Open(path), first);
    // A name that differs only in case finds the same file.
    EXPECT_EQ(Open(folder.Path("X.XYZ")), first);
    EXPECT_EQ(DocumentCount(), 2);
    CloseAll();
}

// A view that cannot make its window (here: no main frame to hold it) fails the open; the
// document goes with it and nothing is left behind.
TEST(Shell, DocumentWhoseWindowCannotBeMadeLeavesNothing)
{
    VelmoTest::TempFolder folder;
    CMainFrame* main = &Frame();
    auto* stranger = new wxFrame(nullptr, wxID_ANY, "stranger");
    wxTheApp->SetTopWindow(stranger);
    CVantrelDoc* document = Open(folder.Write("x.xyz", "no window"));
    wxTheApp->SetTopWindow(main);
    stranger->Destroy();
    Pump();
    EXPECT_EQ(document, nullptr);
    EXPECT_EQ(DocumentCount(), 0);
}

TEST(Shell, HistoryHoldsOnlyHexAndDatFiles)
{
    VelmoTest::TempFolder folder;
    ClearHistory();
    Open(folder.Write("x.xyz", "hex"));
    // An ICR2 container of one entry, "e.bin".
    std::string dat("\x01\x00\x05\x00\x01\x00\x00\x00\x01\x00\x00\x00", 12);
    dat += std::string("e.bin") + std::string(8, '\0') + std::string("\x1d\x00\x00\x00", 4) + "x";
    EXPECT_NE(Open(folder.Write("c.dat", dat)), nullptr);
    {
        // A 3D object and a track that fail to open leave the list alone too.
        Messages ignored;
        Open(folder.Write("X.PTF", "ptf"));
        Open(folder.Write("m.trk", "trk"));
    }
    Open(folder.Write("noext", "hex"));
    EXPECT_EQ(HistoryNames(), (std::vector<std::string>{"noext", "c.dat", "x.xyz"}));

    // A container entry's path "container|entry" names the entry and stays out of the list.
    auto previous = CDocumentSource::SetUnknownMaker([](const std::string&) {
        static unsigned char bytes[] = "entry";
        return CDocumentSource::Stream(new Velmo::Util::CharBuffer("entry", 5, bytes));
    });
    CVantrelDoc* entry = Open(folder.Path("c.dat") + "|" + folder.Path("e.bin"));
    CDocumentSource::SetUnknownMaker(previous);
    ASSERT_NE(entry, nullptr);
    EXPECT_EQ(entry->GetFilename().utf8_string(), folder.Path("e.bin"));
    EXPECT_EQ(entry->GetUserReadableName(), "e.bin");
    EXPECT_EQ(HistoryNames(), (std::vector<std::string>{"noext", "c.dat", "x.xyz"}));
    CloseAll();
}

// The list keeps the last 4 of 12 opened dumps, newest first.
TEST(Shell, HistoryHoldsTheLastFour)
{
    VelmoTest::TempFolder folder;
    ClearHistory();
    for (int i = 0; i < 12; ++i)
    {
        Open(folder.Write("f" + std::to_string(i) + ".xyz", "hex"));
        CloseAll();
    }
    EXPECT_EQ(HistoryNames(), (std::vector<std::string>{"f11.xyz", "f10.xyz", "f9.xyz", "f8.xyz"}));
    EXPECT_EQ(Manager().GetFileHistory()->GetMaxFiles(), 4u);
}

// The main window and each document kind but the ".track" one have an icon of their own.
TEST(Shell, WindowsHaveTheirIcons)
{
    EXPECT_TRUE(Frame().GetIcon().IsOk());
    for (int id : {128, 129, 130, 133, 134, 135, 136, 137, 140, 141})
    {
        const wxIcon icon = GetWindowIcon(id);
        ASSERT_TRUE(icon.IsOk()) << id;
        EXPECT_EQ(icon.GetWidth(), 32) << id;
    }
    EXPECT_FALSE(GetWindowIcon(138).IsOk());
    EXPECT_FALSE(GetWindowIcon(132).IsOk());
}

TEST(Shell, StrictMarkFollowsTheSwitch)
{
    VelmoTest::TempFolder folder;
    auto* options = Velmo::Papy::Options::Instance();
    ASSERT_FALSE(options->Strict);
    Command(ID_STRICT);
    EXPECT_TRUE(options->Strict);
    Frame().GetMenuBar()->UpdateMenus();
    EXPECT_TRUE(Frame().GetMenuBar()->IsChecked(ID_STRICT));
    // The mark follows in a document window's menu as well.
    CVantrelDoc* document = Open(folder.Write("x.xyz", "hex"));
    ASSERT_NE(document, nullptr);
    wxMenuBar* bar = dynamic_cast<wxFrame*>(document->GetFirstView()->GetFrame())->GetMenuBar();
    bar->UpdateMenus();
    EXPECT_TRUE(bar->IsChecked(ID_STRICT));
    Command(ID_STRICT);
    EXPECT_FALSE(options->Strict);
    bar->UpdateMenus();
    EXPECT_FALSE(bar->IsChecked(ID_STRICT));
    CloseAll();
    Frame().GetMenuBar()->UpdateMenus();
    EXPECT_FALSE(Frame().GetMenuBar()->IsChecked(ID_STRICT));
}

// Strict holds for the files read after the switch, those read before included: a GPL track
// that fails only the strict altitude check (written by the independent track generator) opens
// with Strict off; Strict ticked while its window is open, the window closed, the track opened
// again is refused with the reader's message; Strict off again, it opens.
TEST(Shell, StrictHoldsForAFileReadBeforeTheSwitch)
{
    VelmoTest::TempFolder folder;
    const std::string path = folder.MakeFolder("gpl/tracks/grade") + "/grade.trk";
    const std::string script = "import sys; sys.path.insert(0, '" + std::string(VELMO_TEST_SOURCE_DIR) +
                               "/Papy/Track'); import trk; "
                               "data = [c[4] for c in trk.crafted() if c[0] == 'gpl-squaregrade.trk'][0]; "
                               "open('" + path + "', 'wb').write(data)";
    const std::string line = std::string(VELMO_PYTHON3) + " -c \"" + script + "\"";
    ASSERT_EQ(std::system(line.c_str()), 0) << line;
    auto* options = Velmo::Papy::Options::Instance();
    ASSERT_FALSE(options->Strict);
    ASSERT_NE(Open(path), nullptr);
    Command(ID_STRICT);
    ASSERT_TRUE(options->Strict);
    CloseAll();
    {
        Messages messages;
        EXPECT_EQ(Open(path), nullptr);
        EXPECT_EQ(messages.Texts, std::vector<std::string>{Velmo::Util::XFileFormat(
                                      path, "GPL trk file altitude square grade error")
                                                               .GetText()});
        EXPECT_EQ(DocumentCount(), 0);
    }
    Command(ID_STRICT);
    ASSERT_FALSE(options->Strict);
    EXPECT_NE(Open(path), nullptr);
    CloseAll();
}

TEST(Shell, AboutShowsItsDialog)
{
    wxTEST_DIALOG(Command(ID_APP_ABOUT), wxExpectAny(wxID_OK));
    CAboutDlg dialog(&Frame());
    EXPECT_EQ(dialog.GetTitle(), "About Vantrel");
}

TEST(Shell, FileOpenDialogOpensTheChosenFile)
{
    VelmoTest::TempFolder folder;
    const std::string path = folder.Write("chosen.xyz", "chosen");
    wxTEST_DIALOG(Command(ID_FILE_OPEN), wxExpectModal<wxFileDialog>(wxString::FromUTF8(path)));
    ASSERT_TRUE(PumpUntil([] { return DocumentCount() == 1; }));
    EXPECT_EQ(Manager().GetCurrentDocument()->GetFilename().utf8_string(), path);
    EXPECT_EQ(Manager().GetLastDirectory().utf8_string(), folder.Path());
    CloseAll();
}

namespace
{
// The text of the tab of a document window in the main window (the toolkit's notebook of the
// main window's client area, through its C interface found at run time).
std::string TabText(wxWindow* documentFrame)
{
    using TabLabelText = const char* (*)(void*, void*);
    static const auto text = reinterpret_cast<TabLabelText>(dlsym(RTLD_DEFAULT, "gtk_notebook_get_tab_label_text"));
    wxWindow* client = Frame().GetClientWindow();
    if (text == nullptr || client == nullptr || documentFrame == nullptr)
        return "(no tab)";
    const char* label = text(client->GetHandle(), documentFrame->GetHandle());
    return label != nullptr ? label : "(no tab)";
}

// The labels of the recent-file entries in every File menu that shows them.
std::vector<std::string> HistoryLabels()
{
    std::vector<std::string> labels;
    wxFileHistory& history = *Manager().GetFileHistory();
    for (wxList::compatibility_iterator node = history.GetMenus().GetFirst(); node; node = node->GetNext())
        for (std::size_t i = 0; i < history.GetCount(); ++i)
            if (wxMenuItem* item = static_cast<wxMenu*>(node->GetData())->FindItem(history.GetBaseId() + int(i)))
                labels.push_back(item->GetItemLabelText().utf8_string());
    return labels;
}
} // namespace

// A file whose name is not UTF-8 (code page 1252, as the games' files are named) opens from File
// Open's chooser, by the bytes the chooser holds, and keeps its bytes.
TEST(Shell, FileOpenDialogOpensACodePageName)
{
    VelmoTest::TempFolder folder;
    const std::string path = folder.Write("bad\xE9name.xyz", "code page");
    ASSERT_TRUE(ChooseFile([] { Command(ID_FILE_OPEN); }, path));
    ASSERT_TRUE(PumpUntil([] { return DocumentCount() == 1; }));
    EXPECT_EQ(CPathText::FromWx(Manager().GetCurrentDocument()->GetFilename()), path);
    EXPECT_EQ(CPathText::FromWx(Manager().GetLastDirectory()), folder.Path());
    CloseAll();
}

// A name that is not UTF-8 shows readably, read as code page 1252, in the document's title, its
// tab and the recent-file list, while the document keeps the name's bytes.
TEST(Shell, CodePageNamesShowReadably)
{
    VelmoTest::TempFolder folder;
    ClearHistory();
    const std::string shown = "bad\xC3\xA9name \xE2\x82\xAC.xyz"; // badéname €.xyz
    const std::string path = folder.Write("bad\xE9name \x80.xyz", "code page");
    CVantrelDoc* document = Open(path);
    ASSERT_NE(document, nullptr);
    EXPECT_EQ(CPathText::FromWx(document->GetFilename()), path);
    EXPECT_EQ(document->GetUserReadableName().utf8_string(), shown);
    wxWindow* window = document->GetFirstView()->GetFrame();
    EXPECT_EQ(window->GetLabel().utf8_string(), shown);
    EXPECT_EQ(TabText(window), shown);
    const std::vector<std::string> labels = HistoryLabels();
    ASSERT_FALSE(labels.empty());
    for (const std::string& label : labels)
        EXPECT_EQ(label, "1 " + shown);
    Shot(&Frame(), "code-page-name");
    // The main window's File menu, once the document window has gone.
    CloseAll();
    EXPECT_EQ(HistoryLabels(), std::vector<std::string>{"1 " + shown});
    ClearHistory();
}

TEST(Shell, ExceptionInAHandlerShowsItsTextAndTheProgramGoesOn)
{
    Messages messages;
    Frame().Bind(
        wxEVT_MENU, [](wxCommandEvent&) { throw Velmo::Util::XUsage("handler failed"); }, 31999);
    wxCommandEvent event(wxEVT_MENU, 31999);
    static_cast<wxEvtHandler&>(Frame()).SafelyProcessEvent(event);
    Pump();
    EXPECT_EQ(messages.Texts, (std::vector<std::string>{"handler failed"}));
    EXPECT_TRUE(Frame().IsShown());
}

TEST(Shell, CommandLinePaths)
{
    VelmoTest::TempFolder folder;
    folder.Write("sub/rel.xyz", "relative");
    const std::string start = std::filesystem::current_path().string();
    std::filesystem::current_path(folder.Path());
    const bool opened = App().OpenCommandFile("sub/rel.xyz");
    Messages messages;
    const bool missing = App().OpenCommandFile("sub/missing.xyz");
    std::filesystem::current_path(start);
    EXPECT_TRUE(opened);
    ASSERT_EQ(DocumentCount(), 1);
    EXPECT_EQ(Manager().GetCurrentDocument()->GetFilename().utf8_string(), folder.Path("sub/rel.xyz"));
    EXPECT_FALSE(missing);
    ASSERT_EQ(messages.Texts.size(), 1u);
    EXPECT_EQ(messages.Texts[0].rfind("Couldn't open " + folder.Path("sub/missing.xyz"), 0), 0u) << messages.Texts[0];
    EXPECT_EQ(DocumentCount(), 1);
    CloseAll();
}

namespace
{
// Starts the program in a folder with one argument; asAUser leaves out what the tests add to the
// environment (the leak suppressions' file, the accessibility bridge switched off), as a user's
// desktop starts it.
pid_t StartProgram(const std::string& folder, const char* argument, bool asAUser = false)
{
    const pid_t child = fork();
    if (child == 0)
    {
        if (chdir(folder.c_str()) != 0)
            _exit(120);
        if (asAUser)
        {
            unsetenv("LSAN_OPTIONS");
            unsetenv("NO_AT_BRIDGE");
        }
        execl(VELMO_PROGRAM, VELMO_PROGRAM, argument, static_cast<char*>(nullptr));
        _exit(121);
    }
    return child;
}

// The smallest rectangle of the pixels that differ between two shots.
wxRect ChangedArea(const wxImage& before, const wxImage& after)
{
    wxRect area;
    for (int y = 0; y < after.GetHeight(); ++y)
        for (int x = 0; x < after.GetWidth(); ++x)
            if (before.GetRed(x, y) != after.GetRed(x, y) || before.GetGreen(x, y) != after.GetGreen(x, y) ||
                before.GetBlue(x, y) != after.GetBlue(x, y))
                area.Union(wxRect(x, y, 1, 1));
    return area;
}
} // namespace

namespace
{
// Starts the program with a missing file (by default "missing.xyz"), finds its message box on
// the screen and answers it with Return (without a window manager the keys go to the window under
// the pointer); the program's wait status.
int AnswerMissingFileMessage(bool asAUser, const std::string& missing = "missing.xyz")
{
    VelmoTest::TempFolder folder;
    // Our own windows are hidden meanwhile, so that what changes on the screen is the box alone
    // (a repaint of ours would widen the changed area and move the pointer off the box).
    struct HideOurWindows
    {
        std::vector<wxWindow*> hidden;
        HideOurWindows()
        {
            for (wxWindow* window : wxTopLevelWindows)
                if (window->IsShown())
                {
                    window->Hide();
                    hidden.push_back(window);
                }
            Pump();
        }
        ~HideOurWindows()
        {
            for (wxWindow* window : hidden)
                window->Show();
            Pump();
        }
    } hide;
    const wxImage before = ScreenShot("");
    const pid_t child = StartProgram(folder.Path(), missing.c_str(), asAUser);
    EXPECT_GE(child, 0);
    if (child < 0)
        return -1;
    int status = 0;
    bool ended = false;
    wxImage shown;
    const bool appeared = PumpUntil(
        [&] {
            ended = waitpid(child, &status, WNOHANG) == child;
            shown = ScreenShot("");
            return ended || DifferentPixels(before, shown) > 2000;
        },
        20000);
    EXPECT_TRUE(appeared && !ended) << "no message box appeared";
    if (appeared && !ended)
    {
        SaveShot(shown, "missing-file-message");
        // The box may still be growing when first seen: aim at what the screen shows each time.
        wxUIActionSimulator keys;
        PumpUntil([&] {
            const wxRect box = ChangedArea(before, ScreenShot(""));
            if (!box.IsEmpty())
                keys.MouseMove(box.GetX() + box.GetWidth() / 2, box.GetY() + box.GetHeight() / 2);
            keys.Char(WXK_RETURN);
            return (ended = waitpid(child, &status, WNOHANG) == child);
        }, 20000);
    }
    if (!ended)
    {
        kill(child, SIGKILL);
        waitpid(child, &status, 0);
    }
    EXPECT_TRUE(ended) << "the message was not answered";
    return status;
}
} // namespace

// The program itself, started with a missing file: its message, then it ends with a failure
// code and never shows its window.
TEST(Shell, ProgramWithMissingFileExitsWithFailure)
{
    const int status = AnswerMissingFileMessage(false);
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) != 0) << status;
}

// Started as a user's desktop starts it (no suppressions' file named, the accessibility bridge
// on), the program ends with its own failure code: in the sanitizer build, the toolkit's
// allocations kept until the end are not reported as leaks, which would end it with code 1.
TEST(Shell, ProgramStartedAsAUserEndsWithItsOwnCode)
{
    const int status = AnswerMissingFileMessage(true);
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 255) << status;
}

// A file named on the command line by bytes that are not UTF-8 (a code-page name, which the
// toolkit would drop) that is missing: its message, then the program ends with a failure code as
// for any failed open.
TEST(Shell, ProgramWithMissingCodePageNameShowsItsMessage)
{
    const int status = AnswerMissingFileMessage(false, "missing\xE9.xyz");
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 255) << status;
}

namespace
{
// Starts the program in a folder with a file's name that holds a dump of 'W's, waits until its
// window shows the dump (the shot of the screen then saved under the given name) and ends the
// program.
void ProgramShowingADump(const VelmoTest::TempFolder& folder, const std::string& argument, const std::string& shotName)
{
    const wxImage empty = ScreenShot("");
    const pid_t child = StartProgram(folder.Path(), argument.c_str());
    EXPECT_GE(child, 0);
    if (child < 0)
        return;
    // The program's window stands at the top left, above ours, with the dump below its menu
    // and tabs.
    const wxRect dump(0, 100, 900, 400);
    wxImage shot;
    int status = 0;
    bool ended = false;
    PumpUntil(
        [&] {
            ended = waitpid(child, &status, WNOHANG) == child;
            shot = ScreenShot("");
            return ended || DarkPixels(shot, dump) >= 1000;
        },
        20000);
    SaveShot(shot, shotName);
    EXPECT_FALSE(ended) << "the program ended: " << status;
    EXPECT_GE(DarkPixels(shot, dump), 1000);
    EXPECT_GT(DifferentPixels(shot, empty, dump), 1000);
    if (!ended)
    {
        kill(child, SIGKILL);
        waitpid(child, &status, 0);
    }
}
} // namespace

// The program itself, started in a folder with a relative name: its window shows the dump.
TEST(Shell, ProgramOpensARelativePath)
{
    VelmoTest::TempFolder folder;
    folder.Write("sub/rel.xyz", std::string(4096, 'W'));
    ProgramShowingADump(folder, "sub/rel.xyz", "program-relative-path");
}

// A file named on the command line by bytes that are not UTF-8 (code page 1252, as the games'
// files are named, which the toolkit would drop) opens: its window shows the dump.
TEST(Shell, ProgramOpensACodePageName)
{
    VelmoTest::TempFolder folder;
    folder.Write("bad\xE9name.xyz", std::string(4096, 'W'));
    ProgramShowingADump(folder, "bad\xE9name.xyz", "program-code-page-name");
}

// Ctrl+N offers the templates with a file-new name (the toolkit's choice dialog, answered here
// by cancelling); a new document is empty and its dump window draws nothing.
TEST(Shell, FileNewMakesAnEmptyDocument)
{
    wxTEST_DIALOG(Command(ID_FILE_NEW), wxExpectAny(wxID_CANCEL));
    EXPECT_EQ(DocumentCount(), 0);
    wxDocument* created = Manager().FindTemplateById(132)->CreateDocument(wxString(), wxDOC_NEW);
    ASSERT_NE(created, nullptr);
    EXPECT_TRUE(created->OnNewDocument());
    Pump();
    ASSERT_EQ(DocumentCount(), 1);
    auto* document = dynamic_cast<CSubDoc*>(Manager().GetCurrentDocument());
    ASSERT_NE(document, nullptr);
    EXPECT_EQ(TemplateIdOf(document), 132);
    EXPECT_EQ(document->GetSize(), 0u);
    EXPECT_EQ(document->GetUserReadableName().utf8_string().rfind("Untitled", 0), 0u) << document->GetUserReadableName();
    ASSERT_NE(CanvasOf(document), nullptr);
    EXPECT_TRUE(CanvasOf(document)->GetVisibleLines().empty());
    CloseAll();
    EXPECT_EQ(DocumentCount(), 0);
}
