#include "Papy/FacetSets/N4MakeTrack.h"

#include "Papy/Factory/FileFactoryRegistry.h"
#include "Papy/Factory/MakeLookup.h"
#include "Papy/Model/TdoFile.h"
#include "Papy/Track/PtfTrack.h"
#include "Util/Exception.h"

namespace Velmo::Papy
{
N4MakeTrack::N4MakeTrack(const PapyDirectory& directory, FileFactoryRegistry& registry)
    : m_source(directory, {}, "ptf"), m_registry(&registry)
{
}

void N4MakeTrack::Make(Util::CountedPointer<Track>& object, const std::string& name, const std::string& extension,
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
    Util::CountedPointer<FileFactory> factory = m_registry->GetFactory(m_source.GetDirectory(), false);
    VELMO_ASSERT(factory);
    Util::CountedPointer<TdoFile> file;
    factory->GetFacet<MakePtf>()->Make(file, base, "ptf", datOnly);
    Util::CountedPointer<Track> track(new PtfTrack(file, m_source.GetDirectory().GetPath() + base + ".ptf"));
    m_source.GetCache().Store(key, track);
    object = track;
}

void N4MakeTrack::PurgeCache()
{
    m_source.GetCache().Clear();
}
} // namespace Velmo::Papy
