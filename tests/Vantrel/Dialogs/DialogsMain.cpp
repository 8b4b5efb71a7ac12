// The dialog tests run inside the toolkit's message loop, as the program's dialogs do.
#include <gtest/gtest.h>
#include <wx/app.h>
#include <wx/init.h>
#include <wx/log.h>

namespace
{
class TestApp : public wxApp
{
public:
    bool OnInit() override
    {
        SetAppDisplayName("Vantrel");
        // The dialogs are the only windows: closing the last must not end the loop.
        SetExitOnFrameDelete(false);
        return true;
    }
};

// A failed toolkit check fails the running test.
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
    wxApp::SetInstance(new TestApp);
    int appArgc = 1;
    char* appArgv[] = {argv[0], nullptr};
    if (!wxEntryStart(appArgc, appArgv))
        return 2;
    wxSetAssertHandler(ReportAssert);
    wxLog::EnableLogging(false);
    if (!wxTheApp->CallOnInit())
        return 3;
    int result = 1;
    wxTheApp->CallAfter([&result] {
        result = RUN_ALL_TESTS();
        wxTheApp->ExitMainLoop();
    });
    wxTheApp->OnRun();
    wxTheApp->OnExit();
    wxEntryCleanup();
    return result;
}
