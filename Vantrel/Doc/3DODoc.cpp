#include "Vantrel/Doc/3DODoc.h"

#include <locale>

#include "Papy/Factory/MakeFacets.h"
#include "Util/PathName.h"
#include "Vantrel/Doc/BorrowedStream.h"
#include "Vantrel/Doc/CatchPattern.h"
#include "Vantrel/Doc/DocumentPattern.h"

wxIMPLEMENT_DYNAMIC_CLASS(C3DODoc, CVantrelDoc);

namespace
{
// Lower case through the classic locale: only A to Z change.
std::string LowerCase(std::string text)
{
    for (char& c : text)
        c = std::tolower(c, std::locale::classic());
    return text;
}
} // namespace

C3DODoc::~C3DODoc()
{
    Release();
}

void C3DODoc::Open(const std::string& path)
{
    const Velmo::Util::PathName name(path);
    const bool ptf = LowerCase(name.GetExtension()) == "ptf";
    File file;
    Factory factory = ptf ? CDocumentPattern::Make<Velmo::Papy::MakePtf>(path, name.GetFileName(), name.GetExtension(), file)
                          : CDocumentPattern::Make<Velmo::Papy::MakeTdo>(path, name.GetFileName(), name.GetExtension(), file);
    m_factory = factory;
    m_file = file;
    m_ptf = ptf;
    m_unsavedEdits = false;
}

CCommonSave::Target C3DODoc::GetSaveTarget()
{
    CCommonSave::Target target;
    target.HasFile = m_file.Get() != nullptr;
    target.CanSave = target.HasFile && m_file->CanSave();
    File file = m_file;
    target.Save = [file](Velmo::Util::BinaryStream& stream) {
        Velmo::Util::CountedPointer<Velmo::Util::BinaryStream> borrowed(new CBorrowedStream(stream));
        file->Save(borrowed);
    };
    return target;
}

bool C3DODoc::Save()
{
    if (m_file.Get() == nullptr)
    {
        CCatchPattern::ShowMessage(CCommonSave::NoFileText);
        return false;
    }
    return CVantrelDoc::Save();
}

bool C3DODoc::SaveAs()
{
    if (m_file.Get() == nullptr)
    {
        CCatchPattern::ShowMessage(CCommonSave::NoFileText);
        return false;
    }
    return CVantrelDoc::SaveAs();
}

bool C3DODoc::OnSaveDocument(const wxString& path)
{
    const bool saved = CVantrelDoc::OnSaveDocument(path);
    if (saved)
        m_unsavedEdits = false;
    return saved;
}

void C3DODoc::Modify(bool modified)
{
    if (modified)
        m_unsavedEdits = true;
    CVantrelDoc::Modify(modified);
}

void C3DODoc::Release()
{
    const bool forget = m_unsavedEdits && m_file.Get() != nullptr;
    m_file = nullptr;
    if (forget && m_factory.Get() != nullptr)
    {
        // The cache now holds the edited object alone; the purge lets it go (with any other
        // object that nobody holds, which is read again when it is asked for). A purge that
        // fails leaves the cache as it was.
        try
        {
            if (m_ptf)
            {
                if (m_factory->HasFacet<Velmo::Papy::MakePtf>())
                    m_factory->GetFacet<Velmo::Papy::MakePtf>()->PurgeCache();
            }
            else if (m_factory->HasFacet<Velmo::Papy::MakeTdo>())
                m_factory->GetFacet<Velmo::Papy::MakeTdo>()->PurgeCache();
        }
        catch (...)
        {
        }
    }
    m_factory = nullptr;
}
