#pragma once
// The document of a 3D object (".3do", ".ptf"): the factory of the file's folder and the file
// object that the factory's Make facet gives (the PTF facet for ".ptf", the 3D-object facet
// otherwise). Its panes fill themselves from GetFile and tell each other about selections and
// edits with C3DOHint. It saves through the common save: a document without a file object
// (made by File New) and a file that cannot be saved (N2) are refused before anything is
// written. Edits that are never saved leave the folder's cache with the document (CEditableDoc).
#include "Papy/Factory/FileFactory.h"
#include "Papy/Model/TdoFile.h"
#include "Util/CountedPointer.h"
#include "Vantrel/Doc/EditableDoc.h"

class C3DODoc : public CEditableDoc
{
public:
    typedef Velmo::Util::CountedPointer<Velmo::Papy::FileFactory> Factory;
    typedef Velmo::Util::CountedPointer<Velmo::Papy::TdoFile> File;

    Factory GetFactory() const { return m_factory; }
    File GetFile() const { return m_file; }

protected:
    void OpenEditable(const std::string& path) override;
    bool HasFile() const override { return m_file.Get() != nullptr; }
    CCommonSave::Target GetSaveTarget() override;

private:
    Factory m_factory;
    File m_file;

    wxDECLARE_DYNAMIC_CLASS(C3DODoc);
};
