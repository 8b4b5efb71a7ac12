// The GUI test program: the real application object, started as the program starts it, with the
// tests run from inside its message loop so that dialogs, paints and keys work as for a user.
#include <gtest/gtest.h>
#include <wx/app.h>
#include <wx/image.h>
#include <wx/init.h>
#include <wx/log.h>

#include "GuiHarness.h"
#include "Vantrel/App/VantrelApp.h"

namespace
{
// A failed toolkit check (an unexpected dialog under wxTEST_DIALOG among them) fails the test.
void ReportAssert(const wxString& file, int line, const wxString& function, const wxString& condition,
                  const wxString& message)
{
    ADD_FAILURE_AT(file.utf8_string().c_str(), line)
        << function.utf8_string() << ": " << condition.utf8_string() << " " << message.utf8_string();
}
} // namespace

int main(int argc, char** argv)
{
    testing::InitGoogleTest(&argc, argv);
    wxApp::SetInstance(new CVantrelApp);
    int appArgc = 1;
    char* appArgv[] = {argv[0], nullptr};
    if (!wxEntryStart(appArgc, appArgv))
        return 2;
    wxSetAssertHandler(ReportAssert);
    wxLog::EnableLogging(false);
    wxImage::AddHandler(new wxPNGHandler);
    if (!wxTheApp->CallOnInit())
        return 3;
    GuiTest::FailOnMessages();
    int result = 1;
    wxTheApp->CallAfter([&result] {
        GuiTest::Pump(200);
        result = RUN_ALL_TESTS();
        GuiTest::CloseAll();
        wxTheApp->GetTopWindow()->Destroy();
        wxTheApp->ExitMainLoop();
    });
    wxTheApp->OnRun();
    wxTheApp->OnExit();
    wxEntryCleanup();
    return result;
}
