#pragma once
// The document of a track: a ".trk" file (template 133), or the track of a folder whose DAT
// holds it, named "<folder>/<name>.track" (template 138). It keeps the track and the factory of
// the track's folder; the panes read the track and change nothing, so the document is never
// saved and never asks to be.
#include <string>

#include "Papy/Factory/FileFactory.h"
#include "Papy/Track/Track.h"
#include "Util/CountedPointer.h"
#include "Vantrel/Doc/VantrelDoc.h"

class CTrkDoc : public CVantrelDoc
{
public:
    typedef Velmo::Util::CountedPointer<Velmo::Papy::Track> TrackPointer;
    typedef Velmo::Util::CountedPointer<Velmo::Papy::FileFactory> FactoryPointer;

    // Empty until opened (and after File New).
    TrackPointer GetTrack() const { return m_track; }
    FactoryPointer GetFactory() const { return m_factory; }

protected:
    void Open(const std::string& path) override;

    // The track of a path through the MakeTrack facet of the factory of the path's folder. The
    // factory is kept before the facet is asked, the track once it is complete (and only when
    // it is another object than the one held).
    void OpenTrack(const std::string& path);

private:
    TrackPointer m_track;
    FactoryPointer m_factory;

    wxDECLARE_DYNAMIC_CLASS(CTrkDoc);
};
