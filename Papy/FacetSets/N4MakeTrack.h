#pragma once
// The MakeTrack facet of N4 folders: the track of a name is the folder's track object (the
// name, or the folder's name, with "ptf" whatever extension is asked for), loaded through the
// MakePtf facet of the folder's factory and presented as a Track. The tracks are cached here by
// the requested name; a purge forgets them all.
#include <string>

#include "Papy/Container/PapyDirectory.h"
#include "Papy/Factory/MakeFacets.h"
#include "Papy/Factory/StandardMakeSource.h"
#include "Papy/Track/Track.h"

namespace Velmo::Papy
{
class FileFactoryRegistry;

class N4MakeTrack : public MakeTrack
{
public:
    N4MakeTrack(const PapyDirectory& directory, FileFactoryRegistry& registry);

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
