#include "Vantrel/Doc/DatDoc.h"

#include <memory>

#include <wx/utils.h>

#include "Papy/Factory/FileFactoryRegistry.h"
#include "Util/BinaryFile.h"
#include "Vantrel/Doc/CatchPattern.h"
#include "Vantrel/Doc/PathText.h"

wxIMPLEMENT_DYNAMIC_CLASS(CDatDoc, CSubDoc);

CDatDoc::~CDatDoc()
{
    wxBusyCursor wait;
    CloseDatContainer(m_container, *Velmo::Papy::FileFactoryRegistry::Instance());
}

void CDatDoc::Open(const std::string& path)
{
    // The file must open for reading (its own message when it does not) before the registry
    // looks at it.
    std::unique_ptr<Velmo::Util::BinaryFile> file(Velmo::Util::BinaryFile::OpenRead(path));
    file.reset();
    DatContainer container = OpenDatContainer(*Velmo::Papy::FileFactoryRegistry::Instance(), path);
    m_container = container;
}

wxDocument* CDatDoc::OpenPath(const std::string& path)
{
    wxDocManager* manager = GetDocumentManager();
    return manager != nullptr ? manager->CreateDocument(CPathText::ToWx(path), wxDOC_SILENT) : nullptr;
}

wxDocument* CDatDoc::OpenEntry(int entry)
{
    std::string path;
    if (!CCatchPattern::Run([&] {
            if (!m_container.Factory || !m_container.Dat)
                return;
            path = DatEntryPath(*m_container.Factory, *m_container.Dat, entry);
        }))
        return nullptr;
    return path.empty() ? nullptr : OpenPath(path);
}

wxDocument* CDatDoc::OpenTrack()
{
    std::string path;
    if (!CCatchPattern::Run([&] {
            if (m_container.Factory)
                path = DatTrackPath(*m_container.Factory);
        }))
        return nullptr;
    return path.empty() ? nullptr : OpenPath(path);
}
