#pragma once
// A document template of the table: matches a file by the text from the path's last '.'
// against each of its extensions, without regard to case.
#include <wx/docview.h>

#include "Vantrel/App/TemplateTable.h"

class CFixedMultiDocTemplate : public wxDocTemplate
{
public:
    CFixedMultiDocTemplate(wxDocManager* manager, const CTemplateTable::Entry& entry, wxClassInfo* documentClass,
                           wxClassInfo* viewClass);

    bool FileMatchesTemplate(const wxString& path) override;

    int GetId() const { return m_entry.Id; }
    const CTemplateTable::Entry& GetEntry() const { return m_entry; }
    // The filter of the File Open dialog ("3D Object Files (*.3do,*.ptf)|*.3do;*.ptf"); empty
    // for templates without a filter name.
    wxString GetOpenFilter() const;

    // A new, empty document object of the template's class.
    wxDocument* CreateDocumentObject() { return DoCreateDocument(); }

private:
    const CTemplateTable::Entry& m_entry;
};
