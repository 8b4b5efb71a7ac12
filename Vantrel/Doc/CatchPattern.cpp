#include "Vantrel/Doc/CatchPattern.h"

#include <exception>

#include <wx/app.h>
#include <wx/msgdlg.h>
#include <wx/thread.h>

#include "Util/Exception.h"
#include "Vantrel/Text/CodePage1252.h"
#include "Vantrel/Text/ReportLines.h"

namespace
{
CCatchPattern::Sink& CurrentSink()
{
    static CCatchPattern::Sink sink;
    return sink;
}

CCatchPattern::ReportBox& CurrentReportBox()
{
    static CCatchPattern::ReportBox box;
    return box;
}
} // namespace

std::string CCatchPattern::DescribeCurrentException()
{
    try
    {
        throw;
    }
    catch (const Velmo::Util::Exception& exception)
    {
        return exception.GetText();
    }
    catch (const std::exception& exception)
    {
        return exception.what();
    }
    catch (...)
    {
        return UnknownExceptionText;
    }
}

bool CCatchPattern::Run(const std::function<void()>& operation)
{
    std::string message;
    try
    {
        operation();
        return true;
    }
    catch (...)
    {
        message = DescribeCurrentException();
    }
    // Shown outside the handler: the exception is gone before a dialog runs its own loop.
    ShowMessage(message);
    return false;
}

void CCatchPattern::ShowMessage(const std::string& text)
{
    wxASSERT_MSG(wxIsMainThread(), "messages are shown on the GUI thread");
    if (CurrentSink())
    {
        CurrentSink()(text);
        return;
    }
    const wxString caption = wxTheApp != nullptr ? wxTheApp->GetAppDisplayName() : wxString("Vantrel");
    const std::string shown = CodePage1252::Shown(text);
    if (CurrentReportBox() && ReportLines::IsLong(shown))
        CurrentReportBox()(caption.utf8_string(), shown);
    else
        wxMessageBox(wxString::FromUTF8(shown), caption, wxOK);
}

bool CCatchPattern::AskYesNo(const std::string& text)
{
    wxASSERT_MSG(wxIsMainThread(), "questions are asked on the GUI thread");
    const wxString caption = wxTheApp != nullptr ? wxTheApp->GetAppDisplayName() : wxString("Vantrel");
    return wxMessageBox(wxString::FromUTF8(CodePage1252::Shown(text)), caption, wxYES_NO | wxICON_QUESTION) == wxYES;
}

void CCatchPattern::SetReportBox(ReportBox box)
{
    CurrentReportBox() = std::move(box);
}

CCatchPattern::Sink CCatchPattern::SetSink(Sink sink)
{
    Sink previous = std::move(CurrentSink());
    CurrentSink() = std::move(sink);
    return previous;
}
