#include "GuiKit.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <dlfcn.h>
#include <unistd.h>
#include <filesystem>

#include <GL/gl.h>
#include <gtest/gtest.h>
#include <wx/app.h>
#include <wx/eventfilter.h>
#include <wx/evtloop.h>
#include <wx/filehistory.h>
#include <wx/glcanvas.h>
#include <wx/modalhook.h>
#include <wx/msgdlg.h>
#include <wx/toplevel.h>
#include <wx/utils.h>

#include "Vantrel/App/FixedMultiDocTemplate.h"
#include "Vantrel/App/MainFrame.h"
#include "Vantrel/App/VantrelApp.h"
#include "Vantrel/App/VantrelDocManager.h"
#include "Vantrel/Dialogs/DialogScript.h"
#include "Vantrel/Doc/CatchPattern.h"
#include "Vantrel/Doc/PathText.h"
#include "Vantrel/Doc/VantrelDoc.h"
#include "Vantrel/Frame/VantrelView.h"
#include "Vantrel/View/BinView.h"
#include "Vantrel/View/OpenGLCanvas.h"

namespace GuiTest
{
CVantrelApp& App()
{
    return *static_cast<CVantrelApp*>(wxTheApp);
}

CVantrelDocManager& Manager()
{
    return *App().GetDocManager();
}

CMainFrame& Frame()
{
    return *static_cast<CMainFrame*>(wxTheApp->GetTopWindow());
}

void Pump()
{
    // Twice: handling events (a destroyed window, a size) often posts more.
    for (int i = 0; i < 2; ++i)
    {
        wxTheApp->ProcessPendingEvents();
        wxTheApp->Yield(true);
        wxTheApp->ProcessIdle();
    }
}

bool PumpUntil(const std::function<bool()>& condition, int limitMilliseconds)
{
    const auto end = std::chrono::steady_clock::now() + std::chrono::milliseconds(limitMilliseconds);
    for (;;)
    {
        Pump();
        if (condition())
            return true;
        const auto now = std::chrono::steady_clock::now();
        if (now >= end)
            return false;
        // Nothing left to handle: wait for the next event (the display server answers in its own
        // time), or for the limit.
        const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(end - now).count();
        if (wxEventLoopBase* loop = wxEventLoopBase::GetActive())
            loop->DispatchTimeout((unsigned long)std::clamp<long long>(left, 1, 10));
    }
}

void SyncDisplay()
{
    // Through the C interface of the toolkit's display library, found at run time (the program
    // links it only through the toolkit).
    using GetDefault = void* (*)();
    using Sync = void (*)(void*);
    static const auto getDefault = reinterpret_cast<GetDefault>(dlsym(RTLD_DEFAULT, "gdk_display_get_default"));
    static const auto sync = reinterpret_cast<Sync>(dlsym(RTLD_DEFAULT, "gdk_display_sync"));
    void* display = getDefault != nullptr ? getDefault() : nullptr;
    if (sync != nullptr && display != nullptr)
        sync(display);
}

namespace
{
// The OpenGL panes of a window (itself among them) that wait for a paint asked of them, as
// "<title of their window>" texts.
void Unanswered(wxWindow* window, std::vector<std::string>& panes)
{
    if (auto* canvas = dynamic_cast<COpenGLCanvas*>(window); canvas != nullptr && canvas->HasUnansweredPaint())
    {
        wxWindow* top = wxGetTopLevelParent(canvas);
        panes.push_back("\"" + (top != nullptr ? top->GetLabel().utf8_string() : std::string()) + "\"");
    }
    for (wxWindow* child : window->GetChildren())
        Unanswered(child, panes);
}
} // namespace

namespace
{
// Counts the paints handled while it lives, of every window.
class PaintCount : public wxEventFilter
{
public:
    PaintCount() { wxEvtHandler::AddFilter(this); }
    ~PaintCount() override { wxEvtHandler::RemoveFilter(this); }
    int FilterEvent(wxEvent& event) override
    {
        if (event.GetEventType() == wxEVT_PAINT)
            ++Paints;
        return Event_Skip;
    }
    int Paints = 0;
};
} // namespace

void AnswerPaints(wxWindow* window, int limitMilliseconds)
{
    std::vector<wxWindow*> windows;
    if (window != nullptr)
        windows.push_back(window);
    else
        for (wxWindow* top : wxTopLevelWindows)
            windows.push_back(top);
    const auto end = std::chrono::steady_clock::now() + std::chrono::milliseconds(limitMilliseconds);
    std::vector<std::string> panes;
    const auto answeredNow = [&] {
        panes.clear();
        for (wxWindow* each : windows)
        {
            // What is invalid is painted now (the toolkit would on its next frame).
            each->Update();
            Unanswered(each, panes);
        }
        return panes.empty();
    };
    // Rounds until one where nothing was painted: each begins by taking in what the display
    // server has done until then (the exposes of windows it mapped or uncovered, and those that
    // the last round's paints caused) and ends when the panes have answered what was asked. A
    // window that paints in every round (an animation) ends the wait after a few.
    bool answered = false;
    PaintCount count;
    for (int round = 0; round < 8; ++round)
    {
        SyncDisplay();
        count.Paints = 0;
        const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(end - std::chrono::steady_clock::now());
        answered = PumpUntil(answeredNow, int(std::max<long long>(left.count(), 0)));
        if (!answered || count.Paints == 0)
            break;
    }
    if (!answered)
    {
        std::string list;
        for (const std::string& pane : panes)
            list += (list.empty() ? "" : ", ") + pane;
        ADD_FAILURE() << "the OpenGL panes of " << list << " have not answered the paints asked of them within "
                      << limitMilliseconds << " ms: the screen would show an older picture";
    }
    // What the last paints drew is on the screen.
    SyncDisplay();
}

void Command(int id)
{
    wxCommandEvent event(wxEVT_MENU, id);
    event.SetEventObject(&Frame());
    Frame().ProcessWindowEvent(event);
    Pump();
}

CVantrelDoc* Open(const std::string& path)
{
    wxDocument* document = Manager().CreateDocument(CPathText::ToWx(path), wxDOC_SILENT);
    // Until every pane is on the screen and its size has held for a while: the toolkit lays
    // the window out on its frame clock, in more than one step (the tabs of the first document
    // window come after it).
    std::vector<wxSize> last;
    auto since = std::chrono::steady_clock::now();
    PumpUntil([&] {
        // What the display server did with the window (its sizes and exposes) is in.
        SyncDisplay();
        std::vector<wxSize> sizes;
        for (wxList::compatibility_iterator node = document != nullptr ? document->GetViews().GetFirst() : nullptr;
             node; node = node->GetNext())
        {
            auto* view = dynamic_cast<CVantrelView*>(static_cast<wxView*>(node->GetData()));
            wxWindow* pane = view != nullptr ? view->GetPane() : nullptr;
            if (pane == nullptr)
                continue;
            if (!pane->IsShownOnScreen() || pane->GetClientSize().GetHeight() <= 0)
                return false;
            sizes.push_back(pane->GetClientSize());
        }
        const auto now = std::chrono::steady_clock::now();
        if (sizes != last)
        {
            last = sizes;
            since = now;
        }
        return now - since >= std::chrono::milliseconds(100);
    });
    return dynamic_cast<CVantrelDoc*>(document);
}

void CloseAll()
{
    Manager().CloseDocuments(true);
    Pump();
}

int DocumentCount()
{
    return int(Manager().GetDocuments().GetCount());
}

void ClearHistory()
{
    wxFileHistory* history = Manager().GetFileHistory();
    while (history->GetCount() > 0)
        history->RemoveFileFromHistory(0);
}

std::vector<std::string> History()
{
    std::vector<std::string> files;
    wxFileHistory* history = Manager().GetFileHistory();
    for (std::size_t i = 0; i < history->GetCount(); ++i)
        files.push_back(CPathText::FromWx(history->GetHistoryFile(i)));
    return files;
}

bool ChooseFile(const std::function<void()>& command, const std::string& path, bool isAddress)
{
    // Through the chooser's C interface, found at run time as the display's.
    using Set = int (*)(void*, const char*);
    using Get = char* (*)(void*);
    using Free = void (*)(void*);
    using Respond = void (*)(void*, int);
    const auto set = reinterpret_cast<Set>(
        dlsym(RTLD_DEFAULT, isAddress ? "gtk_file_chooser_set_uri" : "gtk_file_chooser_set_filename"));
    const auto get = reinterpret_cast<Get>(
        dlsym(RTLD_DEFAULT, isAddress ? "gtk_file_chooser_get_uri" : "gtk_file_chooser_get_filename"));
    const auto free = reinterpret_cast<Free>(dlsym(RTLD_DEFAULT, "g_free"));
    const auto respond = reinterpret_cast<Respond>(dlsym(RTLD_DEFAULT, "gtk_dialog_response"));
    if (set == nullptr || get == nullptr || free == nullptr || respond == nullptr)
    {
        ADD_FAILURE() << "the toolkit's file chooser cannot be driven";
        return false;
    }
    constexpr int Accept = -3; // GTK_RESPONSE_ACCEPT: the chooser's Open
    bool held = false;
    bool shown = false;
    DialogTest::Script script;
    script.onShow = [&](wxDialog& dialog) {
        shown = true;
        void* chooser = dialog.GetHandle();
        // The chooser takes the file once it has read its folder; a name given while it is still
        // starting up can be lost to its own first folder, so it is given again if not taken.
        for (int attempt = 0; attempt < 3 && !held; ++attempt)
        {
            set(chooser, path.c_str());
            held = DialogTest::PumpUntil([&] {
                char* chosen = get(chooser);
                const bool same = chosen != nullptr && path == chosen;
                free(chosen);
                return same;
            });
        }
        respond(chooser, held ? Accept : -6); // else GTK_RESPONSE_CANCEL
    };
    command();
    EXPECT_TRUE(shown) << "no file dialog";
    EXPECT_TRUE(held) << "the chooser did not take " << path;
    return shown && held;
}

int TemplateIdOf(wxDocument* document)
{
    auto* docTemplate =
        document != nullptr ? dynamic_cast<CFixedMultiDocTemplate*>(document->GetDocumentTemplate()) : nullptr;
    return docTemplate != nullptr ? docTemplate->GetId() : 0;
}

CBinCanvas* CanvasOf(wxDocument* document)
{
    CBinView* view = ViewOf<CBinView>(document);
    return view != nullptr ? view->GetCanvas() : nullptr;
}

Messages::Messages()
{
    m_previous = CCatchPattern::SetSink([this](const std::string& text) { Texts.push_back(text); });
}

Messages::~Messages()
{
    CCatchPattern::SetSink(m_previous);
}

void FailOnMessages()
{
    CCatchPattern::SetSink([](const std::string& text) { ADD_FAILURE() << "unexpected message: " << text; });
}

namespace
{
// Consulted after the hooks of the tests (a later hook is asked first): what reaches it was
// answered by none of them.
class UnexpectedDialogs : public wxModalDialogHook
{
public:
    UnexpectedDialogs() { Register(); }

protected:
    int Enter(wxDialog* dialog) override
    {
        // A script lets its dialogs run their modal loops and acts inside them.
        if (DialogTest::Script::Running() > 0)
            return wxID_NONE;
        std::string what = dialog->GetTitle().utf8_string();
        if (auto* box = dynamic_cast<wxMessageDialog*>(dialog))
            what += ": " + box->GetMessage().utf8_string();
        ADD_FAILURE() << "unexpected dialog " << what;
        return wxID_CANCEL;
    }
    void Exit(wxDialog*) override {}
};
} // namespace

void FailOnUnexpectedDialogs()
{
    static UnexpectedDialogs hook;
}

RealMessageBoxes::RealMessageBoxes()
{
    m_previous = CCatchPattern::SetSink(nullptr);
}

RealMessageBoxes::~RealMessageBoxes()
{
    CCatchPattern::SetSink(m_previous);
}

std::string ArtifactsFolder()
{
    std::filesystem::create_directories(VELMO_ARTIFACTS_DIR);
    return VELMO_ARTIFACTS_DIR;
}

std::string SaveShot(const wxImage& image, const std::string& name)
{
    if (name.empty())
        return std::string();
    const std::string path = ArtifactsFolder() + "/" + name + ".png";
    EXPECT_TRUE(image.IsOk() && image.SaveFile(wxString::FromUTF8(path), wxBITMAP_TYPE_PNG)) << path;
    return path;
}

namespace
{
// The display server's picture of the screen (what a user sees), cut to the area.
wxImage ShotOfScreen(wxWindow* window, const wxRect& area, const std::string& name)
{
    AnswerPaints(window);
    const std::string file = ArtifactsFolder() + "/.screen-" + std::to_string(getpid()) + ".png";
    const std::string command = "import -window root '" + file + "'";
    EXPECT_EQ(std::system(command.c_str()), 0) << command;
    wxImage image(wxString::FromUTF8(file), wxBITMAP_TYPE_PNG);
    std::remove(file.c_str());
    if (!image.IsOk())
        return image;
    if (!area.IsEmpty())
        image = image.GetSubImage(area.Intersect(wxRect(0, 0, image.GetWidth(), image.GetHeight())));
    SaveShot(image, name);
    return image;
}
} // namespace

wxImage ScreenShot(const std::string& name)
{
    return ShotOfScreen(nullptr, wxRect(), name);
}

wxImage Shot(wxWindow* window, const std::string& name)
{
    if (window == nullptr)
        return wxImage();
    return ShotOfScreen(window, ScreenRect(window), name);
}

wxRect ScreenRect(wxWindow* window)
{
    if (window == nullptr)
        return wxRect();
    // The screen's pixels: on a scaled screen each logical pixel of the toolkit is several.
    const double scale = window->GetContentScaleFactor();
    const wxPoint position = window->GetScreenPosition();
    const wxSize size = window->GetSize();
    return wxRect(wxRound(position.x * scale), wxRound(position.y * scale), wxRound(size.GetWidth() * scale),
                  wxRound(size.GetHeight() * scale));
}

wxImage GLShot(wxGLCanvas* canvas, wxGLContext* context, const std::string& name, const std::function<void()>& draw)
{
    if (canvas == nullptr || context == nullptr)
        return wxImage();
    // Without a drawing of its own: the picture of the last paint, once the canvas has answered
    // what was asked of it.
    if (!draw)
        AnswerPaints(canvas);
    if (!canvas->SetCurrent(*context))
        return wxImage();
    const wxSize size = canvas->GetClientSize() * canvas->GetContentScaleFactor();
    if (size.GetWidth() <= 0 || size.GetHeight() <= 0)
        return wxImage();
    std::vector<unsigned char> rgb(std::size_t(size.GetWidth()) * size.GetHeight() * 3);
    if (draw)
        draw();
    glFinish();
    glReadBuffer(GL_BACK);
    glPixelStorei(GL_PACK_ALIGNMENT, 1);
    glReadPixels(0, 0, size.GetWidth(), size.GetHeight(), GL_RGB, GL_UNSIGNED_BYTE, rgb.data());
    // OpenGL's rows run from the bottom up.
    wxImage image(size.GetWidth(), size.GetHeight());
    const std::size_t row = std::size_t(size.GetWidth()) * 3;
    for (int y = 0; y < size.GetHeight(); ++y)
        std::copy_n(rgb.data() + (size.GetHeight() - 1 - y) * row, row, image.GetData() + y * row);
    SaveShot(image, name);
    return image;
}

namespace
{
wxRect Inside(const wxImage& image, const wxRect& area)
{
    const wxRect all(0, 0, image.GetWidth(), image.GetHeight());
    return area.IsEmpty() ? all : area.Intersect(all);
}
} // namespace

int DarkPixels(const wxImage& image, const wxRect& area)
{
    if (!image.IsOk())
        return -1;
    const wxRect inside = Inside(image, area);
    int dark = 0;
    for (int y = inside.GetTop(); y <= inside.GetBottom(); ++y)
        for (int x = inside.GetLeft(); x <= inside.GetRight(); ++x)
            if (image.GetRed(x, y) + image.GetGreen(x, y) + image.GetBlue(x, y) < 3 * 100)
                ++dark;
    return dark;
}

int DifferentPixels(const wxImage& a, const wxImage& b, const wxRect& area)
{
    if (!a.IsOk() || !b.IsOk() || a.GetSize() != b.GetSize())
        return -1;
    const wxRect inside = Inside(a, area);
    int different = 0;
    for (int y = inside.GetTop(); y <= inside.GetBottom(); ++y)
        for (int x = inside.GetLeft(); x <= inside.GetRight(); ++x)
            if (a.GetRed(x, y) != b.GetRed(x, y) || a.GetGreen(x, y) != b.GetGreen(x, y) ||
                a.GetBlue(x, y) != b.GetBlue(x, y))
                ++different;
    return different;
}
} // namespace GuiTest
