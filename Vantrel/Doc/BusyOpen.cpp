#include "Vantrel/Doc/BusyOpen.h"

#include <chrono>
#include <memory>

#include <wx/app.h>
#include <wx/dcclient.h>
#include <wx/evtloop.h>
#include <wx/frame.h>
#include <wx/panel.h>
#include <wx/sizer.h>
#include <wx/stattext.h>
#include <wx/thread.h>
#include <wx/utils.h>

#include "Vantrel/Text/CodePage1252.h"

namespace
{
wxWindow* g_window = nullptr;
std::string g_lastShownText;

// A small frame with the text, above the main window; destroyed at once when the open ends.
class BusyWindow
{
public:
    explicit BusyWindow(const std::string& text)
    {
        wxWindow* top = wxTheApp != nullptr ? wxTheApp->GetTopWindow() : nullptr;
        m_frame = new wxFrame(top, wxID_ANY, "Vantrel", wxDefaultPosition, wxDefaultSize,
                              wxFRAME_TOOL_WINDOW | wxFRAME_NO_TASKBAR | wxFRAME_FLOAT_ON_PARENT | wxBORDER_SIMPLE);
        auto* panel = new wxPanel(m_frame);
        auto* label = new wxStaticText(panel, wxID_ANY, wxString::FromUTF8(CodePage1252::Shown(text)));
        auto* inner = new wxBoxSizer(wxVERTICAL);
        inner->Add(label, 0, wxALL, 20);
        panel->SetSizer(inner);
        auto* outer = new wxBoxSizer(wxVERTICAL);
        outer->Add(panel, 1, wxEXPAND);
        m_frame->SetSizerAndFit(outer);
        if (top != nullptr)
            m_frame->CentreOnParent();
        else
            m_frame->CentreOnScreen();
        auto painted = std::make_shared<bool>(false);
        panel->Bind(wxEVT_PAINT, [painted, panel](wxPaintEvent&) {
            wxPaintDC dc(panel);
            *painted = true;
        });
        m_frame->Show(true);
        m_frame->Update();
        // Paints only (no input reaches the program while it is busy), until the text is up;
        // a display that never paints does not hold the open for long.
        const auto end = std::chrono::steady_clock::now() + std::chrono::milliseconds(500);
        // Before the main loop runs (a file named on the command line) a loop of its own serves.
        std::unique_ptr<wxGUIEventLoop> ownLoop;
        std::unique_ptr<wxEventLoopActivator> activator;
        if (wxEventLoopBase::GetActive() == nullptr)
        {
            ownLoop = std::make_unique<wxGUIEventLoop>();
            activator = std::make_unique<wxEventLoopActivator>(ownLoop.get());
        }
        while (!*painted && std::chrono::steady_clock::now() < end)
        {
            wxEventLoopBase::GetActive()->YieldFor(wxEVT_CATEGORY_UI);
            if (!*painted)
                wxMilliSleep(1);
        }
        label->Update();
        g_window = m_frame;
    }
    ~BusyWindow()
    {
        g_window = nullptr;
        m_frame->Destroy();
    }
    BusyWindow(const BusyWindow&) = delete;
    BusyWindow& operator=(const BusyWindow&) = delete;

private:
    wxFrame* m_frame;
};
} // namespace

std::string CBusyOpen::GetBusyText(const std::string& fileName)
{
    return "Opening " + fileName + "...";
}

wxWindow* CBusyOpen::GetWindow()
{
    return g_window;
}

std::string CBusyOpen::GetLastShownText()
{
    return g_lastShownText;
}

void CBusyOpen::Run(const std::string& fileName, std::uint64_t size, const std::function<void()>& operation)
{
    wxASSERT_MSG(wxIsMainThread(), "a document opens on the GUI thread");
    wxBusyCursor busy;
    if (size <= LargeFileBytes)
    {
        operation();
        return;
    }
    g_lastShownText = GetBusyText(fileName);
    BusyWindow window(g_lastShownText);
    operation();
}
