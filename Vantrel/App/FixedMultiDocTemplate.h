#pragma once
// A document template of the table: matches a file by the text from the path's last '.'
// against each of its extensions, without regard to case. Its views are shown in a frame of
// its frame class (CDocChildFrame or a CSplitterFrame subclass) with the template's menus.
#include <wx/docview.h>

#include "Vantrel/App/TemplateTable.h"

class CFixedMultiDocTemplate : public wxDocTemplate
{
public:
    // A null frame class is CDocChildFrame.
    CFixedMultiDocTemplate(wxDocManager* manager, const CTemplateTable::Entry& entry, wxClassInfo* documentClass,
                           wxClassInfo* viewClass, wxClassInfo* frameClass = nullptr);

    bool FileMatchesTemplate(const wxString& path) override;
    // Makes the document's window with its panes; returns the first pane's view.
    wxView* CreateView(wxDocument* document, long flags = 0) override;

    int GetId() const { return m_entry.Id; }
    const CTemplateTable::Entry& GetEntry() const { return m_entry; }
    // The filter of the File Open dialog ("3D Object Files (*.3do,*.ptf)|*.3do;*.ptf"); empty
    // for templates without a filter name.
    wxString GetOpenFilter() const;

    // A new, empty document object of the template's class.
    wxDocument* CreateDocumentObject() { return DoCreateDocument(); }

private:
    const CTemplateTable::Entry& m_entry;
    wxClassInfo* m_frameClass;
};
