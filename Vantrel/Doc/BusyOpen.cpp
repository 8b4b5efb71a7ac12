#include "Vantrel/Doc/BusyOpen.h"

#include <chrono>
#include <future>
#include <memory>

#include <wx/busyinfo.h>
#include <wx/utils.h>

namespace
{
int g_delayMilliseconds = 500;
std::string g_lastShownText;
} // namespace

std::string CBusyOpen::GetBusyText(const std::string& fileName)
{
    return "Opening " + fileName + "...";
}

void CBusyOpen::SetDelayMilliseconds(int milliseconds)
{
    g_delayMilliseconds = milliseconds;
}

std::string CBusyOpen::GetLastShownText()
{
    return g_lastShownText;
}

void CBusyOpen::Run(const std::string& fileName, const std::function<void()>& operation)
{
    wxBusyCursor busy;
    std::future<void> done = std::async(std::launch::async, operation);
    std::unique_ptr<wxBusyInfo> window;
    if (done.wait_for(std::chrono::milliseconds(g_delayMilliseconds)) != std::future_status::ready)
    {
        g_lastShownText = GetBusyText(fileName);
        window = std::make_unique<wxBusyInfo>(wxString::FromUTF8(g_lastShownText));
        done.wait();
    }
    window.reset();
    done.get();
}
