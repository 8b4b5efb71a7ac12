#include "Vantrel/Doc/EditableDoc.h"

#include "Util/Exception.h"
#include "Vantrel/Doc/CatchPattern.h"
#include "Vantrel/Doc/CommonSave.h"

wxIMPLEMENT_ABSTRACT_CLASS(CEditableDoc, CVantrelDoc);

CEditableDoc::~CEditableDoc()
{
    // The factory forgets the edited object, whoever else still holds it.
    if (!m_unsavedEdits || !IsReleasable())
        return;
    try
    {
        m_factory->Forget(m_edited);
    }
    catch (...)
    {
    }
}

void CEditableDoc::Open(const std::string& path)
{
    m_factory = nullptr;
    m_edited = nullptr;
    m_unsavedEdits = false;
    OpenEditable(path);
    VELMO_ASSERT(IsReleasable());
}

bool CEditableDoc::RefusesWithoutFile() const
{
    if (HasFile())
        return false;
    CCatchPattern::ShowMessage(CCommonSave::NoFileText);
    return true;
}

bool CEditableDoc::Save()
{
    return RefusesWithoutFile() ? false : CVantrelDoc::Save();
}

bool CEditableDoc::SaveAs()
{
    return RefusesWithoutFile() ? false : CVantrelDoc::SaveAs();
}

bool CEditableDoc::OnSaveDocument(const wxString& path)
{
    const bool saved = CVantrelDoc::OnSaveDocument(path);
    if (saved)
        m_unsavedEdits = false;
    return saved;
}

void CEditableDoc::Modify(bool modified)
{
    if (modified)
        m_unsavedEdits = true;
    CVantrelDoc::Modify(modified);
}
