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
    Util::CountedPointer<Track> track = Load(*factory, base, datOnly);
    m_source.GetCache().Store(key, track);
    object = track;
}

void FolderMakeTrack::PurgeCache()
{
    m_source.GetCache().Clear();
}
} // namespace Velmo::Papy
