#include "Vantrel/App/VantrelApp.h"

#include <unistd.h>

#include <iostream>
#include <iterator>
#include <string>

#include <wx/config.h>
#include <wx/dir.h>
#include <wx/filefn.h>
#include <wx/msgdlg.h>
#include <wx/stdpaths.h>

#include "Papy/FacetSets/GameRecognizers.h"
#include "Papy/Factory/FileFactoryRegistry.h"
#include "Papy/Model/Options.h"
#include "Util/AbortHandler.h"
#include "Util/AbortHandlerScope.h"
#include "Vantrel/App/AboutDlg.h"
#include "Vantrel/App/FixedMultiDocTemplate.h"
#include "Vantrel/App/MainFrame.h"
#include "Vantrel/App/StandInDoc.h"
#include "Vantrel/App/TemplateTable.h"
#include "Vantrel/App/VantrelDocManager.h"
#include "Vantrel/Dialogs/ReportDlg.h"
#include "Vantrel/Doc/3DODoc.h"
#include "Vantrel/Doc/CamDoc.h"
#include "Vantrel/Doc/CatchPattern.h"
#include "Vantrel/Doc/DatDoc.h"
#include "Vantrel/Doc/DocumentPattern.h"
#include "Vantrel/Doc/RpyDoc.h"
#include "Vantrel/Doc/LytDoc.h"
#include "Vantrel/Doc/MipDoc.h"
#include "Vantrel/Doc/PbfDoc.h"
#include "Vantrel/Doc/SrbDoc.h"
#include "Vantrel/Doc/SubDoc.h"
#include "Vantrel/Doc/TrkDoc.h"
#include "Vantrel/Frame/CommandBinding.h"
#include "Vantrel/Frame/CommandIds.h"
#include "Vantrel/Frame/DocChildFrame.h"
#include "Vantrel/Text/CodePage1252.h"
#include "Vantrel/View/3DOSplitterFrame.h"
#include "Vantrel/View/3DOTreeView.h"
#include "Vantrel/View/BinView.h"
#include "Vantrel/View/RpySplitterFrame.h"
#include "Vantrel/View/RpyTreeView.h"
#include "Vantrel/View/TrkSplitterFrame.h"
#include "Vantrel/View/TrkTreeView.h"
#include "Vantrel/View/CamView.h"
#include "Vantrel/View/DatListView.h"
#include "Vantrel/View/LytSplitterFrame.h"
#include "Vantrel/View/LytTreeView.h"
#include "Vantrel/View/MipView.h"
#include "Vantrel/View/PbfView.h"
#include "Vantrel/View/SrbView.h"

namespace
{
const char* const SettingsKey = "Settings/CurrentDirectory";

// The document, frame and view classes of a template. A document of one view names
// CDocChildFrame; a document of N panes its CSplitterFrame subclass, with the first pane's view
// (see Vantrel/Frame/DocChildFrame.h). Templates whose documents are not built yet show their
// files as hexadecimal dumps that stay out of the recent-file list.
void GetClasses(const CTemplateTable::Entry& entry, wxClassInfo*& document, wxClassInfo*& frame, wxClassInfo*& view)
{
    frame = wxCLASSINFO(CDocChildFrame);
    view = wxCLASSINFO(CBinView);
    switch (entry.Id)
    {
    case CTemplateTable::HexDumpId:
        document = wxCLASSINFO(CSubDoc);
        break;
    case 130:
        document = wxCLASSINFO(C3DODoc);
        frame = wxCLASSINFO(C3DOSplitterFrame);
        view = wxCLASSINFO(C3DOTreeView);
        break;
    case 133: // track
    case 138: // the track of a DAT container's folder
        document = wxCLASSINFO(CTrkDoc);
        frame = wxCLASSINFO(CTrkSplitterFrame);
        view = wxCLASSINFO(CTrkTreeView);
        break;
    case 140: // replay
        document = wxCLASSINFO(CRpyDoc);
        frame = wxCLASSINFO(CRpySplitterFrame);
        view = wxCLASSINFO(CRpyTreeView);
        break;
    case CTemplateTable::DatId:
        document = wxCLASSINFO(CDatDoc);
        view = wxCLASSINFO(CDatListView);
        break;
    case 134: document = wxCLASSINFO(CPbfDoc); view = wxCLASSINFO(CPbfView); break;
    case 135: document = wxCLASSINFO(CMipDoc); view = wxCLASSINFO(CMipView); break;
    case 136: document = wxCLASSINFO(CSrbDoc); view = wxCLASSINFO(CSrbView); break;
    case 137: document = wxCLASSINFO(CCamDoc); view = wxCLASSINFO(CCamView); break;
    case 141: document = wxCLASSINFO(CLytDoc); frame = wxCLASSINFO(CLytSplitterFrame); view = wxCLASSINFO(CLytTreeView); break;
    default:
        document = wxCLASSINFO(CStandInDoc);
        break;
    }
}
} // namespace

void CVantrelApp::OnInitCmdLine(wxCmdLineParser& parser)
{
    wxApp::OnInitCmdLine(parser);
    parser.AddOption(wxString(), "crash-notice", "show the notice of a crash report", wxCMD_LINE_VAL_STRING,
                     wxCMD_LINE_HIDDEN);
    parser.AddSwitch(wxString(), "crash-text", "show a crash report read from standard input", wxCMD_LINE_HIDDEN);
    parser.AddParam("file", wxCMD_LINE_VAL_STRING, wxCMD_LINE_PARAM_OPTIONAL);
}

bool CVantrelApp::OnCmdLineParsed(wxCmdLineParser& parser)
{
    if (!wxApp::OnCmdLineParsed(parser))
        return false;
    parser.Found("crash-notice", &m_crashReport);
    m_crashText = parser.Found("crash-text");
    if (parser.GetParamCount() > 0)
        m_commandFile = parser.GetParam(0);
    return true;
}

bool CVantrelApp::OnInit()
{
    SetVendorName("Velmo");
    SetAppName("Vantrel");
    SetAppDisplayName("Vantrel");
    if (!wxApp::OnInit())
        return false;

    if (!m_crashReport.empty())
    {
        // Started by the crash handler of a failed run: tell the user where the report is.
        wxString notice = NoticeText;
        notice.Replace("%1", m_crashReport);
        wxMessageBox(notice, "Vantrel", wxOK | wxICON_ERROR);
        m_noticeShown = true;
        return true;
    }
    if (m_crashText)
    {
        // Started by the crash handler of a failed run that could write no report: its text
        // comes on standard input, to be read, copied and sent.
        std::string report(std::istreambuf_iterator<char>(std::cin), std::istreambuf_iterator<char>{});
        CReportDlg::Show("Vantrel", std::string(NoFileNoticeText) + "\n\n" + CodePage1252::Shown(report));
        m_noticeShown = true;
        return true;
    }
    Velmo::Util::AbortHandlerGui::SetApplicationTitle("Vantrel");
    Velmo::Util::AbortHandlerGui::SetNoticeText(NoticeText);
    Velmo::Util::AbortHandlerGui::SetNoFileNoticeText(NoFileNoticeText);
    Velmo::Util::AbortHandlerGui::SetNoticeProgram(wxStandardPaths::Get().GetExecutablePath().utf8_string());

    // Files open through the factories of their games' folders.
    Velmo::Papy::RegisterGameRecognizers();
    CDocumentPattern::SetUsesRegistry(true);
    // A message of many lines shows its first lines and the rest behind Details.
    CCatchPattern::SetReportBox([](const std::string& caption, const std::string& text) {
        CReportDlg::Show(wxString::FromUTF8(caption), text);
    });

    wxConfigBase::Set(new wxConfig("Vantrel", "Velmo"));
    m_manager = new CVantrelDocManager;
    m_manager->FileHistoryLoad(*wxConfigBase::Get());
    for (const CTemplateTable::Entry& entry : CTemplateTable::Entries())
    {
        wxClassInfo* document = nullptr;
        wxClassInfo* frame = nullptr;
        wxClassInfo* view = nullptr;
        GetClasses(entry, document, frame, view);
        new CFixedMultiDocTemplate(m_manager, entry, document, view, frame);
    }

    auto* frame = new CMainFrame(m_manager);
    SetTopWindow(frame);
    BindCommand(*this, ID_APP_ABOUT, [this](wxCommandEvent& event) { OnAbout(event); });
    BindCommand(*this, ID_STRICT, [this](wxCommandEvent& event) { OnStrict(event); },
                [this](wxUpdateUIEvent& event) { OnUpdateStrict(event); });

    // The stored folder is where File Open starts; the command line's names resolve against
    // the folder the program was started in.
    const wxString stored = ReadStoredFolder(*wxConfigBase::Get());
    if (!stored.empty())
        m_manager->SetLastDirectory(stored);

    if (!m_commandFile.empty() && !OpenCommandFile(m_commandFile))
    {
        frame->Destroy();
        return false;
    }
    frame->Show(true);
    frame->Update();
    return true;
}

bool CVantrelApp::OpenCommandFile(const wxString& path)
{
    return m_manager != nullptr && m_manager->CreateDocument(path, wxDOC_SILENT) != nullptr;
}

int CVantrelApp::OnRun()
{
    // The crash handler that started this run takes exit code 0 for "the user has been told".
    if (m_noticeShown)
        return 0;
    Velmo::Util::AbortHandlerScope handlers;
    return wxApp::OnRun();
}

wxString CVantrelApp::GetOpenFolder() const
{
    return m_manager != nullptr ? m_manager->GetLastDirectory() : wxString();
}

void CVantrelApp::StoreFolder()
{
    wxString folder = GetOpenFolder();
    if (folder.empty())
        folder = wxGetCwd();
    WriteStoredFolder(*wxConfigBase::Get(), folder);
}

wxString CVantrelApp::ReadStoredFolder(const wxConfigBase& config)
{
    const wxString stored = config.Read(SettingsKey, wxString());
    return !stored.empty() && wxDir::Exists(stored) ? stored : wxString();
}

void CVantrelApp::WriteStoredFolder(wxConfigBase& config, const wxString& folder)
{
    if (IsStorableFolder(folder.utf8_string()))
        config.Write(SettingsKey, folder);
}

bool CVantrelApp::IsStorableFolder(const std::string& folder)
{
    return !folder.empty() && folder.size() <= 259;
}

int CVantrelApp::OnExit()
{
    if (m_manager != nullptr)
    {
        StoreFolder();
        m_manager->FileHistorySave(*wxConfigBase::Get());
        delete m_manager;
        m_manager = nullptr;
    }
    delete wxConfigBase::Set(nullptr);
    return wxApp::OnExit();
}

bool CVantrelApp::OnExceptionInMainLoop()
{
    CCatchPattern::ShowMessage(CCatchPattern::DescribeCurrentException());
    return true;
}

void CVantrelApp::OnUnhandledException()
{
    CCatchPattern::ShowMessage(CCatchPattern::DescribeCurrentException());
}

void CVantrelApp::OnAbout(wxCommandEvent&)
{
    CAboutDlg dialog(GetTopWindow());
    dialog.ShowModal();
}

void CVantrelApp::OnStrict(wxCommandEvent&)
{
    Velmo::Papy::Options::Instance()->Strict = !Velmo::Papy::Options::Instance()->Strict;
    // The switch holds for the files read from now on: no file read before is handed out again
    // once nobody holds it. What the open documents and panes hold stays theirs, and is what a
    // later request of its file gets while they hold it: one object per file.
    if (CDocumentPattern::UsesRegistry())
        Velmo::Papy::FileFactoryRegistry::Instance()->ForgetUnheld();
}

void CVantrelApp::OnUpdateStrict(wxUpdateUIEvent& event)
{
    event.Check(Velmo::Papy::Options::Instance()->Strict);
}
