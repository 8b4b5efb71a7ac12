#include "Vantrel/Doc/3DODoc.h"

#include <locale>

#include "Papy/Factory/MakeFacets.h"
#include "Util/PathName.h"
#include "Vantrel/Doc/BorrowedStream.h"

wxIMPLEMENT_DYNAMIC_CLASS(C3DODoc, CEditableDoc);

namespace
{
// Lower case through the classic locale: only A to Z change.
std::string LowerCase(std::string text)
{
    for (char& c : text)
        c = std::tolower(c, std::locale::classic());
    return text;
}

bool IsPtf(const Velmo::Util::PathName& name)
{
    return LowerCase(name.GetExtension()) == "ptf";
}
} // namespace

void C3DODoc::OpenEditable(const std::string& path)
{
    const Velmo::Util::PathName name(path);
    File file;
    Factory factory = IsPtf(name)
                          ? MakeEditable<Velmo::Papy::MakePtf>(path, name.GetFileName(), name.GetExtension(), file)
                          : MakeEditable<Velmo::Papy::MakeTdo>(path, name.GetFileName(), name.GetExtension(), file);
    m_factory = factory;
    m_file = file;
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
    // The saved file is found again through the kind its open would use.
    target.Saved = [this, file](const std::string& path) {
        const Velmo::Util::PathName name(path);
        if (IsPtf(name))
            PutSaved<Velmo::Papy::MakePtf>(path, name.GetFileName(), name.GetExtension(), file);
        else
            PutSaved<Velmo::Papy::MakeTdo>(path, name.GetFileName(), name.GetExtension(), file);
    };
    return target;
}
