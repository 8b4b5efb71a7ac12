#pragma once
// The MakeTrack facet of the folders whose tracks are track files (GPL and N2): the track of a
// name is the folder's track file, loaded through the factory's own MakeTrk facet and wrapped
// as a Track. The wrapped tracks are cached here by name; a purge forgets them all (a track
// held elsewhere lives on, and the next request wraps a newly loaded file).
#include <string>

#include "Papy/Container/PapyDirectory.h"
#include "Papy/Factory/MakeFacets.h"
#include "Papy/Factory/StandardMakeSource.h"
#include "Papy/Track/Track.h"

namespace Velmo::Papy
{
class FileFactoryRegistry;

class TrkMakeTrack : public MakeTrack
{
public:
    // registry gives the factory of the folder (the one that carries this facet); the process's
    // registry unless said otherwise.
    explicit TrkMakeTrack(const PapyDirectory& directory, FileFactoryRegistry* registry = nullptr);

    void Make(Util::CountedPointer<Track>& object, const std::string& name, const std::string& extension,
              bool datOnly) override;
    void PurgeCache() override;

    const MakeCache<Track>& GetCache() const { return m_source.GetCache(); }

private:
    // Only its folder, its default extension and its cache are used.
    StandardMakeSource<Track> m_source;
    FileFactoryRegistry* m_registry;
};
} // namespace Velmo::Papy
