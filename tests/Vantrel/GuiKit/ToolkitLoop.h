// The start and end of a GUI test program: the toolkit started around an application object,
// and the tests run from inside its message loop so that dialogs, paints and keys work as for a
// user. Shared by the application's GUI test program and the dialogs' own.
#pragma once

#include <functional>

#include <gtest/gtest.h>
#include <wx/app.h>
#include <wx/init.h>
#include <wx/log.h>

namespace GuiTest
{
// A failed toolkit check (an unexpected dialog under wxTEST_DIALOG among them) fails the test.
inline void ReportAssert(const wxString& file, int line, const wxString& function, const wxString& condition,
                         const wxString& message)
{
    ADD_FAILURE_AT(file.utf8_string().c_str(), line)
        << function.utf8_string() << ": " << condition.utf8_string() << " " << message.utf8_string();
}

// Starts the toolkit with the application object (which it takes over) and the program's name
// as its only argument; its failed checks fail the running test and its log is off. False when
// the toolkit does not start.
inline bool StartToolkit(wxApp* app, char* program)
{
    wxApp::SetInstance(app);
    static char* appArgv[] = {nullptr, nullptr};
    appArgv[0] = program;
    int appArgc = 1;
    if (!wxEntryStart(appArgc, appArgv))
        return false;
    wxSetAssertHandler(ReportAssert);
    wxLog::EnableLogging(false);
    return true;
}

// Runs the tests from inside the message loop (run gives the program's result), then ends the
// loop, the application and the toolkit; returns run's result.
inline int RunInLoop(const std::function<int()>& run)
{
    int result = 1;
    wxTheApp->CallAfter([&result, &run] {
        result = run();
        wxTheApp->ExitMainLoop();
    });
    wxTheApp->OnRun();
    wxTheApp->OnExit();
    wxEntryCleanup();
    return result;
}
} // namespace GuiTest
