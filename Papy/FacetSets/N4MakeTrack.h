#pragma once
// The MakeTrack facet of N4 folders: the track of a name is the folder's track object (the
// name, or the folder's name, with "ptf" whatever extension is asked for), loaded through the
// MakePtf facet of the folder's factory and presented as a Track.
#include "Papy/FacetSets/FolderMakeTrack.h"

namespace Velmo::Papy
{
class N4MakeTrack : public FolderMakeTrack
{
public:
    N4MakeTrack(const PapyDirectory& directory, FileFactoryRegistry& registry);

protected:
    Util::CountedPointer<Track> Load(FileFactory& factory, const std::string& base, bool datOnly,
                                     const void*& source) override;
};
} // namespace Velmo::Papy
