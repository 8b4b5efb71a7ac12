#pragma once
// The MakeTrack facet of the folders whose tracks are track files (GPL and N2): the track of a
// name is the folder's track file, loaded through the factory's own MakeTrk facet and wrapped
// as a Track.
#include "Papy/FacetSets/FolderMakeTrack.h"

namespace Velmo::Papy
{
class TrkMakeTrack : public FolderMakeTrack
{
public:
    // registry gives the factory of the folder (the one that carries this facet); the process's
    // registry unless said otherwise.
    explicit TrkMakeTrack(const PapyDirectory& directory, FileFactoryRegistry* registry = nullptr);

protected:
    Util::CountedPointer<Track> Load(FileFactory& factory, const std::string& base, bool datOnly,
                                     const void*& source) override;
};
} // namespace Velmo::Papy
