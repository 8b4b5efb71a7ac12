#include "Papy/FacetSets/FolderMakeTrack.h"

#include "Papy/Factory/FileFactoryRegistry.h"
#include "Papy/Factory/MakeLookup.h"
#include "Util/Exception.h"

namespace Velmo::Papy
{
FolderMakeTrack::FolderMakeTrack(const PapyDirectory& directory, const std::string& defaultExtension,
                                 FileFactoryRegistry* registry)
    : m_source(directory, {}, defaultExtension), m_registry(registry)
{
}

void FolderMakeTrack::Make(Util::CountedPointer<Track>& object, const std::string& name,
                           const std::string& extension, bool datOnly)
{
    const std::string base = name.empty() ? m_source.GetDirectory().GetName() : name;
    const std::string file = base + "." + (extension.empty() ? m_source.GetDefaultExtension() : extension);
    const std::string key = MakeLookup::Key(file);
    MakeCache<Track>& cache = m_source.GetCache();
    if (auto cached = cache.Find(file, key))
    {
        object = cached;
        return;
    }
    // A track file with a twin on disk has a track of its own, as it has a file object of its own.
    MakeLookup::LooseFile loose;
    if (!datOnly)
        loose = MakeLookup::FindLoose(m_source.GetDirectory(), file);
    if (loose.twin)
        if (auto cached = cache.FindTwin(loose.name))
        {
            object = cached;
            return;
        }
    FileFactoryRegistry* registry = m_registry != nullptr ? m_registry : FileFactoryRegistry::Instance();
    Util::CountedPointer<FileFactory> factory = registry->GetFactory(m_source.GetDirectory(), false);
    VELMO_ASSERT(factory);
    const void* source = nullptr;
    Util::CountedPointer<Track> track = Load(*factory, base, datOnly, source);
    if (loose.twin)
        cache.StoreTwin(loose.name, track, source);
    else
        cache.Store(key, track, source);
    object = track;
}

void FolderMakeTrack::PurgeCache()
{
    m_source.GetCache().Clear();
}

void FolderMakeTrack::Forget(const void* object)
{
    m_source.GetCache().Forget(object);
}

void FolderMakeTrack::ForgetUnheld()
{
    // As the purge: a track holds the file object it is built on, so a track kept would keep
    // that object handed out after its holders let it go. The next request builds a new track
    // on the object the file's own facet gives.
    PurgeCache();
}
} // namespace Velmo::Papy
