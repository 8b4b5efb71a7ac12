#include "GuiHarness.h"

#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <thread>

#include <gtest/gtest.h>
#include <wx/app.h>
#include <wx/image.h>
#include <wx/utils.h>

#include "Vantrel/App/FixedMultiDocTemplate.h"
#include "Vantrel/App/MainFrame.h"
#include "Vantrel/App/VantrelApp.h"
#include "Vantrel/App/VantrelDocManager.h"
#include "Vantrel/Doc/CatchPattern.h"
#include "Vantrel/Doc/VantrelDoc.h"
#include "Vantrel/View/BinView.h"

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

void Pump(int milliseconds)
{
    const auto end = std::chrono::steady_clock::now() + std::chrono::milliseconds(milliseconds);
    do
    {
        wxTheApp->ProcessPendingEvents();
        wxTheApp->Yield(true);
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
    } while (std::chrono::steady_clock::now() < end);
    wxTheApp->ProcessPendingEvents();
    wxTheApp->Yield(true);
}

void Command(int id)
{
    wxCommandEvent event(wxEVT_MENU, id);
    event.SetEventObject(&Frame());
    Frame().ProcessWindowEvent(event);
    Pump(0);
}

CVantrelDoc* Open(const std::string& path)
{
    wxDocument* document = Manager().CreateDocument(wxString::FromUTF8(path), wxDOC_SILENT);
    Pump(30);
    return dynamic_cast<CVantrelDoc*>(document);
}

void CloseAll()
{
    Manager().CloseDocuments(true);
    Pump(30);
}

int DocumentCount()
{
    return int(Manager().GetDocuments().GetCount());
}

CBinCanvas* CanvasOf(wxDocument* document)
{
    if (document == nullptr || document->GetViews().empty())
        return nullptr;
    auto* view = dynamic_cast<CBinView*>(static_cast<wxView*>(document->GetViews().GetFirst()->GetData()));
    return view != nullptr ? view->GetCanvas() : nullptr;
}

int TemplateIdOf(wxDocument* document)
{
    auto* docTemplate = document != nullptr ? dynamic_cast<CFixedMultiDocTemplate*>(document->GetDocumentTemplate()) : nullptr;
    return docTemplate != nullptr ? docTemplate->GetId() : 0;
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

std::string Screenshot(const std::string& name)
{
    Pump(100);
    std::filesystem::create_directories(VELMO_ARTIFACTS_DIR);
    const std::string path = std::string(VELMO_ARTIFACTS_DIR) + "/" + name + ".png";
    const std::string command = "import -window root '" + path + "'";
    EXPECT_EQ(std::system(command.c_str()), 0) << command;
    return path;
}

int DarkPixels(const std::string& png, const wxRect& area)
{
    wxImage image(wxString::FromUTF8(png), wxBITMAP_TYPE_PNG);
    if (!image.IsOk())
        return -1;
    const wxRect inside = area.Intersect(wxRect(0, 0, image.GetWidth(), image.GetHeight()));
    int dark = 0;
    for (int y = inside.GetTop(); y <= inside.GetBottom(); ++y)
        for (int x = inside.GetLeft(); x <= inside.GetRight(); ++x)
            if (image.GetRed(x, y) + image.GetGreen(x, y) + image.GetBlue(x, y) < 3 * 100)
                ++dark;
    return dark;
}

int DifferentPixels(const std::string& a, const std::string& b, const wxRect& area)
{
    wxImage first(wxString::FromUTF8(a), wxBITMAP_TYPE_PNG);
    wxImage second(wxString::FromUTF8(b), wxBITMAP_TYPE_PNG);
    if (!first.IsOk() || !second.IsOk() || first.GetSize() != second.GetSize())
        return -1;
    const wxRect inside = area.Intersect(wxRect(0, 0, first.GetWidth(), first.GetHeight()));
    int different = 0;
    for (int y = inside.GetTop(); y <= inside.GetBottom(); ++y)
        for (int x = inside.GetLeft(); x <= inside.GetRight(); ++x)
            if (first.GetRed(x, y) != second.GetRed(x, y) || first.GetGreen(x, y) != second.GetGreen(x, y) ||
                first.GetBlue(x, y) != second.GetBlue(x, y))
                ++different;
    return different;
}
} // namespace GuiTest
