#pragma once
// The document of a 3D object (".3do", ".ptf"): the factory of the file's folder and the file
// object that the factory's Make facet gives (the PTF facet for ".ptf", the 3D-object facet
// otherwise). Its panes fill themselves from GetFile and tell each other about selections and
// edits with C3DOHint. It saves through the common save: a document without a file object
// (made by File New) and a file that cannot be saved (N2) are refused before anything is
// written.
#include "Papy/Factory/FileFactory.h"
#include "Papy/Model/TdoFile.h"
#include "Util/CountedPointer.h"
#include "Vantrel/Doc/VantrelDoc.h"

class C3DODoc : public CVantrelDoc
{
public:
    typedef Velmo::Util::CountedPointer<Velmo::Papy::FileFactory> Factory;
    typedef Velmo::Util::CountedPointer<Velmo::Papy::TdoFile> File;

    ~C3DODoc() override;

    Factory GetFactory() const { return m_factory; }
    File GetFile() const { return m_file; }

    bool IsReadOnly() const override { return false; }
    // Without a file object there is nothing to save: the refusal is shown, no file is asked for.
    bool Save() override;
    bool SaveAs() override;
    bool OnSaveDocument(const wxString& path) override;
    void Modify(bool modified) override;

protected:
    void Open(const std::string& path) override;
    CCommonSave::Target GetSaveTarget() override;

private:
    // Lets the file object go; when it held edits that were never saved, the folder's cache
    // forgets it too, so that the file is read again the next time it is opened.
    void Release();

    Factory m_factory;
    File m_file;
    bool m_ptf = false;
    // Edits made since the open or the last save (the modified flag is also cleared when the
    // user chooses to discard them).
    bool m_unsavedEdits = false;

    wxDECLARE_DYNAMIC_CLASS(C3DODoc);
};
