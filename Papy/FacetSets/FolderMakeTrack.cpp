#include "Papy/FacetSets/FolderMakeTrack.h"

#include "Papy/Container/DatFile.h"
#include "Papy/Factory/FileFactoryRegistry.h"
#include "Papy/Factory/GetDat.h"
#include "Papy/Factory/MakeLookup.h"
#include "Util/Exception.h"
#include "Util/LookupPass.h"

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
    Util::LookupPass pass;
    FileFactoryRegistry* registry = m_registry != nullptr ? m_registry : FileFactoryRegistry::Instance();
    Util::CountedPointer<FileFactory> factory = registry->GetFactory(m_source.GetDirectory(), false);
    VELMO_ASSERT(factory);
    // The track is the track of its file as it is now: the file the subclass reads (the name
    // with the default extension), loose (a twin on disk has a track of its own, as it has a
    // file object of its own), else the DAT's entry.
    const std::string read =
        MakeLookup::StandardFileName(m_source.GetDirectory(), base, m_source.GetDefaultExtension(), "");
    std::string entry = MakeLookup::Key(file);
    bool twin = false;
    MakeOrigin origin;
    if (!datOnly)
        origin = MakeLookup::LooseOrigin(m_source.GetDirectory(), read, entry, twin);
    if (!twin)
        entry = MakeLookup::Key(file);
    if (origin.path.empty())
    {
        entry = MakeLookup::Key(file);
        twin = false;
        if (factory->HasFacet<GetDat>())
            if (Util::CountedPointer<DatFile> dat = factory->GetFacet<GetDat>()->GetDatFile())
                origin = MakeLookup::DatOrigin(*dat);
    }
    MakeCache<Track>& cache = m_source.GetCache();
    if (auto cached = cache.FindCurrent(entry, twin, origin))
    {
        object = cached;
        return;
    }
    const void* source = nullptr;
    Util::CountedPointer<Track> track = Load(*factory, base, datOnly, source);
    if (twin)
        cache.StoreTwin(entry, track, origin, source);
    else
        cache.Store(entry, track, origin, source);
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

void FolderMakeTrack::TrimUnheld()
{
    m_source.GetCache().TrimUnheld();
}

void FolderMakeTrack::ForgetUnheld()
{
    // As the purge: a track holds the file object it is built on, so a track kept would keep
    // that object handed out after its holders let it go. The next request builds a new track
    // on the object the file's own facet gives.
    PurgeCache();
}
} // namespace Velmo::Papy
