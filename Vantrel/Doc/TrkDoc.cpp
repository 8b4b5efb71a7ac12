#include "Vantrel/Doc/TrkDoc.h"

#include "Papy/Container/PapyDirectory.h"
#include "Papy/Factory/FileFactoryRegistry.h"
#include "Papy/Factory/MakeFacets.h"
#include "Util/Exception.h"
#include "Util/PathName.h"
#include "Vantrel/Doc/DocumentPattern.h"

wxIMPLEMENT_DYNAMIC_CLASS(CTrkDoc, CVantrelDoc);

using namespace Velmo;

void CTrkDoc::Open(const std::string& path)
{
    // Only the document's own path: a replay's track may be named by its folder.
    CDocumentPattern::RefuseFolder(path);
    OpenTrack(path);
}

void CTrkDoc::OpenTrack(const std::string& path)
{
    FactoryPointer factory = CDocumentPattern::FolderFactory(path);
    m_factory = factory;

    // The facet wants the base name: it adds the extension itself. A base name that still holds
    // a dot ("v1.2" of "v1.2.trk") goes whole with its extension, as the track file's facet
    // splits its name at the last dot and would look for "v1.trk".
    const Util::PathName name(path);
    std::string base = name.GetBaseName();
    if (base.find('.') != std::string::npos && !name.GetExtension().empty())
        base = name.GetFileName();
    TrackPointer track;
    CDocumentPattern::FacetOf<Papy::MakeTrack>(factory, path)->Make(track, base, name.GetExtension(), false);
    if (track.Get() != m_track.Get())
        m_track = track;
}
