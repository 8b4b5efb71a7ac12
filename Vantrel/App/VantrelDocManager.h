#pragma once
// The document manager: a file opens with the template the extension table picks (the
// hexadecimal dump when none does), silently; a path already open activates its document. A
// document is shown only after its open succeeded: a file that fails shows its message and
// opens no window. Only documents that say so enter the recent-file list of 4; an entry of the
// list that is not on disk (an entry of a DAT container, opened as a dump) opens through its
// folder's factory as any path does, and leaves the list only when that open fails. The manager
// answers its own commands only: the document windows offer the views and the document theirs
// (Vantrel/Frame/DocChildFrame.h), so the manager does not pass events on to a view.
#include <wx/docview.h>

class CFixedMultiDocTemplate;

class CVantrelDocManager : public wxDocManager
{
public:
    CVantrelDocManager();

    wxDocument* CreateDocument(const wxString& path, long flags = 0) override;
    wxDocTemplate* FindTemplateForPath(const wxString& path) override;
    wxDocTemplate* SelectDocumentPath(wxDocTemplate** templates, int count, wxString& path, long flags,
                                      bool save = false) override;
    wxFileHistory* OnCreateFileHistory() override;
    // A File-New document is "Untitled1", "Untitled2", ...
    wxString MakeNewDocumentName() override;

    CFixedMultiDocTemplate* FindTemplateById(int id) const;
    // The File Open dialog's filter: each template's filter, then all files.
    wxString GetOpenFilter() const;

    static constexpr int HistorySize = 4;
    // Shown when File Open's dialog closed with a choice that it gives no file name for (followed
    // by ": " and the address of what was chosen, when it gives that).
    static constexpr const char* NoNameText = "The chosen file has no name that can be opened";

protected:
    bool TryBefore(wxEvent& event) override;
    void OnMRUFileNotExist(unsigned index, const wxString& path) override;

private:
    int m_untitledCount = 0;
};
