#pragma once
// The base of every document: the open runs inside the catch pattern with the wait cursor (and
// the busy window for large files); a document that fails to open shows the message and is
// never shown. Documents are read-only unless they say otherwise: a read-only document refuses
// to save and never counts as modified. A writable document saves through the common save; it
// remembers its file as it was when read and after each save, so that a save over a file that
// another program has written since asks first.
#include <string>

#include <wx/docview.h>

#include "Vantrel/Doc/CommonSave.h"
#include "Util/FileIdentity.h"

class CVantrelDoc : public wxDocument
{
public:
    bool OnOpenDocument(const wxString& path) override;
    bool OnSaveDocument(const wxString& path) override;
    bool Save() override;
    bool SaveAs() override;
    bool IsModified() const override;

    // Sets the document's path (and so its title) after a successful open. The path keeps its
    // bytes (CPathText); the title shows its name readably.
    virtual void SetPathName(const std::string& path);
    wxString GetUserReadableName() const override;
    // Whether the opened path enters the recent-file list.
    virtual bool AddsToHistory(const std::string& path) const;
    virtual bool IsReadOnly() const { return true; }

protected:
    // Opens the file; throws on failure. Members are assigned only from complete objects.
    virtual void Open(const std::string& path) = 0;
    // What the common save writes (writable documents).
    virtual CCommonSave::Target GetSaveTarget() { return {}; }

private:
    // The file last read or saved, and what it was then.
    std::string m_knownPath;
    Velmo::Util::FileIdentity m_known;

    wxDECLARE_ABSTRACT_CLASS(CVantrelDoc);
};
