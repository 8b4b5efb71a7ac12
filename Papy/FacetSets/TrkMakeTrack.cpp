#include "Papy/FacetSets/TrkMakeTrack.h"

#include "Papy/Factory/FileFactoryRegistry.h"
#include "Papy/Factory/MakeLookup.h"
#include "Papy/Track/TrkFile.h"
#include "Papy/Track/TrkTrack.h"

namespace Velmo::Papy
{
TrkMakeTrack::TrkMakeTrack(const PapyDirectory& directory, FileFactoryRegistry* registry)
    : m_source(directory, {}, "trk"), m_registry(registry)
{
}

void TrkMakeTrack::Make(Util::CountedPointer<Track>& object, const std::string& name, const std::string& extension,
                        bool datOnly)
{
    const std::string base = name.empty() ? m_source.GetDirectory().GetName() : name;
    const std::string key =
        MakeLookup::Key(base + "." + (extension.empty() ? m_source.GetDefaultExtension() : extension));
    if (auto cached = m_source.GetCache().Find(key))
    {
        object = cached;
        return;
    }
    FileFactoryRegistry* registry = m_registry != nullptr ? m_registry : FileFactoryRegistry::Instance();
    Util::CountedPointer<FileFactory> factory = registry->GetFactory(m_source.GetDirectory(), false);
    VELMO_ASSERT(factory);
    Util::CountedPointer<TrkFile> file;
    factory->GetFacet<MakeTrk>()->Make(file, base, "trk", datOnly);
    Util::CountedPointer<Track> track(new TrkTrack(file));
    m_source.GetCache().Store(key, track);
    object = track;
}

void TrkMakeTrack::PurgeCache()
{
    m_source.GetCache().Clear();
}
} // namespace Velmo::Papy
