// The start and end of a GUI test program: the toolkit started around an application object,
// and the tests run from inside its message loop so that dialogs, paints and keys work as for a
// user. Shared by the application's GUI test program and the dialogs' own.
#pragma once

#include <dlfcn.h>

#include <cstddef>
#include <cstdio>
#include <functional>
#include <string>

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

// The toolkit's criticals (GTK's and GLib's "assertion ... failed": a call the toolkit refused,
// our misuse of it) fail the running test, or the program when no test runs. They reach GLib's
// log writer, set here through the C interface found at run time (the program links GLib only
// through the toolkit). What the writer did before (printing) it still does.
namespace ToolkitLog
{
struct Field // GLogField
{
    const char* Key;
    const void* Value;
    long Length; // -1: a text ending in a nul
};
using Writer = int (*)(int level, const Field* fields, std::size_t count, void* data);
using SetWriter = void (*)(Writer writer, void* data, void (*free)(void*));
constexpr int CriticalLevel = 1 << 3; // G_LOG_LEVEL_CRITICAL

inline Writer& DefaultWriter()
{
    static Writer writer = nullptr;
    return writer;
}

// Criticals seen while no test ran.
inline int& CriticalCount()
{
    static int count = 0;
    return count;
}

inline std::string Text(const Field& field)
{
    if (field.Value == nullptr)
        return std::string();
    const char* text = static_cast<const char*>(field.Value);
    return field.Length < 0 ? std::string(text) : std::string(text, std::size_t(field.Length));
}

inline int Write(int level, const Field* fields, std::size_t count, void* data)
{
    if ((level & CriticalLevel) != 0)
    {
        std::string domain, message;
        for (std::size_t i = 0; i < count; ++i)
        {
            const std::string key = fields[i].Key != nullptr ? fields[i].Key : "";
            if (key == "GLIB_DOMAIN")
                domain = Text(fields[i]);
            else if (key == "MESSAGE")
                message = Text(fields[i]);
        }
        // Outside a test nothing else would fail for it: the program does, at its end.
        if (testing::UnitTest::GetInstance()->current_test_info() == nullptr)
            ++CriticalCount();
        ADD_FAILURE() << "toolkit critical (" << domain << "): " << message;
    }
    return DefaultWriter() != nullptr ? DefaultWriter()(level, fields, count, data) : 0;
}

// Installs the writer once; false when the toolkit's GLib offers no writer to replace.
inline bool FailOnCriticals()
{
    static bool installed = false;
    if (installed)
        return true;
    auto set = reinterpret_cast<SetWriter>(dlsym(RTLD_DEFAULT, "g_log_set_writer_func"));
    DefaultWriter() = reinterpret_cast<Writer>(dlsym(RTLD_DEFAULT, "g_log_writer_default"));
    if (set == nullptr || DefaultWriter() == nullptr)
        return false;
    set(Write, nullptr, nullptr);
    installed = true;
    return true;
}
} // namespace ToolkitLog

// Starts the toolkit with the application object (which it takes over) and the program's name
// as its only argument; its failed checks and its criticals fail the running test and its log
// is off. False when the toolkit does not start.
inline bool StartToolkit(wxApp* app, char* program)
{
    if (!ToolkitLog::FailOnCriticals())
    {
        std::fprintf(stderr, "the toolkit's log writer cannot be replaced: its criticals go unseen\n");
        return false;
    }
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
    // Criticals after the last test (closing the windows) fail the program too.
    if (ToolkitLog::CriticalCount() > 0 && result == 0)
    {
        std::fprintf(stderr, "%d toolkit critical(s)\n", ToolkitLog::CriticalCount());
        result = 1;
    }
    return result;
}
} // namespace GuiTest
