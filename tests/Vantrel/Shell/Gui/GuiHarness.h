#pragma once
// What the GUI tests share: the running application, event pumping, commands sent as menu
// events, captured messages, screenshots and their checks.
#include <functional>
#include <string>
#include <vector>

#include <wx/docview.h>
#include <wx/gdicmn.h>

class CBinCanvas;
class CMainFrame;
class CVantrelApp;
class CVantrelDocManager;
class CVantrelDoc;

namespace GuiTest
{
CVantrelApp& App();
CVantrelDocManager& Manager();
CMainFrame& Frame();

// Processes events for at least the given time (and until none are pending).
void Pump(int milliseconds = 50);
// Sends a command to the main window as its menu would (the active document window first).
void Command(int id);
// Opens a file as File Open would after its dialog; null when the open failed.
CVantrelDoc* Open(const std::string& path);
// Closes every document without questions.
void CloseAll();
int DocumentCount();
// The dump window of a document's first view, or null.
CBinCanvas* CanvasOf(wxDocument* document);
// The resource id of a document's template, 0 without one.
int TemplateIdOf(wxDocument* document);

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

// A screenshot of the whole display into artifacts/<name>.png; returns its path.
std::string Screenshot(const std::string& name);
// The number of dark pixels (text) of a screenshot inside a rectangle of the screen.
int DarkPixels(const std::string& png, const wxRect& area);
// The number of pixels that differ between two screenshots inside a rectangle.
int DifferentPixels(const std::string& a, const std::string& b, const wxRect& area);
} // namespace GuiTest
