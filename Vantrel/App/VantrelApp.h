#pragma once
// The application: the settings (vendor "Velmo", application "Vantrel"), the recent-file list
// of 4, the eleven templates, the main window, the command line, and the message loop inside
// the crash handlers. An exception that escapes a handler shows its text and the program goes
// on. Commands of its own: About and Strict.
#include <string>

#include <wx/app.h>
#include <wx/cmdline.h>
#include <wx/config.h>

class CVantrelDocManager;

class CVantrelApp : public wxApp
{
public:
    bool OnInit() override;
    int OnRun() override;
    int OnExit() override;
    void OnInitCmdLine(wxCmdLineParser& parser) override;
    bool OnCmdLineParsed(wxCmdLineParser& parser) override;
    bool OnExceptionInMainLoop() override;
    void OnUnhandledException() override;

    CVantrelDocManager* GetDocManager() const { return m_manager; }
    // Opens the file named on the command line, as File Open would; false when it failed (its
    // message shown). A relative name is taken from the folder the program was started in.
    bool OpenCommandFile(const wxString& path);
    // The folder where File Open starts: the one stored at the end of the last run, then the
    // last one chosen.
    wxString GetOpenFolder() const;
    // Whether a folder is stored at exit: 1 to 259 bytes; otherwise the stored one stays.
    static bool IsStorableFolder(const std::string& folder);
    // The stored folder when it is set and still exists, else empty.
    static wxString ReadStoredFolder(const wxConfigBase& config);
    // Stores a folder of 1 to 259 bytes; any other leaves the stored one as it was.
    static void WriteStoredFolder(wxConfigBase& config, const wxString& folder);

    static constexpr const char* NoticeText =
        "Program has been terminated by an unexpected condition.\nAn error log has been written to %1. "
        "Please email this to the author along with a description of the problem.";
    // The notice of a crash whose report could not be written; the report's text follows it.
    static constexpr const char* NoFileNoticeText =
        "Program has been terminated by an unexpected condition.\nNo error log could be written. "
        "Please email the report below to the author along with a description of the problem.";

private:
    void OnAbout(wxCommandEvent& event);
    void OnStrict(wxCommandEvent& event);
    void OnUpdateStrict(wxUpdateUIEvent& event);
    void StoreFolder();

    CVantrelDocManager* m_manager = nullptr;
    wxString m_commandFile;
    wxString m_crashReport;
    bool m_crashText = false;
    // Started to show a crash notice, which has been shown: nothing more to run.
    bool m_noticeShown = false;
};

wxDECLARE_APP(CVantrelApp);
