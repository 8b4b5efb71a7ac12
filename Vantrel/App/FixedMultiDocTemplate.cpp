#include "Vantrel/App/FixedMultiDocTemplate.h"

#include "Vantrel/Doc/PathText.h"
#include "Vantrel/Frame/DocChildFrame.h"

namespace
{
// ".3do;.ptf" -> "*.3do;*.ptf"
wxString Patterns(const std::string& extensions)
{
    wxString patterns;
    std::size_t begin = 0;
    while (begin <= extensions.size() && !extensions.empty())
    {
        std::size_t end = extensions.find(';', begin);
        if (end == std::string::npos)
            end = extensions.size();
        if (!patterns.empty())
            patterns += ";";
        patterns += "*" + wxString::FromUTF8(extensions.substr(begin, end - begin));
        begin = end + 1;
    }
    return patterns;
}

std::string DefaultExtension(const std::string& extensions)
{
    std::string first = extensions.substr(0, extensions.find(';'));
    return first.empty() ? first : first.substr(1);
}
} // namespace

CFixedMultiDocTemplate::CFixedMultiDocTemplate(wxDocManager* manager, const CTemplateTable::Entry& entry,
                                               wxClassInfo* documentClass, wxClassInfo* viewClass,
                                               wxClassInfo* frameClass)
    : wxDocTemplate(manager, wxString::FromUTF8(CTemplateTable::GetField(entry, CTemplateTable::FileNewName)),
                    Patterns(CTemplateTable::GetField(entry, CTemplateTable::FilterExtensions)), wxString(),
                    wxString::FromUTF8(DefaultExtension(CTemplateTable::GetField(entry, CTemplateTable::FilterExtensions))),
                    wxString::Format("%d", entry.Id), wxString::Format("%d", entry.Id), documentClass, viewClass,
                    CTemplateTable::GetField(entry, CTemplateTable::FileNewName).empty() ? wxTEMPLATE_INVISIBLE
                                                                                          : wxTEMPLATE_VISIBLE),
      m_entry(entry),
      m_frameClass(frameClass != nullptr ? frameClass : wxCLASSINFO(CDocChildFrame))
{
}

wxView* CFixedMultiDocTemplate::CreateView(wxDocument* document, long)
{
    return CDocChildFrame::Make(m_frameClass, document, m_entry.Id, GetViewClassInfo());
}

bool CFixedMultiDocTemplate::FileMatchesTemplate(const wxString& path)
{
    return CTemplateTable::MatchesExtension(CPathText::FromWx(path),
                                            CTemplateTable::GetField(m_entry, CTemplateTable::FilterExtensions));
}

wxString CFixedMultiDocTemplate::GetOpenFilter() const
{
    const std::string name = CTemplateTable::GetField(m_entry, CTemplateTable::FilterName);
    if (name.empty())
        return wxString();
    return wxString::FromUTF8(name) + "|" + GetFileFilter();
}
