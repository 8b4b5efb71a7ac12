#pragma once
// The GUI test kit: the running application, event pumping, commands sent as menu events,
// captured messages, shots of windows (PNG files under build/artifacts/) and their checks, and
// the pixels of an OpenGL canvas read in its own context.
//
// Writing a GUI suite: put tests/Vantrel/<Folder>/Gui/<Something>Test.cpp (any name; a name
// beginning with "Perf" makes a figures-only suite, label perf) and write plain gtest TESTs
// that include "GuiKit.h". Nothing else to edit: every such file is found by the build,
// compiled into the folder's GUI program (Vantrel<Folder>GuiTests, the real application
// started as the program starts it, tests run inside its message loop) and registered with
// ctest as VantrelGui.<Folder>.<Something>Test (label gui), which runs only that file's tests in
// a virtual display and an empty home folder of their own. A suite never relies on another's
// files or order. Wait with PumpUntil(condition), never with fixed sleeps.
#include <functional>
#include <string>
#include <vector>

#include <wx/docview.h>
#include <wx/gdicmn.h>
#include <wx/image.h>

class CBinCanvas;
class CMainFrame;
class CVantrelApp;
class CVantrelDocManager;
class CVantrelDoc;
class wxGLCanvas;
class wxGLContext;
class wxWindow;

namespace GuiTest
{
CVantrelApp& App();
CVantrelDocManager& Manager();
CMainFrame& Frame();

// Handles every event that is pending now (paints, sizes, calls after), without waiting.
void Pump();
// Handles events until the condition holds or the limit (milliseconds) has passed; whether it
// held. Use it wherever a test must wait for the toolkit.
bool PumpUntil(const std::function<bool()>& condition, int limitMilliseconds = 5000);
// Until the screen shows what the panes and controls show now: takes in what the display server
// has done (the exposes of windows it mapped or uncovered), has the window (every window when
// null) paint what is invalid and every OpenGL pane of it answer the repaints asked of it, then
// takes in again what the display server did meanwhile, round after round until a round paints
// nothing. A pane that has not answered within the limit fails the running test. Every shot of
// the screen begins with it.
constexpr int PaintLimit = 30000;
void AnswerPaints(wxWindow* window = nullptr, int limitMilliseconds = PaintLimit);
// Waits until the display server has handled every request sent to it, and takes its answers
// (the events that they caused) in, to be handled by the next Pump.
void SyncDisplay();

// Sends a command to the main window as its menu would (the active document window first).
void Command(int id);
// Opens a file (a path of any bytes) as File Open would after its dialog, and waits until its
// panes are on the screen and their sizes have settled; null when the open failed.
CVantrelDoc* Open(const std::string& path);
// Closes every document without questions.
void CloseAll();
int DocumentCount();
// The resource id of a document's template, 0 without one.
int TemplateIdOf(wxDocument* document);
// Runs a command that shows a file dialog and chooses in it as a user would in the toolkit's own
// chooser: the chooser, on the screen, is given the file by its bytes, whatever they are (a name
// that is not UTF-8 among them), or, given an address ("sftp://..."), by that; once it holds the
// choice, its Open is pressed. Whether the chooser was shown and held the choice.
bool ChooseFile(const std::function<void()>& command, const std::string& path, bool isAddress = false);
// Empties the recent-files list of the File menu.
void ClearHistory();
// The recent-files list, most recent first, as the paths it holds (their bytes).
std::vector<std::string> History();

// The index-th view of class T among a document's views (null when there is none).
template <class T>
T* ViewOf(wxDocument* document, std::size_t index = 0)
{
    if (document == nullptr)
        return nullptr;
    for (wxList::compatibility_iterator node = document->GetViews().GetFirst(); node; node = node->GetNext())
        if (auto* view = dynamic_cast<T*>(static_cast<wxView*>(node->GetData())))
        {
            if (index == 0)
                return view;
            --index;
        }
    return nullptr;
}
// The dump window of a document's hexadecimal view, or null.
CBinCanvas* CanvasOf(wxDocument* document);

// Every message shown while the object lives.
class Messages
{
public:
    Messages();
    ~Messages();
    std::vector<std::string> Texts;

private:
    std::function<void(const std::string&)> m_previous;
};
// Outside a Messages object, a message fails the running test instead of waiting for a user.
void FailOnMessages();
// A modal dialog that the test does not answer itself (wxTEST_DIALOG, a DialogTest::Script)
// fails the running test and is cancelled at once instead of waiting for a user. On from the
// start of the program.
void FailOnUnexpectedDialogs();
// While the object lives, messages go to the real message box (for wxTEST_DIALOG).
class RealMessageBoxes
{
public:
    RealMessageBoxes();
    ~RealMessageBoxes();

private:
    std::function<void(const std::string&)> m_previous;
};

// The folder of the shots: build/artifacts.
std::string ArtifactsFolder();
// What the screen shows once the panes have answered their paints (AnswerPaints): the whole
// screen, or a window's part of it (as it is painted on the screen, with whatever stands above
// it), saved as artifacts/<name>.png (an empty name saves nothing).
wxImage ScreenShot(const std::string& name);
wxImage Shot(wxWindow* window, const std::string& name);
// The pixels of an OpenGL canvas, read in its own context (made current here) from its back
// buffer, saved as artifacts/<name>.png: what its last paint drew, once it has answered the
// repaints asked of it (the software renderer keeps the back buffer after the swap), or, given a
// draw function, what that draws there now (call the view's drawing without its swap). Null
// image when the context cannot be made current.
wxImage GLShot(wxGLCanvas* canvas, wxGLContext* context, const std::string& name,
               const std::function<void()>& draw = {});
// Saves an image as artifacts/<name>.png; returns the path (nothing for an empty name).
std::string SaveShot(const wxImage& image, const std::string& name);

// The number of dark pixels (text) of an image inside a rectangle of it (all of it by default).
int DarkPixels(const wxImage& image, const wxRect& area = wxRect());
// The number of pixels that differ between two images of one size inside a rectangle; -1 when
// the sizes differ.
int DifferentPixels(const wxImage& a, const wxImage& b, const wxRect& area = wxRect());
// The rectangle of a window inside a screen shot (in the screen's pixels, which on a scaled
// screen are more than the toolkit's).
wxRect ScreenRect(wxWindow* window);
} // namespace GuiTest
