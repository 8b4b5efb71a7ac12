#pragma once
// The document of a DAT container (".dat"): the archive, through the factory the registry
// builds for the file. An entry opens as a document of its own (its path is the archive's
// folder and the entry's name, read from the archive by that folder's factory); the track of
// the archive's folder opens as its ".track". Entry names that would lead outside the folder open
// nothing and say so. Closing lets the factory go and purges the registry's caches.
//
// A DAT document is never made empty (no File New); it enters the recent-file list.
#include <string>

#include "Papy/Container/DatFile.h"
#include "Papy/Factory/FileFactory.h"
#include "Util/CountedPointer.h"
#include "Vantrel/Doc/SubDoc.h"
#include "Vantrel/Rows/DatContainer.h"

class CDatDoc : public CSubDoc
{
public:
    typedef Velmo::Util::CountedPointer<Velmo::Papy::DatFile> File;
    typedef Velmo::Util::CountedPointer<Velmo::Papy::FileFactory> Factory;

    ~CDatDoc() override;

    bool OnNewDocument() override { return false; }

    // The archive; empty until opened.
    File GetFile() const { return m_container.Dat; }
    Factory GetFactory() const { return m_container.Factory; }

    // Opens the archive's entry (its index) as a document; an unsafe name or a failed open
    // shows a message. The opened document, or null.
    wxDocument* OpenEntry(int entry);
    // Opens the track of the archive's folder (Open Track, which its pane answers); the opened
    // document, or null.
    wxDocument* OpenTrack();

protected:
    void Open(const std::string& path) override;

private:
    wxDocument* OpenPath(const std::string& path);

    DatContainer m_container;

    wxDECLARE_DYNAMIC_CLASS(CDatDoc);
};
