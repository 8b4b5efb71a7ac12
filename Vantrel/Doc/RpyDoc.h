#pragma once
// The document of a replay (".rpy", ".rpl"; template 140): the replay, and the track it was
// driven on, from the folder "tracks/<track name>" beside the replay's folder (names matched
// without regard to case). A track that cannot be opened shows its message and the replay
// opens without it; the panes then show the replay alone.
#include <string>

#include "Papy/Container/PapyDirectory.h"
#include "Papy/Race/RpyFile.h"
#include "Vantrel/Doc/TrkDoc.h"

class CRpyDoc : public CTrkDoc
{
public:
    typedef Velmo::Util::CountedPointer<Velmo::Papy::RpyFile> ReplayPointer;

    ReplayPointer GetReplay() const { return m_replay; }

    // The folder of the tracks of a replay lying in folder: the folder's parent and "tracks/".
    // A replay in the root folder fails the assertion "!Root".
    static std::string GetTracksFolder(const Velmo::Papy::PapyDirectory& folder);
    // The path of the track of a name in the tracks folder. A name that is not one folder's name
    // (empty, "." or "..", or with a separator) names no track: XFileOpen.
    static std::string GetTrackPath(const std::string& tracksFolder, const std::string& trackName);

protected:
    void Open(const std::string& path) override;

private:
    ReplayPointer m_replay;

    wxDECLARE_DYNAMIC_CLASS(CRpyDoc);
};
