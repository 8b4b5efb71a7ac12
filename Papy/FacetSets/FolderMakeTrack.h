#pragma once
// The common part of the MakeTrack facets that build a folder's track through another facet of
// the folder's factory (TrkMakeTrack, N4MakeTrack): the key is the name (or the folder's name)
// with the asked extension (or the default one), folded as MakeLookup::Key folds it; the cached
// track is returned while its file (the loose file, else the folder's DAT) is as it was when the
// track was built, else the subclass loads the track from the folder's factory, found through
// the registry, and it is cached under the key. A purge forgets them all (a track held elsewhere lives on, and the next
// request loads a new one). Each track's cache entry names the file object it was built from, so
// that forgetting that object (an edit never saved) forgets the track too.
#include <string>

#include "Papy/Container/PapyDirectory.h"
#include "Papy/Factory/MakeFacets.h"
#include "Papy/Factory/StandardMakeSource.h"
#include "Papy/Track/Track.h"

namespace Velmo::Papy
{
class FileFactory;
class FileFactoryRegistry;

class FolderMakeTrack : public MakeTrack
{
public:
    void Make(Util::CountedPointer<Track>& object, const std::string& name, const std::string& extension,
              bool datOnly) override;
    void PurgeCache() override;
    // Forgets the track that is the object, and every track built from it.
    void Forget(const void* object) override;
    void ForgetUnheld() override;
    void TrimUnheld() override;

    const MakeCache<Track>& GetCache() const { return m_source.GetCache(); }

protected:
    // registry gives the factory of the folder (the one that carries this facet); the process's
    // registry when null.
    FolderMakeTrack(const PapyDirectory& directory, const std::string& defaultExtension,
                    FileFactoryRegistry* registry);

    const PapyDirectory& GetDirectory() const { return m_source.GetDirectory(); }

    // The track of base (the name, or the folder's name) from the folder's factory; source is
    // set to the file object it is built from.
    virtual Util::CountedPointer<Track> Load(FileFactory& factory, const std::string& base, bool datOnly,
                                             const void*& source) = 0;

private:
    // Only its folder, its default extension and its cache are used.
    StandardMakeSource<Track> m_source;
    FileFactoryRegistry* m_registry;
};
} // namespace Velmo::Papy
