#include "Vantrel/Doc/RpyDoc.h"

#include "Papy/Factory/FileFactoryRegistry.h"
#include "Papy/Factory/MakeFacets.h"
#include "Util/Exception.h"
#include "Util/PathName.h"
#include "Vantrel/Doc/CatchPattern.h"
#include "Vantrel/Doc/DocumentPattern.h"

wxIMPLEMENT_DYNAMIC_CLASS(CRpyDoc, CTrkDoc);

using namespace Velmo;

std::string CRpyDoc::GetTracksFolder(const Papy::PapyDirectory& folder)
{
    return folder.GetParent() + "tracks/";
}

std::string CRpyDoc::GetTrackPath(const std::string& tracksFolder, const std::string& trackName)
{
    // The name comes from the file: it must not lead out of the tracks folder.
    if (trackName.empty() || trackName == "." || trackName == ".." ||
        trackName.find_first_of(std::string("/\\\0", 3)) != std::string::npos)
        throw Util::XFileOpen(tracksFolder + trackName, "File not found");
    return tracksFolder + trackName;
}

void CRpyDoc::Open(const std::string& path)
{
    CDocumentPattern::RefuseFolder(path);
    const Papy::PapyDirectory folder(path);
    FactoryPointer factory = CDocumentPattern::FolderFactory(folder, path);
    // The facet adds the extension to the base name; the path's own extension is given so that
    // the file opened is the one named ("race.rpl" beside "race.rpy").
    const Util::PathName name(path);
    ReplayPointer replay;
    CDocumentPattern::FacetOf<Papy::MakeRpy>(factory, path)->Make(replay, name.GetBaseName(), name.GetExtension());
    m_replay = replay;

    const std::string tracks = GetTracksFolder(folder);
    const std::string trackName = replay->GetTrackName();
    // The replay opens whatever becomes of its track.
    CCatchPattern::Run([&] { OpenTrack(GetTrackPath(tracks, trackName)); });
}
